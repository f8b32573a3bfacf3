#include "ui/main/SettingsValues.h"

#include <algorithm>
#include <climits>
#include <cwchar>

namespace SettingsValues {

int DpiNumber(int code) { return code <= 80 ? code * 100 : code * 200 - 8000; }

// The top position (2) shows the largest code (80) and the bottom (80) the smallest (2).
int CodeFromAxisPosition(int position) {
    return kDpiSliderMin + kDpiSliderMax - std::clamp(position, kDpiSliderMin, kDpiSliderMax);
}

// A code from a file outside the range shows at the end it lies beyond.
int AxisPositionFromCode(int code) { return kDpiSliderMin + kDpiSliderMax - std::clamp(code, kDpiSliderMin, kDpiSliderMax); }

int StageNumber(int stageIndex) { return stageIndex < INT_MAX ? stageIndex + 1 : stageIndex; }

namespace {
template <size_t N>
int IndexOf(const std::array<int, N>& codes, int value, int fallback) {
    for (size_t i = 0; i < N; ++i) {
        if (codes[i] == value) return static_cast<int>(i);
    }
    return fallback;
}
}

int PollingButtonForCode(int code) { return IndexOf(kPollingCodes, code, 1); }

int LedStateButtonForValue(int value) { return value >= 1 && value <= 3 ? value - 1 : 0; }

int SpeedButtonForValue(int value) { return IndexOf(kSpeedCodes, value, 0); }

int DirectionButtonForValue(int value) { return value == 1 ? 1 : 0; }

LedModeGroups GroupsForLedMode(int mode) {
    switch (mode) {
    case 1: return {true, true, false};
    case 2: return {true, false, true};
    case 0:
    case 3:
    case 4: return {true, false, false};
    default: return {false, false, false};
    }
}

bool MayDisableStage(int disabledStages) { return disabledStages < 4; }

int ColorComponentFromText(const std::wstring& text) {
    // wcstol reads 0 for text without digits and saturates instead of overflowing.
    long value = std::wcstol(text.c_str(), nullptr, 10);
    if (value < 0) return 0;
    return value > 255 ? 255 : static_cast<int>(value);
}

bool ColorFieldTooLarge(const std::wstring& text) { return std::wcstol(text.c_str(), nullptr, 10) >= 256; }

COLORREF ColorFromComponents(int red, int green, int blue) {
    return static_cast<COLORREF>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}

}  // namespace SettingsValues
