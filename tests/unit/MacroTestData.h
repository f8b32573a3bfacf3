// Shared by the macro tests: a temporary data folder and event blocks written as hex text.
#pragma once
#include "framework/Folders.h"
#include "macro/MacroEvents.h"
#include "support/TestFolder.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <sstream>
#include <string>

// A fresh folder made the global DataFolder, with the MacroDB folder the tool expects in it.
class MacroDataFolder {
public:
    explicit MacroDataFolder(bool withMacroFolder = true) {
        wcscpy_s(DataFolder, kFolderChars, folder.Path().c_str());
        if (withMacroFolder) ::CreateDirectoryW(MacroFile(L"").c_str(), nullptr);
    }
    std::wstring MacroFile(const std::wstring& name) const { return folder.File(L"MacroDB\\" + name); }

private:
    TestFolder folder;
};

// "84 04 00 06 0C 00" as the first records of an otherwise empty block.
inline MacroEvents Block(const char* hex) {
    MacroEvents events{};
    auto* bytes = reinterpret_cast<unsigned char*>(events.data());
    std::istringstream in(hex);
    std::string pair;
    for (size_t i = 0; i < sizeof(events) && in >> pair; ++i) {
        bytes[i] = static_cast<unsigned char>(std::strtoul(pair.c_str(), nullptr, 16));
    }
    return events;
}

// The first `count` records as "84 04 00 06 0C 00".
inline std::string Hex(const MacroEvents& events, int count = MACRO_EVENTS_MAX) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        const MacroEvent& event = events[i];
        char record[12];
        std::snprintf(record, sizeof(record), "%s%02X %02X %02X", i ? " " : "", event.head, event.code, event.high);
        text += record;
    }
    return text;
}
