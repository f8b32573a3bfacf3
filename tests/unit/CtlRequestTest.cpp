#include "ctl/CtlRequest.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {
std::vector<std::wstring> Words(const std::wstring& line) {
    std::wistringstream stream(line);
    std::vector<std::wstring> words;
    for (std::wstring word; stream >> word;) words.push_back(word);
    return words;
}

ParsedRequest Parse(const std::wstring& line) { return ParseCtlArguments(Words(line)); }

TEST(CtlRequest, Commands) {
    struct Case {
        const wchar_t* line;
        CtlCommand command;
        int profile;
        bool json;
    };
    const Case cases[] = {
        {L"list", CtlCommand::List, -1, false},          {L"list --json", CtlCommand::List, -1, true},
        {L"--json list", CtlCommand::List, -1, true},    {L"show", CtlCommand::Show, -1, false},
        {L"show 3 --json", CtlCommand::Show, 2, true},   {L"switch 5", CtlCommand::Switch, 4, false},
        {L"reset 1", CtlCommand::Reset, 0, false},       {L"reset all", CtlCommand::Reset, -1, false},
        {L"macros --json", CtlCommand::Macros, -1, true}, {L"--help", CtlCommand::Help, -1, false},
        {L"--version", CtlCommand::Version, -1, false},
    };
    for (const Case& c : cases) {
        const ParsedRequest parsed = Parse(c.line);
        ASSERT_TRUE(parsed.ok) << c.line << ": " << parsed.error;
        EXPECT_EQ(c.command, parsed.request.command) << c.line;
        EXPECT_EQ(c.profile, parsed.request.profile) << c.line;
        EXPECT_EQ(c.json, parsed.request.json) << c.line;
    }
}

TEST(CtlRequest, ExportAndImportTakeAFile) {
    const ParsedRequest exported = ParseCtlArguments({L"export", L"2", L"C:\\backup\\my profile.pfd"});
    ASSERT_TRUE(exported.ok) << exported.error;
    EXPECT_EQ(CtlCommand::Export, exported.request.command);
    EXPECT_EQ(1, exported.request.profile);
    EXPECT_EQ(L"C:\\backup\\my profile.pfd", exported.request.path);
    const ParsedRequest imported = ParseCtlArguments({L"import", L"5", L"x.pfd"});
    ASSERT_TRUE(imported.ok) << imported.error;
    EXPECT_EQ(CtlCommand::Import, imported.request.command);
    EXPECT_EQ(4, imported.request.profile);
}

TEST(CtlRequest, EverySettingWithGoodValues) {
    struct Case {
        const wchar_t* line;
        CtlSetting setting;
        int value;
        int stage;
        StageAxis axis;
    };
    const StageAxis xy = StageAxis::XY;
    const Case cases[] = {
        {L"set 1 polling 125", CtlSetting::Polling, 8, 0, xy},
        {L"set 1 polling 250", CtlSetting::Polling, 4, 0, xy},
        {L"set 1 polling 500", CtlSetting::Polling, 2, 0, xy},
        {L"set 1 polling 1000", CtlSetting::Polling, 1, 0, xy},
        {L"set 1 stage 1 x 200", CtlSetting::StageDpi, 2, 0, StageAxis::X},
        {L"set 1 stage 5 y 8000", CtlSetting::StageDpi, 80, 4, StageAxis::Y},
        {L"set 1 stage 3 xy 1600", CtlSetting::StageDpi, 16, 2, xy},
        {L"set 1 stage 2 on", CtlSetting::StageEnabled, 1, 1, xy},
        {L"set 1 stage 2 off", CtlSetting::StageEnabled, 0, 1, xy},
        {L"set 1 stage 4 linked", CtlSetting::StageLinked, 1, 3, xy},
        {L"set 1 stage 4 unlinked", CtlSetting::StageLinked, 0, 3, xy},
        {L"set 2 acceleration 1", CtlSetting::Acceleration, 1, 0, xy},
        {L"set 2 acceleration 4", CtlSetting::Acceleration, 4, 0, xy},
        {L"set 2 sensitivity 1", CtlSetting::Sensitivity, 1, 0, xy},
        {L"set 2 sensitivity 20", CtlSetting::Sensitivity, 20, 0, xy},
        {L"set 2 scroll-lines 1", CtlSetting::ScrollLines, 1, 0, xy},
        {L"set 2 scroll-lines 63", CtlSetting::ScrollLines, 63, 0, xy},
        {L"set 2 double-click 1", CtlSetting::DoubleClick, 1, 0, xy},
        {L"set 2 double-click 10", CtlSetting::DoubleClick, 10, 0, xy},
        {L"set 3 colour FF8000", CtlSetting::Colour, 0x0080FF, 0, xy},
        {L"set 3 colour 0000ff", CtlSetting::Colour, 0xFF0000, 0, xy},
        {L"set 3 color 123456", CtlSetting::Colour, 0x563412, 0, xy},
    };
    for (const Case& c : cases) {
        const ParsedRequest parsed = Parse(c.line);
        ASSERT_TRUE(parsed.ok) << c.line << ": " << parsed.error;
        EXPECT_EQ(CtlCommand::Set, parsed.request.command) << c.line;
        EXPECT_EQ(c.setting, parsed.request.setting) << c.line;
        EXPECT_EQ(c.value, parsed.request.value) << c.line;
        EXPECT_EQ(c.stage, parsed.request.stage) << c.line;
        EXPECT_EQ(c.axis, parsed.request.axis) << c.line;
    }
}

