#include "macro/MacroFile.h"

#include "macro/MacroLibrary.h"
#include "profile/IniFile.h"

#include <algorithm>
#include <cwchar>

namespace {
const wchar_t kSection[] = L"Setting";
const wchar_t kEventsKey[] = L"MacroSetting_0";
constexpr int kMissingLoopTime = 1;
}  // namespace

std::wstring MacroFilePath(const std::wstring& name) {
    if (!MacroLibrary::IsMacroFileName(name)) return L"";
    return MacroFolder() + name + L".MSMACRO";
}

bool SaveMacroFile(const std::wstring& path, const MacroSettings& settings) {
    // An empty path would make the system's profile functions use a file of the Windows folder.
    if (path.empty()) return false;
    const int count = std::clamp(settings.eventCount, 0, MACRO_EVENTS_MAX);
    MacroEvents events{};
    std::copy(settings.events.begin(), settings.events.begin() + count, events.begin());

    return ReplaceIniFile(path, [&](const IniFile& file) {
        bool written = file.WriteString(kSection, L"MacroFilePath", path.c_str());
        written &= file.WriteInt(kSection, L"LoopTime", LoopCountValue(settings.loopCountText));
        written &= file.WriteInt(kSection, L"LoopType", settings.loopType);
        written &= file.WriteInt(kSection, L"DelayType", settings.delayType);
        written &= file.WriteInt(kSection, L"Count", count);
        written &= file.WriteStruct(kSection, kEventsKey, events.data(), sizeof(events));
        return written;
    });
}

MacroSettings ReadMacroFile(const std::wstring& name) {
    const std::wstring path = MacroFilePath(name);
    MacroSettings settings;
    if (path.empty()) return settings;
    IniFile file(path);
    settings.loopCountText = std::to_wstring(file.ReadInt(kSection, L"LoopTime", kMissingLoopTime));
    settings.loopType = file.ReadInt(kSection, L"LoopType", 0);
    settings.delayType = file.ReadInt(kSection, L"DelayType", 2);
    file.ReadStruct(kSection, kEventsKey, settings.events.data(), sizeof(settings.events));
    settings.eventCount = CompactListedEvents(settings.events);
    return settings;
}

int ReadMacroLoopTime(const std::wstring& name) {
    const std::wstring path = MacroFilePath(name);
    return path.empty() ? kMissingLoopTime : IniFile(path).ReadInt(kSection, L"LoopTime", kMissingLoopTime);
}

void DeleteMacroFile(const std::wstring& name) {
    const std::wstring path = MacroFilePath(name);
    if (!path.empty()) ::DeleteFileW(path.c_str());
}

int LoopCountValue(const std::wstring& text) {
    // wcstol rather than _wtoi: it saturates on overflow instead of being undefined.
    return static_cast<int>(std::wcstol(text.c_str(), nullptr, 10));
}
