#include "companions/SimulatorCommand.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
using Kind = SimulatorCommand::Kind;

struct ValidCase {
    const wchar_t* text;
    Kind kind;
    int profile;
    int id;
    int value;
    const wchar_t* key;
};

const ValidCase kValid[] = {
    {L"present", Kind::Present, 0, 0, 0, L""},
    {L"absent", Kind::Absent, 0, 0, 0, L""},
    {L"setting 10 3", Kind::Setting, 0, 10, 3, L""},
    {L"setting 99 -7", Kind::Setting, 0, 99, -7, L""},
    {L"set 3 PollingRate 4", Kind::Set, 2, 0, 4, L"PollingRate"},
    {L"set 5 Led_Mode1 -1", Kind::Set, 4, 0, -1, L"Led_Mode1"},
    {L"dpi", Kind::Dpi, 0, 0, 0, L""},
    {L"profile 1", Kind::Profile, 0, 0, 0, L""},
    {L"profile 5", Kind::Profile, 4, 0, 0, L""},
    {L"quit", Kind::Quit, 0, 0, 0, L""},
    {L"ignore-applies", Kind::IgnoreApplies, 0, 0, 0, L""},
    {L"hang 1", Kind::Hang, 0, 0, 1, L""},
    {L"hang 600", Kind::Hang, 0, 0, 600, L""},
    {L"die-on-apply", Kind::DieOnApply, 0, 0, 0, L""},
};

TEST(SimulatorCommand, ValidCommands) {
    for (const ValidCase& c : kValid) {
        auto command = SimulatorCommand::Parse(SimulatorCommand::SplitWords(c.text));
        ASSERT_TRUE(command) << c.text;
        EXPECT_EQ(c.kind, command->kind) << c.text;
        EXPECT_EQ(c.profile, command->profile) << c.text;
        EXPECT_EQ(c.id, command->id) << c.text;
        EXPECT_EQ(c.value, command->value) << c.text;
        EXPECT_EQ(c.key, command->key) << c.text;
    }
}

TEST(SimulatorCommand, RefusesWhatItCannotCarryOutSafely) {
    const wchar_t* invalid[] = {
        L"",                          // nothing
        L"start",                     // unknown word
        L"PRESENT",                   // words are exact
        L"present now",               // too many arguments
        L"setting 10",                // too few
        L"setting ten 3",             // not a number
        L"setting 10 3x",             // trailing garbage
        L"setting 1 99999999999",     // out of range
        L"profile 0",                 // profiles are 1 to 5
        L"profile 6",
        L"set 6 DPI 1",
        L"set 1 DPI=2 1",             // a key that would break the INI line
        L"set 1 [GROUP] 1",
        L"set 1 DPI",
        L"hang",                      // how long
        L"hang 0",                    // 1 to 600 seconds
        L"hang 601",
        L"hang -5",
        L"die-on-apply 1",
    };
    for (const wchar_t* text : invalid) {
        EXPECT_FALSE(SimulatorCommand::Parse(SimulatorCommand::SplitWords(text))) << text;
    }
}

TEST(SimulatorCommand, SplitWordsSkipsRunsOfBlanks) {
    EXPECT_EQ((std::vector<std::wstring>{L"set", L"1", L"DPI", L"2"}),
              SimulatorCommand::SplitWords(L"  set 1\tDPI   2 "));
    EXPECT_TRUE(SimulatorCommand::SplitWords(L"   ").empty());
}
}  // namespace
