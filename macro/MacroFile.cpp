#include "macro/MacroFile.h"

#include "macro/MacroLibrary.h"
#include "profile/IniFile.h"

#include <algorithm>
#include <cwchar>

namespace {
const wchar_t kSection[] = L"Setting";
const wchar_t kEventsKey[] = L"MacroSetting_0";
}  // namespace

std::wstring MacroFilePath(const std::wstring& name) { return MacroFolder() + name + L".MSMACRO"; }

void SaveMacroFile(const std::wstring& path, const MacroSettings& settings) {
    const int count = std::clamp(settings.eventCount, 0, MACRO_EVENTS_MAX);
    MacroEvents events{};
    std::copy(settings.events.begin(), settings.events.begin() + count, events.begin());

    IniFile file(path);
    file.WriteString(kSection, L"MacroFilePath", path.c_str());
    file.WriteInt(kSection, L"LoopTime", LoopCountValue(settings.loopCountText));
    file.WriteInt(kSection, L"LoopType", settings.loopType);
    file.WriteInt(kSection, L"DelayType", settings.delayType);
    file.WriteInt(kSection, L"Count", count);
    file.WriteStruct(kSection, kEventsKey, events.data(), sizeof(events));
}

MacroSettings ReadMacroFile(const std::wstring& name) {
    IniFile file(MacroFilePath(name));
    MacroSettings settings;
    settings.loopCountText = std::to_wstring(file.ReadInt(kSection, L"LoopTime", 1));
    settings.loopType = file.ReadInt(kSection, L"LoopType", 0);
    settings.delayType = file.ReadInt(kSection, L"DelayType", 2);
    file.ReadStruct(kSection, kEventsKey, settings.events.data(), sizeof(settings.events));
    settings.eventCount = CompactListedEvents(settings.events);
    return settings;
}

int ReadMacroLoopTime(const std::wstring& name) {
    return IniFile(MacroFilePath(name)).ReadInt(kSection, L"LoopTime", 1);
}

int LoopCountValue(const std::wstring& text) {
    // wcstol rather than _wtoi: it saturates on overflow instead of being undefined.
    return static_cast<int>(std::wcstol(text.c_str(), nullptr, 10));
}
