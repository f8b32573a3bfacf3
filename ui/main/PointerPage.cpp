#include "ui/main/PointerPage.h"

#include "text/LocalisedText.h"
#include "ui/main/ControlGroups.h"
#include "ui/main/SettingsValues.h"

#include <string>

using namespace SettingsValues;

namespace {
// The profile field each pointer slider edits, in slider order.
constexpr std::int32_t ProfileRecord::*kPointerFields[kPointerSliderCount] = {
    &ProfileRecord::Acceleration, &ProfileRecord::MouseSensitivity, &ProfileRecord::WheelScrollLines,
    &ProfileRecord::DoubleClickSpeed};
// Their titles, in the same order.
constexpr TextId::General kPointerTitles[kPointerSliderCount] = {
    TextId::General::AccelerationLabel, TextId::General::SensitivityLabel, TextId::General::ScrollLinesLabel,
    TextId::General::DoubleClickSpeedLabel};
}  // namespace

void PointerPage::Refresh() {
    ProfileRecord& record = ShownProfile(profiles, state);
    SelectPollingButton(PollingButtonForCode(record.PollingRate));
    for (int i = 0; i < kPointerSliderCount; ++i) ShowPointerSlider(i, record.*kPointerFields[i]);
}

void PointerPage::ShowPointerSlider(int slider, int value) {
    if (slider < 0 || slider >= kPointerSliderCount) return;
    layout.pointerSliders[slider].SetPos(value);
    std::wstring title = LoadUiString(kPointerTitles[slider]) + L" : " + std::to_wstring(value);
    layout.pointerSliderTitles[slider]->SetWindowText(title.c_str());
}

void PointerPage::SelectPollingButton(int button) { SelectRadio(layout.pollingButtons, button); }

void PointerPage::OnPointerSlider(int slider, int position) {
    if (slider < 0 || slider >= kPointerSliderCount) return;
    ShownProfile(profiles, state).*kPointerFields[slider] = position;
    ShowPointerSlider(slider, position);
}

void PointerPage::OnPollingButton(int button) {
    if (button < 0 || button >= static_cast<int>(kPollingCodes.size())) return;
    SelectPollingButton(button);
    ShownProfile(profiles, state).PollingRate = kPollingCodes[button];
}
