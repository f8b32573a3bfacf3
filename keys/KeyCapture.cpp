#include "keys/KeyCapture.h"

#include "keys/KeyTables.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace {
constexpr int kMainKeySlot = KeyCapture::kSlots - 1;
constexpr std::uint8_t kEventMarker = 5;
constexpr std::uint8_t kPressed = 0x80;

std::wstring LongName(int vk) { return KeyIndexName(VkToKeyIndex(vk)); }
}  // namespace

KeyCapture::KeyCapture(bool singleKeyOnly, LastHookEvent& lastEvent)
    : singleKeyOnly(singleKeyOnly), lastEvent(lastEvent) {}

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
        text += LongName(heldVk[slot]);
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
            HidToVk(hid, vk);
            const auto slot = static_cast<size_t>(SlotOf(vk));
            if (slot == kMainKeySlot) heldVk[slot] = static_cast<std::uint8_t>(vk);
            heldFlags[slot] = 1;
        }
        std::fill(std::begin(KeyData), std::end(KeyData), 0);
        singleKeyHid = 0;
        text = CombinationText();
        savedFlags = heldFlags;
    }
    captureState = -1;
    return text;
}

bool KeyCapture::OnHookKey(int vk, int flags, std::wstring& display) {
    if (vk == lastEvent.vk && flags == lastEvent.flags) return false;
    lastEvent = LastHookEvent{vk, flags};
    if (captureState == -1) {
        keyCount = 0;
        heldFlags.fill(0);
        savedFlags.fill(0);
        captureState = 0;
    }
    if (singleKeyOnly) {
        VkToHid(vk, singleKeyHid);
        keyCount = 1;
        display = LongName(vk);
        return true;
    }
    const auto slot = static_cast<size_t>(SlotOf(vk));
    if (flags & kReleased) {
        heldFlags[slot] = 0;
        return false;
    }
    if (slot == kMainKeySlot) heldVk[slot] = static_cast<std::uint8_t>(vk);
    heldFlags[slot] = 1;
    std::fill(std::begin(KeyData), std::end(KeyData), 0);
    display = CombinationText();
    // A lone key is stored as a single key: it must be the key shown, a modifier included.
    if (keyCount == 1) {
        const auto shown = std::find(heldFlags.begin(), heldFlags.end(), 1) - heldFlags.begin();
        VkToHid(heldVk[static_cast<size_t>(shown)], singleKeyHid);
    }
    savedFlags = heldFlags;
    return true;
}

bool KeyCapture::Finish() {
    if (captureState == -1) return false;
    if (keyCount < 2) return true;
    std::vector<std::uint8_t> keys;
    for (size_t slot = 0; slot < kSlots; ++slot) {
        if (!savedFlags[slot]) continue;
        std::uint8_t hid = 0;
        VkToHid(heldVk[slot], hid);
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
