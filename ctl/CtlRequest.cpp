#include "ctl/CtlRequest.h"

#include "keys/KeyTables.h"
#include "ui/main/SettingsValues.h"

#include <cerrno>
#include <cwchar>
#include <cwctype>

namespace {
struct CommandName {
    const wchar_t* name;
    CtlCommand command;
};

const CommandName kCommands[] = {
    {L"list", CtlCommand::List},     {L"show", CtlCommand::Show},     {L"switch", CtlCommand::Switch},
    {L"set", CtlCommand::Set},       {L"export", CtlCommand::Export}, {L"import", CtlCommand::Import},
    {L"reset", CtlCommand::Reset},   {L"macros", CtlCommand::Macros}, {L"--help", CtlCommand::Help},
    {L"--version", CtlCommand::Version},
};

// Settings whose value is a plain number in a range: the ranges of the window's sliders.
struct NumberSetting {
    const wchar_t* name;
    CtlSetting setting;
    int low;
    int high;
};

const NumberSetting kNumberSettings[] = {
    {L"acceleration", CtlSetting::Acceleration, 1, 4},
    {L"sensitivity", CtlSetting::Sensitivity, 1, 20},
    {L"scroll-lines", CtlSetting::ScrollLines, 1, 63},
    {L"double-click", CtlSetting::DoubleClick, 1, 10},
};

struct NameSetting {
    const wchar_t* name;
    CtlSetting setting;
};

const NameSetting kNameSettings[] = {
    {L"lighting", CtlSetting::Lighting},
    {L"brightness", CtlSetting::Brightness},
    {L"speed", CtlSetting::Speed},
    {L"direction", CtlSetting::Direction},
};

const wchar_t kSettingsAccepted[] =
    L"polling, stage, acceleration, sensitivity, scroll-lines, double-click, lighting, colour, brightness, "
    L"speed, direction, button";
const wchar_t kModifiersAccepted[] = L"Shift, Ctrl, Win and Alt";

struct Failure {
    std::wstring text;
};

// A whole decimal number, nothing before or after it.
bool ReadNumber(const std::wstring& text, int& number) {
    if (text.empty() || text.size() > 9) return false;
    for (wchar_t c : text) {
        if (!std::iswdigit(c)) return false;
    }
    number = static_cast<int>(std::wcstol(text.c_str(), nullptr, 10));
    return true;
}

int NumberIn(const std::wstring& text, int low, int high, const std::wstring& what) {
    int number = 0;
    if (!ReadNumber(text, number) || number < low || number > high) {
        throw Failure{L"bad " + what + L" '" + text + L"': a number from " + std::to_wstring(low) + L" to " +
                      std::to_wstring(high) + L" is accepted"};
    }
    return number;
}

int ProfileIndex(const std::wstring& text) { return NumberIn(text, 1, kProfileCount, L"profile") - 1; }

class Arguments {
public:
    explicit Arguments(const std::vector<std::wstring>& list) : list(list) {}

