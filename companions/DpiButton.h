// The mouse's DPI button: each press moves to the next enabled DPI stage of the active profile.
#pragma once
#include "profile/ProfileSet.h"

#include <array>

// The stage after `current` (0 to 4) among the enabled ones, wrapping round; a current stage
// outside 0 to 4 starts from the first. Stays at `current` when no stage is enabled.
int NextDpiStage(int current, const std::array<bool, kDpiStageCount>& enabled);
