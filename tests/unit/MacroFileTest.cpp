#include "macro/MacroFile.h"

#include "MacroTestData.h"
#include "macro/MacroLibrary.h"
#include "profile/IniFile.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {
std::string Narrow(const std::wstring& text) {
    std::string narrow;
    for (wchar_t c : text) narrow.push_back(static_cast<char>(c));
    return narrow;
}

// The text of a binary value: each byte as two hex digits, then the sum of the bytes.
std::string StructText(const MacroEvents& events) {
    std::string text;
    unsigned sum = 0;
    char digits[3];
    for (unsigned char byte : std::string(reinterpret_cast<const char*>(events.data()), sizeof(events))) {
        std::snprintf(digits, sizeof(digits), "%02X", byte);
        text += digits;
        sum += byte;
    }
    std::snprintf(digits, sizeof(digits), "%02X", sum & 0xFF);
    return text + digits;
}

MacroSettings Settings(const wchar_t* loopCount, int loopType, int delayType, const char* block, int count) {
    MacroSettings settings;
    settings.loopCountText = loopCount;
    settings.loopType = loopType;
    settings.delayType = delayType;
    settings.events = Block(block);
    settings.eventCount = count;
    return settings;
}

TEST(MacroFile, PathInTheMacroFolder) {
    MacroDataFolder folder;
    EXPECT_EQ(folder.MacroFile(L"Jump.MSMACRO"), MacroFilePath(L"Jump"));
    EXPECT_EQ(std::wstring(DataFolder) + L"MacroDB\\Jump.MSMACRO", MacroFilePath(L"Jump"));
}

// A library written elsewhere may name macros with paths. None of them may lead a read, a write
// or a delete out of the macro folder, or into a folder of it.
TEST(MacroFile, NamesThatAreNotPlainFileNamesHaveNoFile) {
    MacroDataFolder folder;
    ::CreateDirectoryW(folder.MacroFile(L"sub").c_str(), nullptr);
    const std::string planted = "[Setting]\r\nLoopTime=7\r\nLoopType=1\r\n";
    const std::wstring plantedFiles[] = {folder.MacroFile(L"..\\outside.MSMACRO"), folder.MacroFile(L"sub\\z.MSMACRO"),
                                         folder.MacroFile(L"Good.MSMACRO")};
    for (const std::wstring& file : plantedFiles) TestFolder::WriteBytes(file, planted);
    MacroLibrary().WriteMacroList({L"..\\outside", L"..\\..\\x", L"C:\\y", L"sub\\z", L"Good"});
    const std::vector<std::wstring> names = MacroLibrary().ReadMacroList();
    ASSERT_EQ(5u, names.size());

    for (const std::wstring& name : names) {
        const bool plain = name == L"Good";
        EXPECT_EQ(plain, !MacroFilePath(name).empty()) << Narrow(name);
        const MacroSettings read = ReadMacroFile(name);
        EXPECT_EQ(plain ? L"7" : L"1", read.loopCountText) << Narrow(name);
        EXPECT_EQ(plain ? 1 : 0, read.loopType) << Narrow(name);
        EXPECT_EQ(plain ? 7 : 1, ReadMacroLoopTime(name)) << Narrow(name);
        SaveMacroFile(MacroFilePath(name), Settings(L"9", 0, 0, "84 04 00", 1));
        DeleteMacroFile(name);
    }
    EXPECT_EQ(planted, TestFolder::ReadBytes(plantedFiles[0]));
    EXPECT_EQ(planted, TestFolder::ReadBytes(plantedFiles[1]));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW(plantedFiles[2].c_str())) << "a plain name is deleted";
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW(L"C:\\y.MSMACRO"));
}

// Written by an earlier version or the device service: a name the editor would not give a new
// macro, which still has its file to read, write and delete.
TEST(MacroFile, NamesANewMacroCouldNotTakeKeepTheirFile) {
    MacroDataFolder folder;
    for (const std::wstring& name : {std::wstring(30, L'n'), std::wstring(L"\x10D0\x10D1"), std::wstring(L"'q'")}) {
        ASSERT_FALSE(MacroLibrary::IsValidMacroName(name));
        const std::wstring path = MacroFilePath(name);
        ASSERT_EQ(folder.MacroFile(name + L".MSMACRO"), path);
        SaveMacroFile(path, Settings(L"9", 1, 0, "84 04 00", 1));
        EXPECT_EQ(L"9", ReadMacroFile(name).loopCountText);
        EXPECT_EQ(1, ReadMacroFile(name).loopType);
        EXPECT_EQ(1, ReadMacroFile(name).eventCount);
        EXPECT_EQ(9, ReadMacroLoopTime(name));
        DeleteMacroFile(name);
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW(path.c_str())) << "deleted";
    }
}