TEST(CtlRequest, NamedSettingsKeepTheirName) {
    const std::pair<const wchar_t*, CtlSetting> cases[] = {
        {L"lighting", CtlSetting::Lighting}, {L"brightness", CtlSetting::Brightness},
        {L"speed", CtlSetting::Speed},       {L"direction", CtlSetting::Direction},
    };
    for (const auto& [name, setting] : cases) {
        const ParsedRequest parsed = ParseCtlArguments({L"set", L"4", name, L"Some Name"});
        ASSERT_TRUE(parsed.ok) << name << ": " << parsed.error;
        EXPECT_EQ(setting, parsed.request.setting) << name;
        EXPECT_EQ(L"Some Name", parsed.request.text) << name;
    }
}

TEST(CtlRequest, ButtonFunctions) {
    struct Case {
        std::vector<std::wstring> arguments;
        int button;
        FunctionKind kind;
        std::wstring text;
        std::vector<std::uint8_t> keys;
        int count;
        int speed;
    };
    const Case cases[] = {
        {{L"set", L"1", L"button", L"2", L"Right click"}, 1, FunctionKind::Named, L"Right click", {}, 0, 0},
        {{L"set", L"1", L"button", L"8", L"DPI up"}, 7, FunctionKind::Named, L"DPI up", {}, 0, 0},
        {{L"set", L"1", L"button", L"3", L"key", L"F5"}, 2, FunctionKind::Key, L"", {0x3E}, 0, 0},
        {{L"set", L"1", L"button", L"3", L"keys", L"Ctrl+C"}, 2, FunctionKind::Combination, L"Ctrl+C", {0xE0, 0x06}, 0, 0},
        {{L"set", L"1", L"button", L"3", L"keys", L"Shift+Alt+Num 1"}, 2, FunctionKind::Combination,
         L"Shift+Alt+Num 1", {0xE1, 0xE2, 0x59}, 0, 0},
        {{L"set", L"1", L"button", L"4", L"keys", L"Ctrl+Num+"}, 3, FunctionKind::Combination, L"Ctrl+Num+", {0xE0, 0x57}, 0, 0},
        {{L"set", L"1", L"button", L"4", L"keys", L"Num+ + Ctrl"}, 3, FunctionKind::Combination, L"Num+ + Ctrl", {0x57, 0xE0}, 0, 0},
        {{L"set", L"1", L"button", L"5", L"macro", L"Combo 1"}, 4, FunctionKind::Macro, L"Combo 1", {}, 0, 0},
        {{L"set", L"1", L"button", L"6", L"fire", L"Left", L"3", L"0"}, 5, FunctionKind::Fire, L"Left", {}, 3, 0},
        {{L"set", L"1", L"button", L"6", L"fire", L"A", L"255", L"255"}, 5, FunctionKind::Fire, L"A", {}, 255, 255},
    };
    for (const Case& c : cases) {
        const ParsedRequest parsed = ParseCtlArguments(c.arguments);
        ASSERT_TRUE(parsed.ok) << c.arguments.back() << ": " << parsed.error;
        EXPECT_EQ(CtlSetting::Button, parsed.request.setting);
        EXPECT_EQ(c.button, parsed.request.button);
        const FunctionRequest& function = parsed.request.function;
        EXPECT_EQ(c.kind, function.kind) << c.arguments.back();
        EXPECT_EQ(c.text, function.text);
        EXPECT_EQ(c.keys, function.keys) << c.arguments.back();
        EXPECT_EQ(c.count, function.count);
        EXPECT_EQ(c.speed, function.speed);
    }
}

