#include "companions/SimulatorCommand.h"

#include <cerrno>
#include <climits>
#include <cwchar>
#include <cwctype>
#include <sstream>

namespace {
// Argument letters: P a profile number 1 to 5, K an INI key, I a setting id, N a value, S seconds
// 1 to kMaxHangSeconds.
struct Syntax {
    const wchar_t* name;
    SimulatorCommand::Kind kind;
    const wchar_t* arguments;
};

const Syntax kSyntax[] = {
    {L"present", SimulatorCommand::Kind::Present, L""},
    {L"absent", SimulatorCommand::Kind::Absent, L""},
    {L"setting", SimulatorCommand::Kind::Setting, L"IN"},
    {L"set", SimulatorCommand::Kind::Set, L"PKN"},
    {L"dpi", SimulatorCommand::Kind::Dpi, L""},
    {L"profile", SimulatorCommand::Kind::Profile, L"P"},
    {L"quit", SimulatorCommand::Kind::Quit, L""},
    {L"ignore-applies", SimulatorCommand::Kind::IgnoreApplies, L""},
    {L"hang", SimulatorCommand::Kind::Hang, L"S"},
    {L"die-on-apply", SimulatorCommand::Kind::DieOnApply, L""},
};

constexpr int kMaxHangSeconds = 600;

std::optional<int> ParseNumber(const std::wstring& word) {
    if (word.empty()) return std::nullopt;
    wchar_t* end = nullptr;
    errno = 0;
    long number = std::wcstol(word.c_str(), &end, 10);
    if (*end != L'\0' || errno == ERANGE || number < INT_MIN || number > INT_MAX) return std::nullopt;
    return static_cast<int>(number);
}

bool IsKey(const std::wstring& word) {
    if (word.empty()) return false;
    for (wchar_t c : word) {
        if (!std::iswalnum(c) && c != L'_') return false;
    }
    return true;
}
}  // namespace

std::optional<SimulatorCommand> SimulatorCommand::Parse(const std::vector<std::wstring>& words) {
    if (words.empty()) return std::nullopt;
    for (const Syntax& syntax : kSyntax) {
        if (words[0] != syntax.name) continue;
        if (words.size() != std::wcslen(syntax.arguments) + 1) return std::nullopt;
        SimulatorCommand command;
        command.kind = syntax.kind;
        for (size_t i = 1; i < words.size(); ++i) {
            const std::wstring& word = words[i];
            switch (syntax.arguments[i - 1]) {
            case L'P': {
                std::optional<int> number = ParseNumber(word);
                if (!number || *number < 1 || *number > 5) return std::nullopt;
                command.profile = *number - 1;
                break;
            }
            case L'S': {
                std::optional<int> number = ParseNumber(word);
                if (!number || *number < 1 || *number > kMaxHangSeconds) return std::nullopt;
                command.value = *number;
                break;
            }
            case L'K':
                if (!IsKey(word)) return std::nullopt;
                command.key = word;
                break;
            default: {
                std::optional<int> number = ParseNumber(word);
                if (!number) return std::nullopt;
                (syntax.arguments[i - 1] == L'I' ? command.id : command.value) = *number;
                break;
            }
            }
        }
        return command;
    }
    return std::nullopt;
}

std::vector<std::wstring> SimulatorCommand::SplitWords(const std::wstring& text) {
    std::vector<std::wstring> words;
    std::wistringstream stream(text);
    std::wstring word;
    while (stream >> word) words.push_back(word);
    return words;
}
