#include "macro/MacroEvents.h"

#include "keys/KeyTables.h"
#include "text/LocalisedText.h"

#include <algorithm>
#include <vector>

namespace {
// The function codes that name the mouse buttons, by the button bit of an event.
struct ButtonName {
    unsigned char code;
    int functionCode;
};
constexpr ButtonName kButtonNames[] = {{1, 1}, {2, 2}, {4, 3}};
}  // namespace

int TotalPlayingTime(const MacroEvents& events) {
    int total = 0;
    for (const MacroEvent& event : events) {
        if (event.IsDelay()) total += event.DelayMilliseconds();
    }
    return total;
}

bool IsPressReleaseBalanced(const MacroEvents& events, int count) {
    count = std::clamp(count, 0, MACRO_EVENTS_MAX);
    std::vector<unsigned char> presses;
    std::vector<unsigned char> releases;
    for (int i = 0; i < count; ++i) {
        const MacroEvent& event = events[i];
        if (!event.IsButtonOrKey()) continue;
        (event.IsPress() ? presses : releases).push_back(event.code);
    }
    if (presses.empty()) return true;
    if (presses.size() > releases.size()) return false;
    for (unsigned char code : releases) {
        presses.erase(std::remove(presses.begin(), presses.end(), code), presses.end());
    }
    return presses.empty();
}

int CompactListedEvents(MacroEvents& events) {
    MacroEvents listed{};
    int count = 0;
    for (const MacroEvent& event : events) {
        if (event.IsListed()) listed[count++] = event;
    }
    events = listed;
    return count;
}

std::wstring EventDisplayName(const MacroEvent& event) {
    if (!event.IsListed()) return L"";
    if (event.IsDelay()) return std::to_wstring(event.DelayMilliseconds());
    if (event.Kind() == EVENT_KEY) return HidUsageName(event.code);
    int functionCode = event.Kind();  // a button bit without a name is named by its kind
    for (const ButtonName& button : kButtonNames) {
        if (button.code == event.code) functionCode = button.functionCode;
    }
    return GetFunctionName(functionCode);
}
