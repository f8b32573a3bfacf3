#include "keys/KeyTables.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {
TEST(KeyNames, HidFromKeyNameTakesLongAndShortNames) {
    struct Case {
        const wchar_t* name;
        int hid;
    };
    const Case cases[] = {
        {L"F5", 0x3E},       {L"f5", 0x3E},      {L"A", 0x04},          {L"a", 0x04},       {L"1", 0x1E},
        {L"Ctrl", 0xE0},     {L"LCtrl", 0xE0},   {L"Right Ctrl", 0xE4}, {L"RCtrl", 0xE4},   {L"Shift", 0xE1},
        {L"Alt", 0xE2},      {L"Win", 0xE3},     {L"Space Bar", 0x2C},  {L"Space", 0x2C},   {L"Enter", 0x28},
        {L"Num Enter", 0x58}, {L"Num 1", 0x59},  {L"Num1", 0x59},       {L"Esc", 0x29},     {L"ESC", 0x29},
        {L"PageUp", 0x4B},   {L"Pageup", 0x4B},  {L"Scroll Lock", 0x47}, {L"Scrl", 0x47},   {L"`", 0x35},
        {L"\\", 0x31},       {L"Left", 0x50},    {L"Pause/Break", 0x48},
    };
    for (const Case& c : cases) {
        std::uint8_t hid = 0;
        EXPECT_TRUE(HidFromKeyName(c.name, hid)) << c.name;
        EXPECT_EQ(c.hid, hid) << c.name;
    }
}

TEST(KeyNames, NamesOfNoKeyWithAUsageAreRefused) {
    for (const wchar_t* name : {L"", L"Foo", L"F13", L"NA", L"Mute", L"Profile", L"Left Button", L"Ctrl ", L"Num  1"}) {
        std::uint8_t hid = 0x77;
        EXPECT_FALSE(HidFromKeyName(name, hid)) << name;
        EXPECT_EQ(0x77, hid) << name;
    }
}

TEST(KeyNames, EveryShownNameReadsBackAsAKeyOfThatName) {
    for (int hid = 0; hid < 256; ++hid) {
        const std::wstring name = HidUsageName(hid);
        if (name.empty()) continue;
        std::uint8_t found = 0;
        ASSERT_TRUE(HidFromKeyName(name, found)) << name;
        EXPECT_EQ(name, HidUsageName(found)) << name;
    }
}
}  // namespace
