// The three numberings of a key and the names shown for it:
//   virtual-key code (VK)  what the input hook and the keyboard report;
//   HID usage              USB keyboard-page usage, one byte, stored in button assignments and macros;
//   key index              16 to 159 (240 to 245 for names without a key), the key of a long name.
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

// Compact name of a VK for button captions ("LCtrl", "Num5"); a VK without a listed name is named
// by the character its key types on the current keyboard layout, upper-cased ("A"), or "" when
// it types none.
std::wstring VkShortName(int vk);

// Name shown for a stored HID usage in dialogs, labels and macro events: the long name of its
// key. Never null; "" for a usage without a key.
const wchar_t* HidUsageName(int hid);

// The HID usage a key name stands for: the long name of a key (HidUsageName) or its compact
// name (VkShortName's list), letter case ignored; the reverse of the names shown. Returns false
// and leaves `hid` as it was for a name of no key with a usage.
bool HidFromKeyName(const std::wstring& name, std::uint8_t& hid);
