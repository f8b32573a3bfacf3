#include "ui/main/LightingPage.h"

#include "ui/main/ControlGroups.h"
#include "ui/main/SettingsValues.h"

#include <string>

using namespace SettingsValues;

namespace {
constexpr int kColorComponents = 3;

// Component 0 (red), 1 (green) or 2 (blue) of a colour.
int Component(COLORREF color, int component) { return static_cast<int>((color >> (8 * component)) & 0xFF); }
}  // namespace

ProfileRecord& LightingPage::Active() { return profiles.Profiles[ProfileIndex(profiles.GroupID)]; }

void LightingPage::ApplyLedMode(int mode) {
    if (state.currentPage != 3) return;
    SelectRadio(layout.ledModeButtons, mode);
    // Mode 5 has a button of its own beside the five: it latches while the mode is chosen.
    layout.ledMode5Button.SetCheck(mode == kLedModeRunning);
    LedModeGroups groups = GroupsForLedMode(mode);
    ShowControl(*layout.breathTitle, groups.breathing);
    for (CBitmapBtn& button : layout.breathSpeedButtons) ShowControl(button, groups.breathing);
    ShowControl(*layout.flashTitle, groups.flashing);
    for (CBitmapBtn& button : layout.flashSpeedButtons) ShowControl(button, groups.flashing);
    ShowControl(*layout.directionTitle, groups.flashing);
    for (CBitmapBtn& button : layout.directionButtons) ShowControl(button, groups.flashing);
    bool pictureShown = GroupsForLedMode(state.shownLedMode).colorPicture;
    state.shownLedMode = mode;
    if (pictureShown != groups.colorPicture) InvalidateColorArea(true);
}

void LightingPage::OnLedModeButton(int mode) {
    ApplyLedMode(mode);
    ShownProfile(profiles, state).LedMode1 = mode;
}

void LightingPage::OnLedMode5Button() {
    // The page shows what a profile with mode 5 shows: no mode button checked, no colour picture.
    ApplyLedMode(kLedModeRunning);
    ShownProfile(profiles, state).LedMode1 = kLedModeRunning;
}

void LightingPage::OnLedStateButton(int button) {
    if (button < 0 || button >= 3) return;
    SelectRadio(layout.ledStateButtons, button);
    ShownProfile(profiles, state).LedState1 = button + 1;
}

void LightingPage::OnBreathSpeedButton(int button) {
    if (button < 0 || button >= static_cast<int>(kSpeedCodes.size())) return;
    SelectRadio(layout.breathSpeedButtons, button);
    ShownProfile(profiles, state).BreathState1 = kSpeedCodes[button];
}

void LightingPage::OnFlashSpeedButton(int button) {
    if (button < 0 || button >= static_cast<int>(kSpeedCodes.size())) return;
    SelectRadio(layout.flashSpeedButtons, button);
    ShownProfile(profiles, state).FlashState1 = kSpeedCodes[button];
}

void LightingPage::OnDirectionButton(int button) {
    if (button < 0 || button >= 2) return;
    ShownProfile(profiles, state).LedDirect1 = button;
    SelectRadio(layout.directionButtons, button);
}

void LightingPage::Refresh() {
    ProfileRecord& record = ShownProfile(profiles, state);
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

void LightingPage::ShowColorFields() {
    for (int k = 0; k < kColorComponents; ++k) {
        layout.colorEdits[k].SetWindowText(std::to_wstring(Component(state.currentColor, k)).c_str());
    }
}

void LightingPage::MoveColorSliders() {
    for (int k = 0; k < kColorComponents; ++k) layout.colorSliders[k].SetPos(Component(state.currentColor, k) + 1);
}

void LightingPage::ShowColor(COLORREF color, bool moveSliders) {
    state.currentColor = color & 0xFFFFFF;
    Active().LedColor1 = static_cast<std::int32_t>(state.currentColor);
    ShowColorFields();
    if (moveSliders) MoveColorSliders();
    InvalidateColorArea(false);
}

void LightingPage::PickColor(int x, int y) {
    POINT point{x, y};
    // Without the picture the pixel there is the panel's, not a colour the user saw to pick.
    if (!GroupsForLedMode(state.shownLedMode).colorPicture || !::PtInRect(&kColorPickRect, point)) return;
    HDC dc = ::GetDC(window.m_hWnd);
    COLORREF color = ::GetPixel(dc, x, y);
    ::ReleaseDC(window.m_hWnd, dc);
    if (color == CLR_INVALID) return;
    ShowColor(color, true);
}

void LightingPage::OnColorSlider(int component, int position) {
    if (component < 0 || component >= kColorComponents) return;
    int shift = 8 * component;
    int value = (position - 1) & 0xFF;
    COLORREF color = (state.currentColor & ~(0xFFu << shift)) | (static_cast<COLORREF>(value) << shift);
    ShowColor(color, false);
}

void LightingPage::OnColorFieldKeyUp(int tag) {
    int field = tag - kColorFieldTag;
    if (field < 0 || field >= kColorComponents) return;
    if (ColorFieldTooLarge(layout.colorEdits[field].GetWindowText())) layout.colorEdits[field].SetWindowText(L"255");
    int components[kColorComponents];
    for (int k = 0; k < kColorComponents; ++k) {
        components[k] = ColorComponentFromText(layout.colorEdits[k].GetWindowText());
        layout.colorSliders[k].SetPos(components[k] + 1);
    }
    state.currentColor = ColorFromComponents(components[0], components[1], components[2]);
    Active().LedColor1 = static_cast<std::int32_t>(state.currentColor);
    InvalidateColorArea(false);
}

void LightingPage::InvalidateColorArea(bool withPicture) const {
    ::InvalidateRect(window.m_hWnd, &kSwatchFrameRect, FALSE);
    if (withPicture) ::InvalidateRect(window.m_hWnd, &kColorPictureRect, TRUE);
}
