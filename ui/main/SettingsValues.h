// The value arithmetic of the settings pages: how stored profile values map to slider
// positions, check-box indexes and shown numbers, and back.
#pragma once
#include "profile/ProfileSet.h"

#include <windows.h>

#include <array>
#include <string>

namespace SettingsValues {

// Vertical DPI sliders run from 2 (top) to 80 (bottom); the smallest position shows the largest code.
constexpr int kDpiSliderMin = 2;
constexpr int kDpiSliderMax = 80;

// The number of dots per inch a DPI code stands for.
int DpiNumber(int code);
// The code a DPI slider (X, Y or linked) stores for its position, and the position that shows a
// code: one the inverse of the other, so the positions 2 to 80 give exactly the device's codes 2 to 80.
// Both keep their argument in the range first.
int CodeFromAxisPosition(int position);
int AxisPositionFromCode(int code);

// The stage number shown for a stage index; the index may come unchecked from the device.
int StageNumber(int stageIndex);

// The button (an index of kPollingCodes) that shows a stored polling rate; unknown codes show the second button.
int PollingButtonForCode(int code);

constexpr std::array<int, 3> kSpeedCodes{8, 5, 1};  // breathing and flashing speeds
int LedStateButtonForValue(int value);
int SpeedButtonForValue(int value);
int DirectionButtonForValue(int value);

// The lighting mode of ledMode5Button, beside the five of ledModeButtons.
constexpr int kLedModeRunning = 5;

// What the lighting page shows for a mode: the colour picture and swatch (modes 0 to 4 only) and
// the option groups of that mode. Every other option group is hidden, so no control of another
// mode stays in reach.
struct LedModeGroups {
    bool colorPicture;
    bool breathing;
    bool flashing;  // the flashing speeds and the direction choice
};
LedModeGroups GroupsForLedMode(int mode);

// A stage may be disabled unless it is the last enabled one (at least four are already off).
bool MayDisableStage(int disabledStages);

// A colour field's text as a component: not a number reads 0, more than 255 reads 255. A field
// whose text is ColorFieldTooLarge is rewritten to "255" by the page.
int ColorComponentFromText(const std::wstring& text);
bool ColorFieldTooLarge(const std::wstring& text);
COLORREF ColorFromComponents(int red, int green, int blue);

}  // namespace SettingsValues
