#include "macro/MacroEvents.h"

#include "MacroTestData.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {
struct EncodingCase {
    MacroEvent event;
    const char* bytes;
};

TEST(MacroEvent, StoredBytes) {
    const EncodingCase cases[] = {
        {MacroEvent::Press(EVENT_MOUSE_BUTTON, 1), "81 01 00"},
        {MacroEvent::Release(EVENT_MOUSE_BUTTON, 1), "01 01 00"},
        {MacroEvent::Press(EVENT_MOUSE_BUTTON, 4), "81 04 00"},
        {MacroEvent::Press(EVENT_KEY, 0x04), "84 04 00"},
        {MacroEvent::Release(EVENT_KEY, 0xE3), "04 E3 00"},
        {MacroEvent::Release(EVENT_KEY, 0), "04 00 00"},
        {MacroEvent::Delay(120), "06 0C 00"},
        {MacroEvent::Delay(129), "06 0C 00"},
        {MacroEvent::Delay(65530), "06 99 19"},
        {MacroEvent::Delay(655350), "06 FF FF"},
        {MacroEvent::Delay(10000000), "06 FF FF"},
        {MacroEvent::Delay(-10), "06 00 00"},
    };
    for (const EncodingCase& c : cases) {
        MacroEvents events{};
        events[0] = c.event;
        EXPECT_EQ(c.bytes, Hex(events, 1));
    }
}

TEST(MacroEvent, ReadingTheBytes) {
    EXPECT_EQ(65530, MacroEvent::Delay(65530).DelayMilliseconds());
    EXPECT_EQ(655350, Block("06 FF FF")[0].DelayMilliseconds());
    EXPECT_EQ(6, Block("86 01 00")[0].Kind());
    EXPECT_TRUE(Block("81 01 00")[0].IsPress());
    EXPECT_FALSE(Block("01 01 00")[0].IsPress());

    struct ListedCase {
        const char* bytes;
        bool listed;
    };
    const ListedCase cases[] = {
        {"00 00 00", false}, {"80 00 00", false}, {"00 05 00", false}, {"05 04 00", false},
        {"87 01 00", false}, {"7F FF FF", false}, {"01 01 00", true},  {"82 02 00", true},
        {"03 04 00", true},  {"04 00 00", true},  {"06 00 00", true},  {"06 0C 00", true},
    };
    for (const ListedCase& c : cases) EXPECT_EQ(c.listed, Block(c.bytes)[0].IsListed()) << c.bytes;
}

TEST(MacroEvents, TotalPlayingTime) {
    struct TimeCase {
        const char* block;
        int milliseconds;
    };
    const TimeCase cases[] = {
        {"", 0},
        {"84 04 00 06 0C 00 04 04 00", 120},
        {"06 99 19", 65530},
        {"06 0C 00 84 04 00 06 01 00 04 04 00 06 00 01", 120 + 10 + 2560},
        {"86 05 00", 50},                      // the kind is in the low seven bits only
        {"05 0C 00 07 0C 00 81 0C 00", 0},     // other kinds add nothing
        {"06 FF FF 06 FF FF", 2 * 655350},
    };
    for (const TimeCase& c : cases) EXPECT_EQ(c.milliseconds, TotalPlayingTime(Block(c.block))) << c.block;

    MacroEvents full{};
    full.fill(MacroEvent::Delay(655350));
    EXPECT_EQ(MACRO_EVENTS_MAX * 655350, TotalPlayingTime(full)) << "delays past any count still play";
}

TEST(MacroEvents, PressReleasePairing) {
    struct PairingCase {
        const char* block;
        int count;
        bool balanced;
    };
    const PairingCase cases[] = {
        {"", 0, true},
        {"84 04 00 04 04 00", 2, true},
        {"84 04 00 06 0C 00 04 04 00", 3, true},
        {"84 04 00", 1, false},
        {"04 04 00", 1, true},                             // releases alone leave nothing pressed
        {"84 04 00 04 05 00", 2, false},
        {"84 04 00 84 04 00 04 04 00", 3, false},          // more presses than releases
        {"84 04 00 84 05 00 04 05 00 04 04 00", 4, true},
        {"04 04 00 84 04 00", 2, true},                    // a release before its press counts
        {"84 04 00 84 05 00 04 04 00 04 04 00", 4, false},
        {"81 01 00 01 01 00", 2, true},
        {"81 01 00 01 02 00", 2, false},
        {"81 04 00 04 04 00", 2, true},                    // key usage 4 releases the middle button
        {"82 02 00 03 02 00", 2, true},                    // kinds 2 and 3 are mouse buttons too
        {"84 04 00 05 04 00", 2, false},                   // kind 5 releases nothing
        {"84 04 00 04 04 00", 1, false},                   // only the first `count` records
        {"84 04 00 04 04 00", -5, true},
        {"84 04 00 04 04 00", 1000, true},
    };
    for (const PairingCase& c : cases) {
        EXPECT_EQ(c.balanced, IsPressReleaseBalanced(Block(c.block), c.count)) << c.block << " count " << c.count;
    }
}

TEST(MacroEvents, CompactListedEvents) {
    struct CompactCase {
        const char* block;
        const char* listed;
        int count;
    };
    const CompactCase cases[] = {
        {"", "", 0},
        {"84 04 00 06 0C 00 04 04 00", "84 04 00 06 0C 00 04 04 00", 3},
        {"00 00 00 84 04 00 00 00 00 04 04 00", "84 04 00 04 04 00", 2},
        {"05 01 00 84 04 00 87 02 00 80 00 00 06 01 00", "84 04 00 06 01 00", 2},
    };
    for (const CompactCase& c : cases) {
        MacroEvents events = Block(c.block);
        EXPECT_EQ(c.count, CompactListedEvents(events)) << c.block;
        EXPECT_EQ(Hex(Block(c.listed)), Hex(events)) << c.block;
    }

    MacroEvents full{};
    full.fill(MacroEvent::Press(EVENT_KEY, 0x04));
    EXPECT_EQ(MACRO_EVENTS_MAX, CompactListedEvents(full));
}
TEST(MacroEvents, DisplayNames) {
    NamesFolder names;
    struct NameCase {
        const char* bytes;
        const wchar_t* name;
    };
    const NameCase cases[] = {
        {"81 01 00", L"Left"},
        {"01 02 00", L"Right"},
        {"81 04 00", L"Middle"},
        {"83 01 00", L"Left"},
        {"01 08 00", L"Left"},  // a button bit without a name: named by the kind
        {"82 08 00", L"Right"},
        {"03 00 00", L"Middle"},
        {"84 04 00", L"A"},
        {"04 E3 00", L"Win"},
        {"84 2C 00", L"Space Bar"},
        {"04 00 00", L""},
        {"84 FF 00", L""},
        {"06 0C 00", L"120"},
        {"06 99 19", L"65530"},
        {"06 00 00", L"0"},
        {"00 00 00", L""},
        {"05 01 00", L""},
        {"87 04 00", L""},
    };
    for (const NameCase& c : cases) EXPECT_EQ(c.name, EventDisplayName(Block(c.bytes)[0])) << c.bytes;
}
}  // namespace
