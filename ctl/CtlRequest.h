// The command line of OrvaneCtl read into a request: which command, which profile, which
// setting and value. Everything that needs no file is checked here (numbers and their ranges,
// key names); names that the localisation files or the macro library give are checked when the
// request runs.
#pragma once
#include "profile/ProfileSet.h"

#include <cstdint>
#include <string>
#include <vector>

enum class CtlCommand { Help, Version, List, Show, Switch, Set, Export, Import, Reset, Macros };

enum class CtlSetting {
    Polling,       // value: polling rate code
    StageDpi,      // stage, axis, value: DPI code
    StageEnabled,  // stage, value 0 or 1
    StageLinked,   // stage, value 0 or 1
    Acceleration,
    Sensitivity,
    ScrollLines,
    DoubleClick,
    Lighting,    // text: the mode's name
    Colour,      // value: 0x00BBGGRR
    Brightness,  // text
    Speed,       // text
    Direction,   // text
    Button,      // button, function
};

enum class StageAxis { X, Y, XY };

enum class FunctionKind {
    Named,        // text: a function's display name
    Key,          // keys: one HID usage
    Combination,  // keys: the HID usages in the order given
    Macro,        // text: the macro's name
    Fire,         // text: the fire key's name (a mouse button's or a key's), count, speed
};

struct FunctionRequest {
    FunctionKind kind = FunctionKind::Named;
    std::wstring text;
    std::vector<std::uint8_t> keys;
    int count = 0;
    int speed = 0;
};

struct CtlRequest {
    CtlCommand command = CtlCommand::Help;
    bool json = false;
    int profile = -1;  // 0 to 4; -1: the active one (show) or all five (reset)
    CtlSetting setting = CtlSetting::Polling;
    int stage = 0;   // 0 to 4
    StageAxis axis = StageAxis::XY;
    int button = 0;  // 0 to 7
    int value = 0;
    std::wstring text;  // a setting's value name
    FunctionRequest function;
    std::wstring path;  // export and import
};

struct ParsedRequest {
    bool ok = false;
    CtlRequest request;
    std::wstring error;  // one line: the problem and what is accepted
};

// `arguments` without the program's name.
ParsedRequest ParseCtlArguments(const std::vector<std::wstring>& arguments);

// Ranges the command line accepts, the same as the sliders and fields of the window.
constexpr int kDpiStepNumber = 100;
constexpr int kFireNumberMax = 255;

// Reports a second of a polling rate code: the code is the report interval in milliseconds.
constexpr int PollingHertz(int code) { return code > 0 ? 1000 / code : 0; }
