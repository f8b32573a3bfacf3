// The key capture of the single-key and rapid-fire dialogs, without the windows: what each key
// event of the input hook does to the captured key or combination, the text the key display
// shows, and the key events a combination is stored as.
//
// The confirmation rule. A capture takes every key pressed, Enter and Escape included, until all
// the keys it took are released again; the capture is then complete. After that Enter confirms
// and Escape cancels, each when it is released, and any other key starts a new capture. A click
// on the key field (Restart) starts a new capture too, so Enter and Escape are assigned by a
// click on the field, or as the first key in the dialog, then Enter. A key the mouse cannot send
// is refused: the field stays as it was. What the field shows is what Finish stores.
//
// The caller seeds singleKeyHid, keyCount and KeyData from a button record, calls Start when the
// dialog is ready, OnHookKey for every WM_HOOK_KEY and Finish when the user confirms.
#pragma once
#include "profile/ProfileSet.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <string>

class KeyCapture {
public:
    static constexpr std::uint8_t kNoKey = 0xFF;
    static constexpr int kSlots = 5;  // left Shift, left Ctrl, left Windows, left Alt, main key
    static constexpr int kReleased = 0x80;

    // What a hook event asks of the dialog.
    enum class Answer {
        Ignored,  // a repeat of a held key, a release, or the press of a closing key
        Shown,    // the key display is to show a new text
        Refused,  // a key the mouse cannot send; the display stays as it was
        Confirm,  // Enter released after a complete capture: OK
        Cancel,   // Escape released after a complete capture
    };

    // `singleKeyOnly`: the last key pressed is the one captured; otherwise left-hand modifiers and
    // one main key make a combination.
    explicit KeyCapture(bool singleKeyOnly);

    // Seeds and results.
    std::uint8_t singleKeyHid = kNoKey;  // the single key's HID usage
    int keyCount = 0;                     // 1 a single key, 2 to 5 a combination
    std::uint8_t KeyData[kKeyDataBytes]{};

    // Takes over the seeds: a combination of two or more keys is shown by its keys, which are
    // then held as captured. Returns the text of the key display; "" shows nothing.
    std::wstring Start();
    // A new capture: the next key pressed is taken, Enter and Escape included. The keys shown stay
    // until then.
    void Restart();
    // Nothing shown and nothing captured; the next key pressed is taken.
    void Clear();
    // A hook event: `vk` with left and right keys apart, `flags` with kReleased for a release.
    // `display` receives the new text when the answer is Shown.
    Answer OnHookKey(int vk, int flags, std::wstring& display);
    // True while the key display shows a key, seeded or captured.
    bool ShowsKey() const { return showsKey; }
    // The user confirms. False when no key was captured since Start (the seeds stay as they were);
    // otherwise a combination's KeyData is built from the keys shown: the presses in slot order,
    // then the releases in reverse order.
    bool Finish();

private:
    enum class Phase { Waiting, Capturing, Complete };

    int SlotOf(int vk) const;
    std::wstring CombinationText();
    void BeginCapture();
    Answer OnPress(int vk, std::uint8_t hid, std::wstring& display);
    Answer OnRelease(int vk);

    bool singleKeyOnly;
    Phase phase = Phase::Waiting;
    bool captured = false;
    bool showsKey = false;
    int closingKey = 0;       // Enter or Escape pressed after a complete capture; acts when released
    std::bitset<256> down;    // keys this capture took that are still held
    std::array<std::uint8_t, kSlots> heldFlags{};
    std::array<std::uint8_t, kSlots> heldVk{0xA0, 0xA2, 0x5B, 0xA4, 0};
    std::array<std::uint8_t, kSlots> savedFlags{};
};