    bool More() const { return next < list.size(); }
    const std::wstring& Take(const wchar_t* what, const wchar_t* accepted) {
        if (!More()) throw Failure{std::wstring(L"missing ") + what + L": " + accepted};
        return list[next++];
    }
    void End() const {
        if (More()) throw Failure{L"unexpected '" + list[next] + L"': the command takes nothing more"};
    }

private:
    const std::vector<std::wstring>& list;
    size_t next = 0;
};

int DpiCode(const std::wstring& text) {
    using namespace SettingsValues;
    const int low = DpiNumber(kDpiSliderMin), high = DpiNumber(kDpiSliderMax);
    int number = 0;
    if (!ReadNumber(text, number) || number < low || number > high || number % kDpiStepNumber != 0) {
        throw Failure{L"bad DPI '" + text + L"': " + std::to_wstring(low) + L" to " + std::to_wstring(high) +
                      L" in steps of " + std::to_wstring(kDpiStepNumber) + L" is accepted"};
    }
    return number / kDpiStepNumber;
}

void ParseStage(Arguments& arguments, CtlRequest& request) {
    request.stage = NumberIn(arguments.Take(L"stage", L"1 to 5"), 1, kDpiStageCount, L"stage") - 1;
    const std::wstring what = arguments.Take(L"stage setting", L"x, y, xy, on, off, linked or unlinked");
    struct Choice {
        const wchar_t* name;
        CtlSetting setting;
        StageAxis axis;
        int value;
    };
    const Choice kChoices[] = {
        {L"x", CtlSetting::StageDpi, StageAxis::X, 0},
        {L"y", CtlSetting::StageDpi, StageAxis::Y, 0},
        {L"xy", CtlSetting::StageDpi, StageAxis::XY, 0},
        {L"on", CtlSetting::StageEnabled, StageAxis::XY, 1},
        {L"off", CtlSetting::StageEnabled, StageAxis::XY, 0},
        {L"linked", CtlSetting::StageLinked, StageAxis::XY, 1},
        {L"unlinked", CtlSetting::StageLinked, StageAxis::XY, 0},
    };
    for (const Choice& choice : kChoices) {
        if (what != choice.name) continue;
        request.setting = choice.setting;
        request.axis = choice.axis;
        request.value = choice.value;
        if (choice.setting == CtlSetting::StageDpi) request.value = DpiCode(arguments.Take(L"DPI", L"200 to 8000"));
        return;
    }
    throw Failure{L"unknown stage setting '" + what + L"': x, y, xy, on, off, linked or unlinked is accepted"};
}

std::uint8_t KeyUsage(const std::wstring& name) {
    std::uint8_t hid = 0;
    if (!HidFromKeyName(name, hid)) {
        throw Failure{L"unknown key '" + name + L"': a key name as the tool shows it (A, F5, Space, Num 1...) is accepted"};
    }
    return hid;
}

std::wstring Trimmed(const std::wstring& text) {
    const size_t first = text.find_first_not_of(L' ');
    if (first == std::wstring::npos) return L"";
    return text.substr(first, text.find_last_not_of(L' ') - first + 1);
}

// Key names joined by '+', with or without spaces around it ("Ctrl+C", "Ctrl + C"). A name may
// hold a '+' itself ("Num+"): each key is the shortest piece up to a '+' that names a key.
std::vector<std::uint8_t> CombinationKeys(const std::wstring& text) {
    std::vector<std::uint8_t> keys;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = start;
        std::uint8_t hid = 0;
        bool found = false;
        while (!found && end < text.size()) {
            end = text.find(L'+', end + 1);
            if (end == std::wstring::npos) end = text.size();
            found = HidFromKeyName(Trimmed(text.substr(start, end - start)), hid);
        }
        if (!found) KeyUsage(Trimmed(text.substr(start)));
        keys.push_back(hid);
        start = end + 1;
    }
    if (keys.size() < 2 || keys.size() > 5) {
        throw Failure{L"bad combination '" + text + L"': two to five keys joined by +, up to four of them " +
                      kModifiersAccepted + L", are accepted"};
    }
    return keys;
}

void ParseFunction(Arguments& arguments, FunctionRequest& function) {
    const wchar_t kAccepted[] =
        L"a function's name (\"Right click\", \"DPI up\"...), key NAME, keys NAME+NAME, macro NAME or "
        L"fire KEY COUNT SPEED";
    const std::wstring first = arguments.Take(L"function", kAccepted);
    if (first == L"key") {
        function.kind = FunctionKind::Key;
        function.keys = {KeyUsage(arguments.Take(L"key name", L"a key name such as A or F5"))};
    } else if (first == L"keys") {
        function.kind = FunctionKind::Combination;
        function.text = arguments.Take(L"key names", L"keys such as Ctrl+C");
        function.keys = CombinationKeys(function.text);
    } else if (first == L"macro") {
        function.kind = FunctionKind::Macro;
        function.text = arguments.Take(L"macro name", L"a name of the macro library (see macros)");
    } else if (first == L"fire") {
        function.kind = FunctionKind::Fire;
        function.text = arguments.Take(L"fire key", L"Left, Right, Middle or a key name");
        function.count = NumberIn(arguments.Take(L"repeat count", L"0 to 255"), 0, kFireNumberMax, L"repeat count");
        function.speed = NumberIn(arguments.Take(L"speed", L"0 to 255"), 0, kFireNumberMax, L"speed");
    } else {
        function.kind = FunctionKind::Named;
        function.text = first;
    }
}

int PollingCode(const std::wstring& text) {
    int hertz = 0;
    if (ReadNumber(text, hertz)) {
        for (int code : kPollingCodes) {
            if (PollingHertz(code) == hertz) return code;
        }
    }
    throw Failure{L"bad polling rate '" + text + L"': 125, 250, 500 or 1000 is accepted"};
}

