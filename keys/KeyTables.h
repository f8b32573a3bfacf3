// The numberings of a key and the names shown for it:
//   virtual-key code (VK)  what the input hook and the keyboard report;
//   HID usage              USB keyboard-page usage, one byte, stored in button assignments and macros;
//   key index              16 to 159 (240 to 245 for names without a key), the key of a long name;
//   scan code              the key's place on the keyboard, whatever the layout makes it type.
// The lookups scan whole tables and the last matching row wins, so a value listed twice resolves
// to its later row.
#pragma once
#include <cstdint>
#include <string>

// Key index of the last KeyIndexVkTable row with this VK; 0 when none matches.
int VkToKeyIndex(int vk);

// Long name of a key index; only the low 8 bits of the index count. Never null; "" when unnamed.
const wchar_t* KeyIndexName(int keyIndex);

// HID usage of the last VkHidTable row with this VK. Returns false and leaves `hid` as it was when
// the key has no usage.
bool VkToHid(int vk, std::uint8_t& hid);

// VK of the last VkHidTable row with this HID usage. Returns false and leaves `vk` as it was when
// the usage has no key.
bool HidToVk(int hid, int& vk);

// HID usage of the typing-block key (letters, digits, punctuation) at a scan code, the key's
// position on a US keyboard; false and `hid` unchanged for any other scan code.
bool ScanCodeToHid(int scanCode, std::uint8_t& hid);
// Scan code of the typing-block key of a HID usage; false and `scanCode` unchanged for any other.
bool HidToScanCode(int hid, int& scanCode);

// The usage and the VK above are those of a US keyboard. The mouse sends usages, which name key
// positions, and the host's layout turns them into characters; a layout moves only the keys of
// the typing block. So a typing-block key, and a key whose VK has no usage of its own, is stored
// by the position of the key the current layout gives that VK; every other key by its VK.

// HID usage of the key a VK reported by the hook stands for; false and `hid` unchanged when the
// mouse cannot send that key.
bool KeyUsage(int vk, std::uint8_t& hid);
// VK the current layout gives the key of a stored usage; false and `vk` unchanged when none.
bool UsageKey(int hid, int& vk);

// Long name of a VK as the current layout labels its key: a key whose long name is one character
// is named by the character it types ("Q" for the key that types "q" on a French layout).
std::wstring KeyName(int vk);

// Compact name of a VK for button captions ("LCtrl", "Num5"); a VK without a listed name is named
// by the character its key types on the current keyboard layout, upper-cased ("A"), or "" when
// it types none. Asks the layout without touching the thread's keyboard state.
std::wstring VkShortName(int vk);

// Name shown for a stored HID usage in dialogs, labels and macro events: the name of its key on
// the current layout. "" for a usage without a key.
std::wstring HidUsageName(int hid);

// The HID usage a key name stands for: the name of a key as HidUsageName gives it, or its compact
// name (VkShortName's list), letter case ignored; the reverse of the names shown. Returns false
// and leaves `hid` as it was for a name of no key with a usage.
bool HidFromKeyName(const std::wstring& name, std::uint8_t& hid);
