#include "ui/main/SettingsPages.h"

#include "text/LocalisedText.h"
#include "ui/main/SettingsValues.h"

#include <cstdio>
#include <string>

using namespace SettingsValues;

namespace {
// The profile field each pointer slider of page 1 edits, in slider order.
constexpr std::int32_t ProfileRecord::*kPointerFields[kPointerSliderCount] = {
    &ProfileRecord::Acceleration, &ProfileRecord::MouseSensitivity, &ProfileRecord::WheelScrollLines,
    &ProfileRecord::DoubleClickSpeed};

// The radio pattern: only button `index` checked; each button repaints only when it changes.
template <size_t N>
void SelectRadio(std::array<CBitmapBtn, N>& buttons, int index) {
    for (size_t i = 0; i < N; ++i) buttons[i].SetCheck(static_cast<int>(i) == index);
}

std::wstring Number(int value) { return std::to_wstring(value); }

int ProfileIndex(int index) { return index >= 0 && index < kProfileCount ? index : 0; }

void Show(CWnd& control, bool show) { control.ShowWindow(show ? SW_SHOW : SW_HIDE); }

// Component 0 (red), 1 (green) or 2 (blue) of a colour.
int Component(COLORREF color, int component) { return static_cast<int>((color >> (8 * component)) & 0xFF); }
}  // namespace

ProfileRecord& SettingsPages::Shown() { return profiles.Profiles[ProfileIndex(state.currentProfile)]; }

ProfileRecord& SettingsPages::Active() { return profiles.Profiles[ProfileIndex(profiles.GroupID)]; }

void SettingsPages::RefreshSettingsPages() {
    state.currentProfile = ProfileIndex(profiles.GroupID);
    SelectRadio(layout.profileTabs, state.currentProfile);
    ProfileRecord& record = Shown();
    SelectPollingButton(PollingButtonForCode(record.PollingRate));
    RefreshLighting();
    for (int i = 0; i < kPointerSliderCount; ++i) ShowPointerSlider(i, record.*kPointerFields[i]);
    RefreshDpiStages();
    ShowCurrentStage(StageNumber(record.DPI));
}

void SettingsPages::ShowPointerSlider(int slider, int value) {
    if (slider < 0 || slider >= kPointerSliderCount) return;
    layout.pointerSliders[slider].SetPos(value);
    std::wstring title = LoadUiString(L"General", 1 + slider) + L" : " + Number(value);
    layout.pointerSliderTitles[slider]->SetWindowText(title.c_str());
}

void SettingsPages::ShowCurrentStage(int stageNumber) {
    wchar_t text[40];
    std::swprintf(text, 40, L"Current Stage : %d", stageNumber);
    layout.currentStageLabel->SetWindowText(text);
}

void SettingsPages::SelectPollingButton(int button) { SelectRadio(layout.pollingButtons, button); }

void SettingsPages::RefreshDpiStages() {
    for (int stage = 0; stage < kDpiStageCount; ++stage) RefreshDpiStage(stage);
}

void SettingsPages::RefreshDpiStage(int stage) {
    if (stage < 0 || stage >= kDpiStageCount) return;
    const DpiStage& values = Shown().DPIStageValue[stage];
    layout.linkToggles[stage].SetCheck(values.Linked == 1);
    layout.stageEnableBoxes[stage].SetCheck(values.Enabled != 0);
    layout.dpiXSliders[stage].EnableWindow(values.Enabled != 0);
    layout.dpiXValueLabels[stage]->SetWindowText(Number(DpiNumber(values.X)).c_str());
    layout.dpiYValueLabels[stage]->SetWindowText(Number(DpiNumber(values.Y)).c_str());
    if (state.currentPage != 2) return;
    bool linked = values.Linked != 0;
    Show(layout.dpiXSliders[stage], !linked);
    Show(layout.dpiYSliders[stage], !linked);
    Show(layout.dpiXYSliders[stage], linked);
    if (linked) {
        layout.dpiXYSliders[stage].SetPos(AxisPositionFromCode(values.X));
    } else {
        layout.dpiXSliders[stage].SetPos(AxisPositionFromCode(values.X));
        layout.dpiYSliders[stage].SetPos(AxisPositionFromCode(values.Y));
    }
}