int ColourValue(const std::wstring& text) {
    bool hex = text.size() == 6;
    for (wchar_t c : text) hex = hex && std::iswxdigit(c);
    if (!hex) throw Failure{L"bad colour '" + text + L"': six hexadecimal digits RRGGBB are accepted"};
    const long rgb = std::wcstol(text.c_str(), nullptr, 16);
    return static_cast<int>(SettingsValues::ColorFromComponents(rgb >> 16, rgb >> 8, rgb));
}

void ParseSetting(Arguments& arguments, CtlRequest& request) {
    const std::wstring name = arguments.Take(L"setting", kSettingsAccepted);
    if (name == L"polling") {
        request.setting = CtlSetting::Polling;
        request.value = PollingCode(arguments.Take(L"polling rate", L"125, 250, 500 or 1000"));
        return;
    }
    if (name == L"stage") return ParseStage(arguments, request);
    if (name == L"colour" || name == L"color") {
        request.setting = CtlSetting::Colour;
        request.value = ColourValue(arguments.Take(L"colour", L"RRGGBB"));
        return;
    }
    if (name == L"button") {
        request.setting = CtlSetting::Button;
        request.button = NumberIn(arguments.Take(L"button", L"1 to 8"), 1, kButtonCount, L"button") - 1;
        return ParseFunction(arguments, request.function);
    }
    for (const NumberSetting& setting : kNumberSettings) {
        if (name != setting.name) continue;
        request.setting = setting.setting;
        const std::wstring range = std::to_wstring(setting.low) + L" to " + std::to_wstring(setting.high);
        request.value = NumberIn(arguments.Take(setting.name, range.c_str()), setting.low, setting.high, name);
        return;
    }
    for (const NameSetting& setting : kNameSettings) {
        if (name != setting.name) continue;
        request.setting = setting.setting;
        request.text = arguments.Take(setting.name, L"a name as the tool shows it");
        return;
    }
    throw Failure{L"unknown setting '" + name + L"': " + kSettingsAccepted + L" is accepted"};
}

CtlCommand CommandOf(const std::wstring& name) {
    for (const CommandName& command : kCommands) {
        if (name == command.name) return command.command;
    }
    throw Failure{L"unknown command '" + name +
                  L"': list, show, switch, set, export, import, reset, macros, --help or --version is accepted"};
}

CtlRequest Parse(const std::vector<std::wstring>& list) {
    std::vector<std::wstring> rest;
    CtlRequest request;
    for (const std::wstring& argument : list) {
        if (argument == L"--json") {
            request.json = true;
        } else {
            rest.push_back(argument);
        }
    }
    Arguments arguments(rest);
    if (!arguments.More()) throw Failure{L"missing command: list, show, switch, set, export, import, reset, macros or --help"};
    request.command = CommandOf(arguments.Take(L"command", L""));
    switch (request.command) {
    case CtlCommand::Show:
        if (arguments.More()) request.profile = ProfileIndex(arguments.Take(L"profile", L"1 to 5"));
        break;
    case CtlCommand::Switch:
        request.profile = ProfileIndex(arguments.Take(L"profile", L"1 to 5"));
        break;
    case CtlCommand::Set:
        request.profile = ProfileIndex(arguments.Take(L"profile", L"1 to 5"));
        ParseSetting(arguments, request);
        break;
    case CtlCommand::Export:
    case CtlCommand::Import:
        request.profile = ProfileIndex(arguments.Take(L"profile", L"1 to 5"));
        request.path = arguments.Take(L"file", L"the path of a .pfd file");
        break;
    case CtlCommand::Reset: {
        const std::wstring which = arguments.Take(L"profile", L"1 to 5 or all");
        if (which != L"all") request.profile = ProfileIndex(which);
        break;
    }
    default:
        break;
    }
    arguments.End();
    const bool listing = request.command == CtlCommand::List || request.command == CtlCommand::Show ||
                         request.command == CtlCommand::Macros;
    if (request.json && !listing) throw Failure{L"--json: accepted with list, show and macros only"};
    return request;
}
}  // namespace

ParsedRequest ParseCtlArguments(const std::vector<std::wstring>& arguments) {
    ParsedRequest parsed;
    try {
        parsed.request = Parse(arguments);
        parsed.ok = true;
    } catch (const Failure& failure) {
        parsed.error = failure.text;
    }
    return parsed;
}
