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
    for (const NameCase& c : cases) EXPECT_STREQ(c.name, HidUsageName(c.value)) << std::hex << c.value;
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
