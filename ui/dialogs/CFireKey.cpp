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

std::wstring FireKeyText(int id) { return LoadUiString(L"FireKey", id); }

// A field's number as the C library reads a decimal: 0 when it starts with no digits.
int FieldValue(const CClrEdit& field) {
    return static_cast<int>(std::wcstol(field.GetWindowText().c_str(), nullptr, 10));
}
}  // namespace

CFireKey::CFireKey(CWnd* parent, std::wstring titleText, std::wstring messageText)
    : CSingleKey(parent, std::move(titleText), std::move(messageText), true) {}

void CFireKey::CreateControls() {
    CSingleKey::CreateControls();
    boxImage = LoadSkinImage(SkinFolder::Controls, L"checkbox1-1.png");
    tickedImage = LoadSkinImage(SkinFolder::Controls, L"checkbox1-2.png");
    countLabel = CStaticTrans::CreateLabel(*this, RECT{279, 130, 367, 149}, FireKeyText(7), WS_VISIBLE | SS_LEFT, 15);
    speedLabel = CStaticTrans::CreateLabel(*this, RECT{279, 171, 367, 190}, FireKeyText(8), WS_VISIBLE | SS_LEFT, 15);
    for (size_t t = 0; t < optionBoxes.size(); ++t) {
        CBitmapBtn& box = optionBoxes[t];
        CreateSkinButton(box, *this, kOptionBoxRects[t],
                         ButtonImageSet{boxImage.get(), boxImage.get(), tickedImage.get(), boxImage.get()});
        box.checkBoxMode = 1;
        box.accessibleRole = ButtonRole::Option;
        box.squareImage = 1;
        box.textVisible = 1;
        box.textMode = kTextLeft;
        box.normalTextColor = box.hoverTextColor = box.pressedTextColor = RGB(0xFF, 0xFF, 0xFF);
        box.SetText(FireKeyText(static_cast<int>(t) + 1), 20, kTextLeft);
    }
    const UINT ids[] = {kCountFieldId, kSpeedFieldId};
    const RECT rects[] = {{383, 130, 444, 149}, {383, 171, 444, 190}};
    CClrEdit* fields[] = {&countField, &speedField};
    for (int f = 0; f < 2; ++f) {
        fields[f]->Create(WS_CHILD | WS_VISIBLE, rects[f], this, ids[f]);
        fields[f]->SetFont(fields[f]->editFont.Get());
        fields[f]->SetLimitText(kMaxDigits);
    }
}

void CFireKey::ReleaseSkin() {
    CSingleKey::ReleaseSkin();
    boxImage.reset();
    tickedImage.reset();
}

BOOL CFireKey::OnInitDialog() {
    CSingleKey::OnInitDialog();
    // A mouse button's record holds no key to show.
    if (fireTarget != kKeyboardTarget) ForgetKey();
    SelectTarget(fireTarget);
    countField.SetWindowText(std::to_wstring(fireCount).c_str());
    speedField.SetWindowText(std::to_wstring(fireSpeed).c_str());
    return TRUE;
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

BOOL CFireKey::OnCommand(WPARAM wParam, LPARAM lParam) {
    auto control = reinterpret_cast<HWND>(lParam);
    for (size_t t = 0; t < optionBoxes.size(); ++t) {
        if (!control || control != optionBoxes[t].m_hWnd) continue;
        // The keyboard chosen after a mouse button starts with no key.
        if (t == kKeyboardTarget && fireTarget != kKeyboardTarget) ForgetKey();
        fireTarget = static_cast<int>(t);
        SelectTarget(fireTarget);
        if (fireTarget != kKeyboardTarget) capture.singleKeyHid = static_cast<std::uint8_t>(kLeftButton + t);
    }
    return CSingleKey::OnCommand(wParam, lParam);
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