// Each bad line is refused with one line that names the problem and says what is accepted.
TEST(CtlRequest, BadInput) {
    struct Case {
        std::vector<std::wstring> arguments;
        const wchar_t* named;  // a word the message must hold
    };
    const Case cases[] = {
        {{}, L"missing command"},
        {{L"frobnicate"}, L"'frobnicate'"},
        {{L"list", L"2"}, L"unexpected '2'"},
        {{L"show", L"0"}, L"profile '0'"},
        {{L"show", L"6"}, L"profile '6'"},
        {{L"show", L"-1"}, L"profile '-1'"},
        {{L"switch"}, L"missing profile"},
        {{L"switch", L"one"}, L"profile 'one'"},
        {{L"switch", L"1", L"2"}, L"unexpected"},
        {{L"switch", L"1", L"--json"}, L"--json"},
        {{L"set", L"1"}, L"missing setting"},
        {{L"set", L"1", L"volume", L"3"}, L"unknown setting 'volume'"},
        {{L"set", L"1", L"polling"}, L"missing polling rate"},
        {{L"set", L"1", L"polling", L"300"}, L"polling rate '300'"},
        {{L"set", L"1", L"polling", L"8"}, L"polling rate '8'"},
        {{L"set", L"1", L"stage", L"0", L"on"}, L"stage '0'"},
        {{L"set", L"1", L"stage", L"6", L"on"}, L"stage '6'"},
        {{L"set", L"1", L"stage", L"1", L"z", L"800"}, L"stage setting 'z'"},
        {{L"set", L"1", L"stage", L"1", L"x", L"100"}, L"DPI '100'"},
        {{L"set", L"1", L"stage", L"1", L"x", L"8100"}, L"DPI '8100'"},
        {{L"set", L"1", L"stage", L"1", L"x", L"850"}, L"steps of 100"},
        {{L"set", L"1", L"stage", L"1", L"xy"}, L"missing DPI"},
        {{L"set", L"1", L"acceleration", L"0"}, L"acceleration '0'"},
        {{L"set", L"1", L"acceleration", L"5"}, L"1 to 4"},
        {{L"set", L"1", L"sensitivity", L"21"}, L"1 to 20"},
        {{L"set", L"1", L"scroll-lines", L"64"}, L"1 to 63"},
        {{L"set", L"1", L"double-click", L"0"}, L"1 to 10"},
        {{L"set", L"1", L"double-click", L"5x"}, L"double-click '5x'"},
        {{L"set", L"1", L"colour", L"FF00"}, L"RRGGBB"},
        {{L"set", L"1", L"colour", L"GG0000"}, L"RRGGBB"},
        {{L"set", L"1", L"button", L"9", L"Right click"}, L"button '9'"},
        {{L"set", L"1", L"button", L"1"}, L"missing function"},
        {{L"set", L"1", L"button", L"1", L"key", L"F13"}, L"unknown key 'F13'"},
        {{L"set", L"1", L"button", L"1", L"keys", L"Ctrl"}, L"two to five keys"},
        {{L"set", L"1", L"button", L"1", L"keys", L"Ctrl+Nothing"}, L"unknown key 'Nothing'"},
        {{L"set", L"1", L"button", L"1", L"keys", L"Ctrl+Shift+Alt+Win+A+B"}, L"two to five keys"},
        {{L"set", L"1", L"button", L"1", L"macro"}, L"missing macro name"},
        {{L"set", L"1", L"button", L"1", L"fire", L"Left", L"256", L"0"}, L"repeat count '256'"},
        {{L"set", L"1", L"button", L"1", L"fire", L"Left", L"3"}, L"missing speed"},
        {{L"set", L"1", L"button", L"1", L"fire", L"Left", L"3", L"-1"}, L"speed '-1'"},
        {{L"export", L"1"}, L"missing file"},
        {{L"import", L"7", L"x.pfd"}, L"profile '7'"},
        {{L"reset"}, L"1 to 5 or all"},
        {{L"reset", L"everything"}, L"profile 'everything'"},
        {{L"set", L"1", L"polling", L"500", L"--json"}, L"--json"},
    };
    for (const Case& c : cases) {
        const ParsedRequest parsed = ParseCtlArguments(c.arguments);
        EXPECT_FALSE(parsed.ok) << c.named;
        EXPECT_NE(std::wstring::npos, parsed.error.find(c.named)) << parsed.error;
        EXPECT_NE(std::wstring::npos, parsed.error.find(L": ")) << "says what is accepted: " << parsed.error;
        EXPECT_EQ(std::wstring::npos, parsed.error.find(L'\n')) << parsed.error;
    }
}
}  // namespace