TEST(MacroFile, KeyDownDelayKeyUpAsStored) {
    MacroDataFolder folder;
    const std::wstring path = MacroFilePath(L"Jump");
    SaveMacroFile(path, Settings(L"1", 0, 0, "84 04 00 06 0C 00 04 04 00", 3));

    const std::string expected = "[Setting]\r\nMacroFilePath=" + Narrow(path) +
                                 "\r\nLoopTime=1\r\nLoopType=0\r\nDelayType=0\r\nCount=3\r\n"
                                 "MacroSetting_0=840400060C00040400" + std::string(360, '0') + "A2\r\n";
    EXPECT_EQ(expected, TestFolder::ReadBytes(path));

    MacroSettings read = ReadMacroFile(L"Jump");
    EXPECT_EQ(3, read.eventCount);
    EXPECT_EQ("84 04 00 06 0C 00 04 04 00", Hex(read.events, 3));
    EXPECT_EQ(120, TotalPlayingTime(read.events));
}

TEST(MacroFile, WhatIsSavedReadsBack) {
    MacroEvents full{};
    full.fill(MacroEvent::Delay(65530));
    const MacroSettings cases[] = {
        Settings(L"1", 0, 2, "", 0),
        Settings(L"5", 1, 1, "81 01 00 01 01 00", 2),
        Settings(L"255", 2, 0, "06 99 19 84 E3 00 04 E3 00", 3),
        Settings(L"12", 0, 2, "", 0),
    };
    MacroDataFolder folder;
    for (MacroSettings saved : cases) {
        SaveMacroFile(MacroFilePath(L"Round"), saved);
        MacroSettings read = ReadMacroFile(L"Round");
        EXPECT_EQ(saved.loopCountText, read.loopCountText);
        EXPECT_EQ(saved.loopType, read.loopType);
        EXPECT_EQ(saved.delayType, read.delayType);
        EXPECT_EQ(saved.eventCount, read.eventCount);
        EXPECT_EQ(Hex(saved.events), Hex(read.events));
    }

    MacroSettings longest;
    longest.events = full;
    longest.eventCount = MACRO_EVENTS_MAX;
    SaveMacroFile(MacroFilePath(L"Long"), longest);
    MacroSettings read = ReadMacroFile(L"Long");
    EXPECT_EQ(MACRO_EVENTS_MAX, read.eventCount);
    EXPECT_EQ(Hex(full), Hex(read.events));
    EXPECT_EQ(MACRO_EVENTS_MAX * 65530, TotalPlayingTime(read.events));
}

TEST(MacroFile, OnlyTheEventsInUseAreWritten) {
    struct CountCase {
        int eventCount;
        int storedCount;
    };
    const CountCase cases[] = {{1, 1}, {0, 0}, {-3, 0}, {MACRO_EVENTS_MAX + 7, MACRO_EVENTS_MAX}};
    MacroDataFolder folder;
    MacroEvents full{};
    full.fill(MacroEvent::Press(EVENT_KEY, 0x04));
    for (const CountCase& c : cases) {
        MacroSettings settings;
        settings.events = full;
        settings.eventCount = c.eventCount;
        SaveMacroFile(MacroFilePath(L"Count"), settings);

        IniFile file(MacroFilePath(L"Count"));
        EXPECT_EQ(c.storedCount, file.ReadInt(L"Setting", L"Count", -1)) << c.eventCount;
        MacroSettings read = ReadMacroFile(L"Count");
        EXPECT_EQ(c.storedCount, read.eventCount) << c.eventCount;
    }
}

TEST(MacroFile, LoopCountTextIsReadAsADecimal) {
    struct LoopCase {
        const wchar_t* text;
        int value;
    };
    const LoopCase cases[] = {
        {L"12", 12}, {L"  7", 7}, {L"3x", 3}, {L"x3", 0}, {L"", 0}, {L"255", 255},
        {L"+5", 5},  {L"-4", -4}, {L"99999999999", INT_MAX},
    };
    for (const LoopCase& c : cases) EXPECT_EQ(c.value, LoopCountValue(c.text)) << c.text;

    MacroDataFolder folder;
    SaveMacroFile(MacroFilePath(L"Loop"), Settings(L" 42 times", 0, 2, "", 0));
    EXPECT_EQ(42, ReadMacroLoopTime(L"Loop"));
}