void SettingsPages::OnSliderChanged(int position, int sliderId) {
    ProfileRecord& record = Shown();
    if (sliderId >= kAccelerationSliderId && sliderId < kAccelerationSliderId + kPointerSliderCount) {
        int slider = sliderId - kAccelerationSliderId;
        record.*kPointerFields[slider] = position;
        ShowPointerSlider(slider, position);
    } else if (sliderId >= kDpiXSliderId && sliderId < kDpiXSliderId + kDpiStageCount) {
        int stage = sliderId - kDpiXSliderId;
        record.DPIStageValue[stage].X = CodeFromAxisPosition(position);
        layout.dpiXValueLabels[stage]->SetWindowText(Number(DpiNumber(record.DPIStageValue[stage].X)).c_str());
    } else if (sliderId >= kDpiYSliderId && sliderId < kDpiYSliderId + kDpiStageCount) {
        int stage = sliderId - kDpiYSliderId;
        record.DPIStageValue[stage].Y = CodeFromAxisPosition(position);
        layout.dpiYValueLabels[stage]->SetWindowText(Number(DpiNumber(record.DPIStageValue[stage].Y)).c_str());
    } else if (sliderId >= kDpiXYSliderId && sliderId < kDpiXYSliderId + kDpiStageCount) {
        int stage = sliderId - kDpiXYSliderId;
        int code = CodeFromAxisPosition(position);
        record.DPIStageValue[stage].X = record.DPIStageValue[stage].Y = code;
        std::wstring shown = Number(DpiNumber(code));
        layout.dpiXValueLabels[stage]->SetWindowText(shown.c_str());
        layout.dpiYValueLabels[stage]->SetWindowText(shown.c_str());
    } else if (sliderId >= kColorSliderId && sliderId < kColorSliderId + 3) {
        int component = sliderId - kColorSliderId;
        int shift = 8 * component;
        int value = (position - 1) & 0xFF;
        COLORREF color = (state.currentColor & ~(0xFFu << shift)) | (static_cast<COLORREF>(value) << shift);
        ShowColor(color, false);
    }
}

void SettingsPages::OnPollingButton(int button) {
    if (button < 0 || button >= static_cast<int>(kPollingCodes.size())) return;
    SelectPollingButton(button);
    Shown().PollingRate = kPollingCodes[button];
}

void SettingsPages::OnStageEnableBox(int stage) {
    if (stage < 0 || stage >= kDpiStageCount) return;
    CBitmapBtn& box = layout.stageEnableBoxes[stage];
    auto& stages = Shown().DPIStageValue;
    int disabled = 0;
    if (!box.checked) {
        for (const DpiStage& values : stages) disabled += values.Enabled == 0;
    }
    if (MayDisableStage(disabled)) {
        stages[stage].Enabled = box.checked ? 1 : 0;
    } else {
        box.SetCheck(TRUE);
        stages[stage].Enabled = 1;
    }
    RefreshDpiStage(stage);
}

void SettingsPages::OnLinkToggle(int stage) {
    if (stage < 0 || stage >= kDpiStageCount) return;
    DpiStage& values = Shown().DPIStageValue[stage];
    values.Linked = layout.linkToggles[stage].checked ? 1 : 0;
    values.Y = values.X;
    RefreshDpiStage(stage);
}

void SettingsPages::ApplyLedMode(int mode) {
    if (state.currentPage != 3) return;
    SelectRadio(layout.ledModeButtons, mode);
    // Mode 5 has a button of its own beside the five: it latches while the mode is chosen.
    layout.ledMode5Button.SetCheck(mode == kLedModeRunning);
    LedModeGroups groups = GroupsForLedMode(mode);
    Show(*layout.breathTitle, groups.breathing);
    for (CBitmapBtn& button : layout.breathSpeedButtons) Show(button, groups.breathing);
    Show(*layout.flashTitle, groups.flashing);
    for (CBitmapBtn& button : layout.flashSpeedButtons) Show(button, groups.flashing);
    Show(*layout.directionTitle, groups.flashing);
    for (CBitmapBtn& button : layout.directionButtons) Show(button, groups.flashing);
    bool pictureShown = GroupsForLedMode(state.shownLedMode).colorPicture;
    state.shownLedMode = mode;
    if (pictureShown != groups.colorPicture) InvalidateColorArea(true);
}

