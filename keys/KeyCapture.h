// The key capture of the single-key and rapid-fire dialogs, without the windows: what each key
// event of the input hook does to the captured key or combination, the text the key display
// shows, and the key events a combination is stored as.
//
// The caller seeds singleKeyHid, keyCount and KeyData from a button record, calls Start when the
// dialog is ready, OnHookKey for every WM_HOOK_KEY and Finish when the user confirms.
#pragma once
#include "profile/ProfileSet.h"

#include <array>
#include <cstdint>
#include <string>

// The last hook event a kind of dialog handled. The hook reports a held key again and again, so a
// dialog drops an event equal to the last one; each kind of dialog keeps one for the whole run.
struct LastHookEvent {
    int vk = 0;
    int flags = 0;
};

class KeyCapture {
public:
    static constexpr std::uint8_t kNoKey = 0xFF;
    static constexpr int kSlots = 5;  // left Shift, left Ctrl, left Windows, left Alt, main key
    static constexpr int kReleased = 0x80;

    // `singleKeyOnly`: every key replaces the one captured; otherwise left-hand modifiers and one
    // main key make a combination. `lastEvent` is borrowed: the dialog kind's own.
    KeyCapture(bool singleKeyOnly, LastHookEvent& lastEvent);

    // Seeds and results.
    std::uint8_t singleKeyHid = kNoKey;  // the single key's HID usage
    int keyCount = 0;                     // 1 a single key, 2 to 5 a combination
    std::uint8_t KeyData[kKeyDataBytes]{};

    // Takes over the seeds: a combination of two or more keys is shown by its keys, which are
    // then held as captured. Returns the text of the key display; "" shows nothing.
    std::wstring Start();
    // A hook event: `vk` with left and right keys apart, `flags` with kReleased for a release. An
    // event equal to the last one handled is dropped. True when the key display is to show a new
    // text, which is put into `display`.
    bool OnHookKey(int vk, int flags, std::wstring& display);
    // The user confirms. False when no key event came since Start (nothing captured); otherwise a
    // combination's KeyData is built from the keys shown: the presses in slot order, then the
    // releases in reverse order.
    bool Finish();

private:
    int SlotOf(int vk) const;
    std::wstring CombinationText();

    bool singleKeyOnly;
    LastHookEvent& lastEvent;
    int captureState = -1;  // -1 until the first event after Start, then 0
    std::array<std::uint8_t, kSlots> heldFlags{};
    std::array<std::uint8_t, kSlots> heldVk{0xA0, 0xA2, 0x5B, 0xA4, 0};
    std::array<std::uint8_t, kSlots> savedFlags{};
};