TEST(MacroFile, DamagedOrForeignFilesReadSafely) {
    const MacroEvents keyPair = Block("84 04 00 04 04 00");
    std::string damagedSum = StructText(keyPair);
    damagedSum.back() = damagedSum.back() == '0' ? '1' : '0';
    struct DamageCase {
        std::string file;  // empty: no file
        const wchar_t* loopCount;
        int loopType;
        int delayType;
        const char* events;
        int count;
    };
    const DamageCase cases[] = {
        {"", L"1", 0, 2, "", 0},
        {"[Setting]\r\nLoopTime=5\r\nLoopType=1\r\n", L"5", 1, 2, "", 0},
        {"[Setting]\r\nLoopTime=abc\r\nLoopType=7\r\nDelayType=-1\r\n", L"0", 7, -1, "", 0},
        {"[Setting]\r\nMacroSetting_0=" + StructText(keyPair) + "\r\n", L"1", 0, 2, "84 04 00 04 04 00", 2},
        {"[Setting]\r\nCount=10\r\nMacroSetting_0=" + StructText(keyPair) + "\r\n", L"1", 0, 2, "84 04 00 04 04 00", 2},
        {"[Setting]\r\nMacroSetting_0=" + damagedSum + "\r\n", L"1", 0, 2, "", 0},
        {"[Setting]\r\nMacroSetting_0=" + StructText(keyPair).substr(2) + "\r\n", L"1", 0, 2, "", 0},
        {"[Setting]\r\nMacroSetting_0=" + std::string(380, 'Z') + "\r\n", L"1", 0, 2, "", 0},
        {"[Setting]\r\nMacroSetting_0=" + StructText(Block("05 01 00 84 04 00 00 00 00 80 00 00 06 0C 00 04 04 00")) +
             "\r\n",
         L"1", 0, 2, "84 04 00 06 0C 00 04 04 00", 3},
        {"\xff\xfe[\x00S\x00", L"1", 0, 2, "", 0},
    };
    for (const DamageCase& c : cases) {
        SCOPED_TRACE(c.file);
        MacroDataFolder folder;
        if (!c.file.empty()) TestFolder::WriteBytes(MacroFilePath(L"Damaged"), c.file);
        MacroSettings read = ReadMacroFile(L"Damaged");
        EXPECT_EQ(c.loopCount, read.loopCountText);
        EXPECT_EQ(c.loopType, read.loopType);
        EXPECT_EQ(c.delayType, read.delayType);
        EXPECT_EQ(c.count, read.eventCount);
        EXPECT_EQ(Hex(Block(c.events)), Hex(read.events));
    }
}

TEST(MacroFile, TheButtonPageReadsTheLoopCountWhateverTheLoopType) {
    MacroDataFolder folder;
    TestFolder::WriteBytes(MacroFilePath(L"Second"), "[Setting]\r\nLoopTime=5\r\nLoopType=1\r\n");
    EXPECT_EQ(5, ReadMacroLoopTime(L"Second"));
    EXPECT_EQ(1, ReadMacroFile(L"Second").loopType);
    EXPECT_EQ(1, ReadMacroLoopTime(L"Missing"));
}

TEST(MacroFile, SavingReplacesItsKeysAndKeepsOthers) {
    MacroDataFolder folder;
    const std::wstring path = MacroFilePath(L"Old");
    TestFolder::WriteBytes(path, "[Setting]\r\nLoopTime=9\r\nExtra=kept\r\nCount=50\r\n");
    SaveMacroFile(path, Settings(L"2", 2, 1, "81 02 00 01 02 00", 2));

    IniFile file(path);
    EXPECT_EQ(2, file.ReadInt(L"Setting", L"LoopTime", 0));
    EXPECT_EQ(2, file.ReadInt(L"Setting", L"Count", 0));
    EXPECT_EQ(L"kept", file.ReadString(L"Setting", L"Extra", L""));
    EXPECT_EQ(path, file.ReadString(L"Setting", L"MacroFilePath", L""));
}

TEST(MacroFile, WithoutTheMacroFolderNothingIsWritten) {
    MacroDataFolder folder(false);
    SaveMacroFile(MacroFilePath(L"Lost"), Settings(L"3", 0, 0, "84 04 00", 1));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW(MacroFilePath(L"Lost").c_str()));
    EXPECT_EQ(L"1", ReadMacroFile(L"Lost").loopCountText);
}
}  // namespace
