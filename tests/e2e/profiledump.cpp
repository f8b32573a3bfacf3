// Prints the five profile files of the data folder as the next load reads them, before any
// repair, for the end-to-end tests: one "name value" line per value.
//
//   GroupID 2
//   1.PollingRate 4                  profile 1 to 5, then the field
//   1.stage1.X 8                     stage 1 to 5: Enabled, X, Y, Linked
//   1.button1.ButtonFunc 1           button 1 to 8: ButtonID, ButtonFunc, LoopNumber, KeyNumber
//
// With --repair it reads such lines from its input instead, into a set prepared as before a
// load (names not given keep those values), and prints the set as the tool's repair leaves it.
// The tests take the rule from here rather than keeping a copy of it.
//
// With --rules it prints the rules themselves, from the tables the repair and the load work from:
//
//   field PollingRate 0 8 2 2        an integer field: lowest and highest value kept (compared as
//                                    unsigned, so -1 is too large), its repair, its factory value
//   missing 1.PollingRate -1         what a load reads for an absent key, value by value
//   stage-codes 2 80                 the lowest and highest DPI code a stage keeps
//   functions 1 2 3 ...              every function code a button keeps
#include "framework/Folders.h"
#include "profile/ProfileFiles.h"
#include "profile/ProfileRules.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <map>
#include <string>
#include <vector>

namespace {
struct Field {
    const char* name;
    std::int32_t ProfileRecord::*member;
};

const Field kFields[] = {
    {"Group", &ProfileRecord::Group},
    {"PollingRate", &ProfileRecord::PollingRate},
    {"DoubleClickSpeed", &ProfileRecord::DoubleClickSpeed},
    {"WheelScrollLines", &ProfileRecord::WheelScrollLines},
    {"UniversalScrollEnabled", &ProfileRecord::UniversalScrollEnabled},
    {"MouseSensitivity", &ProfileRecord::MouseSensitivity},
    {"Acceleration", &ProfileRecord::Acceleration},
    {"XYSensitivityEnabled", &ProfileRecord::XYSensitivityEnabled},
    {"OFASensitivity", &ProfileRecord::OFASensitivity},
    {"MouseSpeedX", &ProfileRecord::MouseSpeedX},
    {"MouseSpeedY", &ProfileRecord::MouseSpeedY},
    {"LedMode1", &ProfileRecord::LedMode1},
    {"LedState1", &ProfileRecord::LedState1},
    {"BreathState1", &ProfileRecord::BreathState1},
    {"FlashState1", &ProfileRecord::FlashState1},
    {"LedDirect1", &ProfileRecord::LedDirect1},
    {"LedColor1", &ProfileRecord::LedColor1},
    {"ANGLE", &ProfileRecord::ANGLE},
    {"LIFT", &ProfileRecord::LIFT},
    {"DPI", &ProfileRecord::DPI},
    {"DPICurrentX", &ProfileRecord::DPICurrentX},
    {"DPICurrentY", &ProfileRecord::DPICurrentY},
    {"DPIStageNum", &ProfileRecord::DPIStageNum},
};

// One printed value: an int32 field or a button byte of the set.
struct Value {
    std::string name;
    std::int32_t* integer;
    std::uint8_t* byte;
};

std::vector<Value> Values(ProfileSet& set) {
    std::vector<Value> values{{"GroupID", &set.GroupID, nullptr}};
    for (int k = 0; k < kProfileCount; ++k) {
        ProfileRecord& record = set.Profiles[static_cast<size_t>(k)];
        const std::string profile = std::to_string(k + 1) + ".";
        for (const Field& field : kFields) values.push_back({profile + field.name, &(record.*field.member), nullptr});
        for (int s = 0; s < kDpiStageCount; ++s) {
            DpiStage& stage = record.DPIStageValue[static_cast<size_t>(s)];
            const std::string prefix = profile + "stage" + std::to_string(s + 1) + ".";
            values.push_back({prefix + "Enabled", &stage.Enabled, nullptr});
            values.push_back({prefix + "X", &stage.X, nullptr});
            values.push_back({prefix + "Y", &stage.Y, nullptr});
            values.push_back({prefix + "Linked", &stage.Linked, nullptr});
        }
        for (int b = 0; b < kButtonCount; ++b) {
            ButtonAssignment& button = record.Buttons[static_cast<size_t>(b)];
            const std::string prefix = profile + "button" + std::to_string(b + 1) + ".";
            values.push_back({prefix + "ButtonID", nullptr, &button.ButtonID});
            values.push_back({prefix + "ButtonFunc", nullptr, &button.ButtonFunc});
            values.push_back({prefix + "LoopNumber", nullptr, &button.LoopNumber});
            values.push_back({prefix + "KeyNumber", nullptr, &button.KeyNumber});
        }
    }
    return values;
}

// "name value" lines; a name the set does not have, or a line without a number, is skipped.
void ReadValues(ProfileSet& set) {
    std::map<std::string, Value> byName;
    for (const Value& value : Values(set)) byName.emplace(value.name, value);
    char line[256];
    while (std::fgets(line, sizeof line, stdin)) {
        char name[128];
        long number = 0;
        if (std::sscanf(line, "%127s %ld", name, &number) != 2) continue;
        const auto found = byName.find(name);
        if (found == byName.end()) continue;
        if (found->second.integer) *found->second.integer = static_cast<std::int32_t>(number);
        if (found->second.byte) *found->second.byte = static_cast<std::uint8_t>(number);
    }
}

int Number(const Value& value) { return value.integer ? *value.integer : int{*value.byte}; }

const char* FieldName(std::int32_t ProfileRecord::*member) {
    for (const Field& field : kFields) {
        if (field.member == member) return field.name;
    }
    return "?";
}

void PrintRules() {
    for (const FieldRule& rule : ProfileFieldRules()) {
        std::printf("field %s %lu %lu %d %d\n", FieldName(rule.field), static_cast<unsigned long>(rule.lowest),
                    static_cast<unsigned long>(rule.highest), rule.repaired, rule.reset);
    }
    // What a load reads from a data folder that holds no files.
    static ProfileSet absent;
    SetProfileDefaults(absent);
    std::wcscpy(DataFolder, L"Q:\\no such folder\\");
    LoadAllProfiles(absent);
    for (const Value& value : Values(absent)) std::printf("missing %s %d\n", value.name.c_str(), Number(value));
    std::printf("stage-codes %d %d\n", kLowestStageCode, kHighestStageCode);
    std::printf("functions");
    for (int code = 0; code <= 255; ++code) {
        if (IsStorableFunction(static_cast<std::uint8_t>(code))) std::printf(" %d", code);
    }
    std::printf("\n");
}
}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc > 1 && std::wcscmp(argv[1], L"--rules") == 0) {
        PrintRules();
        return 0;
    }
    static ProfileSet set;
    SetProfileDefaults(set);
    if (argc > 1 && std::wcscmp(argv[1], L"--repair") == 0) {
        ReadValues(set);
        RepairProfileSet(set);
    } else {
        InitFolders();
        LoadAllProfiles(set);
    }
    for (const Value& value : Values(set)) {
        std::printf("%s %d\n", value.name.c_str(), Number(value));
    }
    return 0;
}
