// One step of a macro in the three-byte form the device service reads from a macro file.
#pragma once
#include <algorithm>

constexpr unsigned char PRESS_FLAG = 0x80;
constexpr unsigned char KIND_MASK = 0x7F;

constexpr int EVENT_MOUSE_BUTTON = 1;
constexpr int EVENT_KEY = 4;
constexpr int EVENT_DELAY = 6;

struct MacroEvent {
    unsigned char head = 0;  // the kind in bits 0 to 6, PRESS_FLAG for a press
    unsigned char code = 0;  // button bit or HID usage; the low byte of a delay
    unsigned char high = 0;  // the high byte of a delay, else 0

    static MacroEvent Press(int kind, unsigned char code) {
        return {static_cast<unsigned char>((kind & KIND_MASK) | PRESS_FLAG), code, 0};
    }
    static MacroEvent Release(int kind, unsigned char code) {
        return {static_cast<unsigned char>(kind & KIND_MASK), code, 0};
    }
    // Delays are stored in whole units of 10 ms, 0 to 0xFFFF units.
    static MacroEvent Delay(int milliseconds) {
        int units = std::clamp(milliseconds / 10, 0, 0xFFFF);
        return {EVENT_DELAY, static_cast<unsigned char>(units & 0xFF), static_cast<unsigned char>(units >> 8)};
    }

    int Kind() const { return head & KIND_MASK; }
    bool IsPress() const { return (head & PRESS_FLAG) != 0; }
    bool IsEmpty() const { return head == 0 && code == 0 && high == 0; }
    // Kinds 1 to 3 are mouse buttons, 4 a keyboard key; all four pair presses with releases.
    bool IsButtonOrKey() const { return Kind() >= EVENT_MOUSE_BUTTON && Kind() <= EVENT_KEY; }
    bool IsDelay() const { return Kind() == EVENT_DELAY; }
    // The events the editor lists; records of other kinds mean nothing to this tool.
    bool IsListed() const { return !IsEmpty() && (IsButtonOrKey() || IsDelay()); }
    int DelayMilliseconds() const { return (code + 256 * high) * 10; }
};
static_assert(sizeof(MacroEvent) == 3, "a macro event is stored as exactly three bytes");
