// What the macro editor holds of one macro: its options and its events.
#pragma once
#include "macro/MacroEvents.h"

#include <string>

struct MacroSettings {
    std::wstring loopCountText = L"1";  // the loop count as typed; saved as its decimal value
    int loopType = 0;                   // 0 loop count, 1 the second loop option, 2 neither
    int delayType = 2;                  // 0 recorded delays, 1 fixed delay, 2 no delays
    int eventCount = 0;                 // records in use, 0 to MACRO_EVENTS_MAX
    MacroEvents events{};
};
