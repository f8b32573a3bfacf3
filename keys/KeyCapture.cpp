#include "keys/KeyCapture.h"

#include "keys/KeyTables.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace {
constexpr int kMainKeySlot = KeyCapture::kSlots - 1;
constexpr std::uint8_t kEventMarker = 5;
constexpr std::uint8_t kPressed = 0x80;
constexpr int kEnter = 0x0D;
constexpr int kEscape = 0x1B;
}  // namespace

KeyCapture::KeyCapture(bool singleKeyOnly) : singleKeyOnly(singleKeyOnly) {}

int KeyCapture::SlotOf(int vk) const {
    // Only the left-hand modifiers count as modifiers; a right-hand one is a main key.
    for (int slot = 0; slot < kMainKeySlot; ++slot) {
        if (heldVk[static_cast<size_t>(slot)] == vk) return slot;
    }
    return kMainKeySlot;
}

std::wstring KeyCapture::CombinationText() {
    std::wstring text;
    keyCount = 0;
    for (size_t slot = 0; slot < kSlots; ++slot) {
        if (!heldFlags[slot]) continue;
        if (keyCount++ > 0) text += L" + ";
        text += KeyName(heldVk[slot]);
    }
    return text;
}

std::wstring KeyCapture::Start() {
    std::wstring text;
    if (keyCount < 2) {
        if (singleKeyHid != kNoKey) text = HidUsageName(singleKeyHid);
    } else {
        for (size_t event = 0; event < kSlots; ++event) {
            const std::uint8_t hid = KeyData[event * 3];
            if (hid == 0) continue;
            int vk = 0;
            UsageKey(hid, vk);
            const auto slot = static_cast<size_t>(SlotOf(vk));
            if (slot == kMainKeySlot) heldVk[slot] = static_cast<std::uint8_t>(vk);
            heldFlags[slot] = 1;
        }
        std::fill(std::begin(KeyData), std::end(KeyData), 0);
        singleKeyHid = 0;
        text = CombinationText();
        savedFlags = heldFlags;
    }
    phase = Phase::Waiting;
    captured = false;
    showsKey = !text.empty();
    return text;
}

void KeyCapture::Restart() {
    phase = Phase::Waiting;
    closingKey = 0;
}

void KeyCapture::Clear() {
    singleKeyHid = kNoKey;
    keyCount = 0;
    std::fill(std::begin(KeyData), std::end(KeyData), 0);
    heldFlags.fill(0);
    savedFlags.fill(0);
    down.reset();
    phase = Phase::Waiting;
    captured = showsKey = false;
    closingKey = 0;
}

void KeyCapture::BeginCapture() {
    phase = Phase::Capturing;
    keyCount = 0;
    heldFlags.fill(0);
    savedFlags.fill(0);
    down.reset();
}

KeyCapture::Answer KeyCapture::OnHookKey(int vk, int flags, std::wstring& display) {
    if (vk <= 0 || vk >= static_cast<int>(down.size())) return Answer::Ignored;
    if (flags & kReleased) return OnRelease(vk);
    // The hook reports a held key again and again.
    if (down.test(static_cast<size_t>(vk)) || vk == closingKey) return Answer::Ignored;
    if (phase == Phase::Complete && (vk == kEnter || vk == kEscape)) {
        closingKey = vk;
        return Answer::Ignored;
    }
    std::uint8_t hid = 0;
    if (!KeyUsage(vk, hid)) return Answer::Refused;
    closingKey = 0;
    if (phase != Phase::Capturing) BeginCapture();
    return OnPress(vk, hid, display);
}

KeyCapture::Answer KeyCapture::OnPress(int vk, std::uint8_t hid, std::wstring& display) {
    captured = showsKey = true;
    down.set(static_cast<size_t>(vk));
    if (singleKeyOnly) {
        singleKeyHid = hid;
        keyCount = 1;
        display = KeyName(vk);
        return Answer::Shown;
    }
    const auto slot = static_cast<size_t>(SlotOf(vk));
    if (slot == kMainKeySlot) heldVk[slot] = static_cast<std::uint8_t>(vk);
    heldFlags[slot] = 1;
    std::fill(std::begin(KeyData), std::end(KeyData), 0);
    display = CombinationText();
    // A lone key is stored as a single key: it must be the key shown, a modifier included.
    if (keyCount == 1) {
        const auto shown = std::find(heldFlags.begin(), heldFlags.end(), 1) - heldFlags.begin();
        KeyUsage(heldVk[static_cast<size_t>(shown)], singleKeyHid);
    }
    savedFlags = heldFlags;
    return Answer::Shown;
}

// A release changes nothing shown: the keys pressed last make the capture.
KeyCapture::Answer KeyCapture::OnRelease(int vk) {
    if (vk == closingKey) {
        closingKey = 0;
        return vk == kEnter ? Answer::Confirm : Answer::Cancel;
    }
    if (!down.test(static_cast<size_t>(vk))) return Answer::Ignored;
    down.reset(static_cast<size_t>(vk));
    const auto slot = static_cast<size_t>(SlotOf(vk));
    if (slot != kMainKeySlot || heldVk[slot] == vk) heldFlags[slot] = 0;
    if (down.none() && phase == Phase::Capturing) phase = Phase::Complete;
    return Answer::Ignored;
}

bool KeyCapture::Finish() {
    if (!captured) return false;
    if (keyCount < 2) return true;
    std::vector<std::uint8_t> keys;
    for (size_t slot = 0; slot < kSlots; ++slot) {
        if (!savedFlags[slot]) continue;
        std::uint8_t hid = 0;
        KeyUsage(heldVk[slot], hid);
        keys.push_back(hid);
    }
    std::fill(std::begin(KeyData), std::end(KeyData), 0);
    const size_t count = keys.size();
    for (size_t k = 0; k < count; ++k) {
        const size_t press = k * 3;
        const size_t release = (2 * count - 1 - k) * 3;
        KeyData[press] = KeyData[release] = keys[k];
        KeyData[press + 1] = KeyData[release + 1] = kEventMarker;
        KeyData[press + 2] = kPressed;
    }
    return true;
}