void SettingsPages::OnLedModeButton(int mode) {
    ApplyLedMode(mode);
    Shown().LedMode1 = mode;
}

void SettingsPages::OnLedMode5Button() {
    // The page shows what a profile with mode 5 shows: no mode button checked, no colour picture.
    ApplyLedMode(kLedModeRunning);
    Shown().LedMode1 = kLedModeRunning;
}

void SettingsPages::OnLedStateButton(int button) {
    if (button < 0 || button >= 3) return;
    SelectRadio(layout.ledStateButtons, button);
    Shown().LedState1 = button + 1;
}

void SettingsPages::OnBreathSpeedButton(int button) {
    if (button < 0 || button >= static_cast<int>(kSpeedCodes.size())) return;
    SelectRadio(layout.breathSpeedButtons, button);
    Shown().BreathState1 = kSpeedCodes[button];
}

void SettingsPages::OnFlashSpeedButton(int button) {
    if (button < 0 || button >= static_cast<int>(kSpeedCodes.size())) return;
    SelectRadio(layout.flashSpeedButtons, button);
    Shown().FlashState1 = kSpeedCodes[button];
}

void SettingsPages::OnDirectionButton(int button) {
    if (button < 0 || button >= 2) return;
    Shown().LedDirect1 = button;
    SelectRadio(layout.directionButtons, button);
}

void SettingsPages::RefreshLighting() {
    ProfileRecord& record = Shown();
    ApplyLedMode(record.LedMode1);
    SelectRadio(layout.ledStateButtons, LedStateButtonForValue(record.LedState1));
    SelectRadio(layout.breathSpeedButtons, SpeedButtonForValue(record.BreathState1));
    SelectRadio(layout.flashSpeedButtons, SpeedButtonForValue(record.FlashState1));
    SelectRadio(layout.directionButtons, DirectionButtonForValue(record.LedDirect1));
    state.currentColor = static_cast<COLORREF>(record.LedColor1);
    ShowColorFields();
    MoveColorSliders();
    InvalidateColorArea(false);
}

void SettingsPages::ShowColorFields() {
    for (int k = 0; k < 3; ++k) {
        layout.colorEdits[k].SetWindowText(Number(Component(state.currentColor, k)).c_str());
    }
}

void SettingsPages::MoveColorSliders() {
    for (int k = 0; k < 3; ++k) layout.colorSliders[k].SetPos(Component(state.currentColor, k) + 1);
}

void SettingsPages::ShowColor(COLORREF color, bool moveSliders) {
    state.currentColor = color & 0xFFFFFF;
    Active().LedColor1 = static_cast<std::int32_t>(state.currentColor);
    ShowColorFields();
    if (moveSliders) MoveColorSliders();
    InvalidateColorArea(false);
}

void SettingsPages::PickColor(int x, int y) {
    POINT point{x, y};
    // Without the picture the pixel there is the panel's, not a colour the user saw to pick.
    if (!GroupsForLedMode(state.shownLedMode).colorPicture || !::PtInRect(&kColorPickRect, point)) return;
    HDC dc = ::GetDC(window.m_hWnd);
    COLORREF color = ::GetPixel(dc, x, y);
    ::ReleaseDC(window.m_hWnd, dc);
    if (color == CLR_INVALID) return;
    ShowColor(color, true);
}

void SettingsPages::OnColorFieldKeyUp(int tag) {
    int field = tag - kColorFieldTag;
    if (field < 0 || field >= 3) return;
    if (ColorFieldTooLarge(layout.colorEdits[field].GetWindowText())) layout.colorEdits[field].SetWindowText(L"255");
    int components[3];
    for (int k = 0; k < 3; ++k) {
        components[k] = ColorComponentFromText(layout.colorEdits[k].GetWindowText());
        layout.colorSliders[k].SetPos(components[k] + 1);
    }
    state.currentColor = ColorFromComponents(components[0], components[1], components[2]);
    Active().LedColor1 = static_cast<std::int32_t>(state.currentColor);
    InvalidateColorArea(false);
}

void SettingsPages::InvalidateColorArea(bool withPicture) const {
    ::InvalidateRect(window.m_hWnd, &kSwatchFrameRect, FALSE);
    if (withPicture) ::InvalidateRect(window.m_hWnd, &kColorPictureRect, TRUE);
}
