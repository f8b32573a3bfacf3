// The event block of a macro and what is computed from it.
#pragma once
#include "macro/MacroEvent.h"

#include <array>
#include <string>

constexpr int MACRO_EVENTS_MAX = 63;

// Records 0 to count-1 in playing order, all later records zero; 189 bytes, no header.
using MacroEvents = std::array<MacroEvent, MACRO_EVENTS_MAX>;
static_assert(sizeof(MacroEvents) == 189, "the event block is stored as exactly 189 bytes");

// Sum of all delays of the block, in milliseconds.
int TotalPlayingTime(const MacroEvents& events);

// Whether every press among the first `count` records is released. Only the code byte is
// compared, not the kind, so a key with usage 4 releases a middle-button press.
bool IsPressReleaseBalanced(const MacroEvents& events, int count);

// Moves the listed events to the front in their order and clears every other record, so that
// the n-th listed event is record n; returns how many there are.
int CompactListedEvents(MacroEvents& events);

// How the editor's list names an event: the function name of a mouse button, the name of a key,
// or a delay in milliseconds; empty for a record that is not listed.
std::wstring EventDisplayName(const MacroEvent& event);
