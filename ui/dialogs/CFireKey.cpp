#include "ui/dialogs/CFireKey.h"

#include "framework/Messages.h"
#include "text/LocalisedText.h"

#include <cwchar>

namespace {
constexpr UINT kCountFieldId = 0x5001;
constexpr UINT kSpeedFieldId = 0x5002;
constexpr int kFocusGained = 1;
constexpr int kFocusLost = 2;

// Left, right, middle button, keyboard key.
constexpr RECT kOptionBoxRects[] = {{36, 112, 87, 128}, {89, 112, 156, 128}, {159, 112, 218, 128}, {36, 136, 144, 152}};

using TextId::FireKey;

// The captions of the option boxes, in their order.
constexpr FireKey kOptionTexts[] = {FireKey::LeftButton, FireKey::RightButton, FireKey::MiddleButton,
                                    FireKey::KeyboardKey};

// A number field of at most CFireKey::kMaxDigits digits in the field's own font.
DialogStyle NumberField(UINT id, const CClrEdit& field) {
    return DialogStyle::Edit(WS_CHILD | WS_VISIBLE, id, CFireKey::kMaxDigits, field.editFont.Get());
}

// A field's number as the C library reads a decimal: 0 when it starts with no digits.
int FieldValue(const CClrEdit& field) {
    return static_cast<int>(std::wcstol(field.GetWindowText().c_str(), nullptr, 10));
}
}  // namespace

CFireKey::CFireKey(CWnd* parent, std::wstring titleText, std::wstring messageText)
    : CSingleKey(parent, std::move(titleText), std::move(messageText), true) {}

void CFireKey::AddControls(std::vector<DialogControl>& controls) {
    boxImage = LoadSkinImage(SkinFolder::Controls, L"checkbox1-1.png", displayScale);
    tickedImage = LoadSkinImage(SkinFolder::Controls, L"checkbox1-2.png", displayScale);
    countField.UseScale(displayScale);
    speedField.UseScale(displayScale);
    const ButtonImageSet box{boxImage.get(), boxImage.get(), tickedImage.get(), boxImage.get()};
    for (size_t t = 0; t < optionBoxes.size(); ++t) {
        controls.push_back({&optionBoxes[t], kOptionBoxRects[t], box, LoadUiString(kOptionTexts[t]),
                            DialogStyle::ImageOnly()});
    }
    CSingleKey::AddControls(controls);
    using S = DialogStyle;
    const std::vector<DialogControl> numbers = {
        {&countLabel, {279, 130, 367, 149}, {}, LoadUiString(FireKey::RepeatCountLabel), S::Label(15, SS_LEFT)},
        {&countField, {383, 130, 444, 149}, {}, L"", NumberField(kCountFieldId, countField)},
        {&speedLabel, {279, 171, 367, 190}, {}, LoadUiString(FireKey::SpeedLabel), S::Label(15, SS_LEFT)},
        {&speedField, {383, 171, 444, 190}, {}, L"", NumberField(kSpeedFieldId, speedField)},
    };
    controls.insert(controls.end(), numbers.begin(), numbers.end());
}

void CFireKey::ConfigureControls() {
    CSingleKey::ConfigureControls();
    for (size_t t = 0; t < optionBoxes.size(); ++t) {
        CBitmapBtn& box = optionBoxes[t];
        box.checkBoxMode = 1;
        box.accessibleRole = ButtonRole::Option;
        box.squareImage = 1;
        box.textVisible = 1;
        box.textMode = kTextLeft;
        box.normalTextColor = box.hoverTextColor = box.pressedTextColor = RGB(0xFF, 0xFF, 0xFF);
        box.SetText(box.GetWindowText(), 20, kTextLeft);
        box.onClick = [this, t] { OnOptionBox(static_cast<int>(t)); };
    }
}

void CFireKey::ReleaseSkin() {
    CSingleKey::ReleaseSkin();
    boxImage.reset();
    tickedImage.reset();
}

BOOL CFireKey::OnInitDialog() {
    const BOOL result = CSingleKey::OnInitDialog();
    // A mouse button's record holds no key to show.
    if (fireTarget != kKeyboardTarget) ForgetKey();
    SelectTarget(fireTarget);
    countField.SetWindowText(std::to_wstring(fireCount).c_str());
    speedField.SetWindowText(std::to_wstring(fireSpeed).c_str());
    return result;
}

void CFireKey::ForgetKey() {
    capture.Clear();
    ShowKeys(L"");
}

void CFireKey::SelectTarget(int target) {
    for (size_t t = 0; t < optionBoxes.size(); ++t) optionBoxes[t].SetCheck(static_cast<int>(t) == target);
    ReportKeys(target == kKeyboardTarget && editFocusCount == 0);
}

LRESULT CFireKey::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_EDIT_FOCUS) {
        OnEditFocus(static_cast<int>(wParam));
        return 0;
    }
    return CSingleKey::WindowProc(message, wParam, lParam);
}

void CFireKey::OnEditFocus(int change) {
    if (change == kFocusGained) ++editFocusCount;
    if (change == kFocusLost) --editFocusCount;
    ReportKeys(editFocusCount == 0 && fireTarget == kKeyboardTarget);
}

void CFireKey::OnOptionBox(int target) {
    // The keyboard chosen after a mouse button starts with no key.
    if (target == kKeyboardTarget && fireTarget != kKeyboardTarget) ForgetKey();
    fireTarget = target;
    SelectTarget(fireTarget);
    if (fireTarget != kKeyboardTarget) capture.singleKeyHid = static_cast<std::uint8_t>(kLeftButton + target);
}

void CFireKey::OnOK() {
    // The keyboard without a key shown stores nothing: the record stays as it was.
    if (fireTarget == kKeyboardTarget && !capture.ShowsKey()) {
        EndDialog(IDCANCEL);
        return;
    }
    capture.Finish();
    fireCount = FieldValue(countField);
    fireSpeed = FieldValue(speedField);
    if (fireTarget != kKeyboardTarget) capture.singleKeyHid = static_cast<std::uint8_t>(kLeftButton + fireTarget);
    EndDialog(IDOK);
}
