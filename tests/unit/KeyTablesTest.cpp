#include "keys/KeyTables.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {
// A key value and the name expected for it.
struct NameCase {
    int value;
    const wchar_t* name;
};

TEST(KeyTables, VkToKeyIndexTakesTheLastMatchingRow) {
    const int cases[][2] = {
        {0xB1, 148},  // listed for 147 and 148
        {0xB0, 0},    // not listed
        {0x5B, 156}, {0x5C, 156},
        {0x00, 158},  // the last of the rows without a VK
        {0xC0, 16},   {0x41, 20},  {0xFB, 159}, {0x6C, 116}, {0xAD, 143},
        {0x10, 0},    {0x141, 0},  {-1, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(c[1], VkToKeyIndex(c[0])) << std::hex << c[0];
}

TEST(KeyTables, KeyIndexNameUsesTheLowEightBits) {
    const NameCase cases[] = {
        {16, L"~"},           {16 + 256, L"~"},           {16 - 256, L"~"},       {101, L"NA"},
        {29, L""},            {158, L""},                 {0, L""},               {15, L""},
        {156, L"Win"},        {84, L"\\"},                {135, L"Profile"},      {154, L"Application"},
        {240, L"Left Button"}, {241, L"Right Button"},    {242, L"Middle Button"}, {243, L""},
        {244, L"Left Windows"}, {245, L"Right Windows"}, {246, L""},              {-1, L""},
    };
    for (const NameCase& c : cases) EXPECT_STREQ(c.name, KeyIndexName(c.value)) << c.value;
}

TEST(KeyTables, VkAndHidConvertBothWays) {
    const int pairs[][2] = {
        {0x41, 0x04}, {0x30, 0x27}, {0xC0, 0x35}, {0x0D, 0x28}, {0x6C, 0x58}, {0x5B, 0xE3},
        {0x5C, 0xE7}, {0xA0, 0xE1}, {0xA2, 0xE0}, {0xA4, 0xE2}, {0x13, 0x48}, {0x2C, 0x46},
    };
    for (const auto& p : pairs) {
        std::uint8_t hid = 0;
        ASSERT_TRUE(VkToHid(p[0], hid)) << std::hex << p[0];
        EXPECT_EQ(p[1], hid) << std::hex << p[0];
        int vk = 0;
        ASSERT_TRUE(HidToVk(p[1], vk)) << std::hex << p[1];
        EXPECT_EQ(p[0], vk) << std::hex << p[1];
    }
}

TEST(KeyTables, ValuesWithoutAPairLeaveTheResultAlone) {
    for (int vk : {0xAD, 0x10, 0x11, 0x12, 0xB1, 0x00, 0x141, -1}) {
        std::uint8_t hid = 0x99;
        EXPECT_FALSE(VkToHid(vk, hid)) << std::hex << vk;
        EXPECT_EQ(0x99, hid);
    }
    for (int hid : {0x00, 0x01, 0x64, 0xE8, 0xFF, 0x104, -1}) {
        int vk = -7;
        EXPECT_FALSE(HidToVk(hid, vk)) << std::hex << hid;
        EXPECT_EQ(-7, vk);
    }
}

TEST(KeyTables, EveryVkWithAUsageRoundTrips) {
    int paired = 0;
    for (int vk = 0; vk < 0x100; ++vk) {
        std::uint8_t hid = 0;
        if (!VkToHid(vk, hid)) continue;
        ++paired;
        int back = 0;
        EXPECT_TRUE(HidToVk(hid, back));
        EXPECT_EQ(vk, back) << std::hex << vk;
    }
    EXPECT_EQ(104, paired);
}

TEST(KeyTables, HidUsageNameIsTheLongNameOfItsKey) {
    const NameCase cases[] = {
        {0x04, L"A"},    {0xE0, L"Ctrl"},  {0xE4, L"Right Ctrl"}, {0xE3, L"Win"},  {0xE7, L"Win"},
        {0x58, L"Num Enter"}, {0x28, L"Enter"}, {0x2C, L"Space Bar"}, {0x31, L"\\"},
        {0x00, L""},     {0x64, L""},      {0xFF, L""},  // no key: the name of VK 0, which is empty
    };
    for (const NameCase& c : cases) EXPECT_EQ(std::wstring(c.name), HidUsageName(c.value)) << std::hex << c.value;
}

// The typing block by scan code, a row of a US keyboard at a time.
TEST(KeyTables, ScanCodesOfTheTypingBlockAndTheirUsages) {
    const int pairs[][2] = {
        {0x29, 0x35}, {0x02, 0x1E}, {0x0B, 0x27}, {0x0C, 0x2D}, {0x0D, 0x2E},
        {0x10, 0x14}, {0x11, 0x1A}, {0x15, 0x1C}, {0x19, 0x13}, {0x1A, 0x2F}, {0x1B, 0x30}, {0x2B, 0x31},
        {0x1E, 0x04}, {0x1F, 0x16}, {0x26, 0x0F}, {0x27, 0x33}, {0x28, 0x34},
        {0x2C, 0x1D}, {0x2D, 0x1B}, {0x32, 0x10}, {0x33, 0x36}, {0x34, 0x37}, {0x35, 0x38},
    };
    for (const auto& p : pairs) {
        std::uint8_t hid = 0;
        ASSERT_TRUE(ScanCodeToHid(p[0], hid)) << std::hex << p[0];
        EXPECT_EQ(p[1], hid) << std::hex << p[0];
        int scanCode = 0;
        ASSERT_TRUE(HidToScanCode(p[1], scanCode)) << std::hex << p[1];
        EXPECT_EQ(p[0], scanCode) << std::hex << p[1];
    }
    // Outside the block: Escape, Enter, the modifiers, Space, the keypad (whose scan codes the
    // navigation keys share without their prefix), the 102nd key, nothing.
    for (int scanCode : {0x01, 0x0E, 0x0F, 0x1C, 0x1D, 0x2A, 0x36, 0x38, 0x39, 0x47, 0x53, 0xE053, 0xE035, 0x56,
                         0x00, -1, 0x129}) {
        std::uint8_t hid = 0x99;
        EXPECT_FALSE(ScanCodeToHid(scanCode, hid)) << std::hex << scanCode;
        EXPECT_EQ(0x99, hid);
    }
    for (int hid : {0x28, 0x29, 0x2C, 0x54, 0x58, 0x63, 0xE0, 0x64, 0x00, 0xFF}) {
        int scanCode = -7;
        EXPECT_FALSE(HidToScanCode(hid, scanCode)) << std::hex << hid;
        EXPECT_EQ(-7, scanCode);
    }
}

// The tests run on a US layout, where a key's place and its VK agree: every key the VK table
// knows is stored as that table says, and every usage names the VK it came from.
TEST(KeyTables, OnAUsLayoutKeysAreStoredAsTheirVkSays) {
    int sendable = 0;
    for (int vk = 0; vk < 0x100; ++vk) {
        std::uint8_t byTable = 0, stored = 0;
        const bool listed = VkToHid(vk, byTable);
        const bool usable = KeyUsage(vk, stored);
        EXPECT_EQ(listed, usable) << std::hex << vk;
        if (!listed || !usable) continue;
        ++sendable;
        EXPECT_EQ(byTable, stored) << std::hex << vk;
        int back = 0;
        EXPECT_TRUE(UsageKey(stored, back));
        EXPECT_EQ(vk, back) << std::hex << vk;
    }
    EXPECT_EQ(104, sendable);
}

TEST(KeyTables, KeyNamesOnAUsLayout) {
    const NameCase cases[] = {
        {0x41, L"A"}, {0x31, L"1"}, {0xBA, L";"}, {0xDC, L"\\"}, {0xC0, L"`"},  // the character typed
        {0x0D, L"Enter"}, {0x1B, L"ESC"}, {0x6F, L"Num /"}, {0xA2, L"Ctrl"}, {0xAD, L"Mute"}, {0x7C, L""},
    };
    for (const NameCase& c : cases) EXPECT_EQ(std::wstring(c.name), KeyName(c.value)) << std::hex << c.value;
}

TEST(KeyTables, VkShortNames) {
    const NameCase cases[] = {
        {0x6C, L"Enter"}, {0x0D, L"Enter"}, {0x08, L"Backspace"}, {0x60, L"Num0"}, {0x6F, L"Num/"},
        {0x7B, L"F12"},   {0xA0, L"LShift"}, {0xA5, L"RAlt"},     {0x91, L"Scrl"}, {0x2F, L"Help"},
        // Named by the character the key types, upper-cased (US layout).
        {0x41, L"A"}, {0x5A, L"Z"}, {0x31, L"1"}, {0xBA, L";"}, {0xBC, L","}, {0xDC, L"\\"},
        // Keys that type nothing have no name.
        {0x5B, L""}, {0xAD, L""}, {0x00, L""}, {0x100, L""}, {-1, L""},
    };
    for (const NameCase& c : cases) EXPECT_EQ(std::wstring(c.name), VkShortName(c.value)) << std::hex << c.value;
}
}  // namespace
