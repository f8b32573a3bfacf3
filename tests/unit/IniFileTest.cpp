#include "profile/IniFile.h"

#include "support/TestFolder.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <string>
#include <vector>

namespace {
const wchar_t kSection[] = L"GROUP";

// A file holding `body` after a section line, in a fresh folder.
struct IniFixture {
    explicit IniFixture(const std::string& body) : ini(folder.File(L"test.ini")) {
        TestFolder::WriteBytes(ini.Path(), "[GROUP]\r\n" + body);
    }
    TestFolder folder;
    IniFile ini;
};

TEST(IniFile, ReadIntOfTheTextInTheFile) {
    struct Case {
        const char* line;
        int expected;
    };
    const Case cases[] = {
        {"Value=3\r\n", 3},
        {"Value=-1\r\n", -1},
        {"Value=255\r\n", 255},
        {"Value=12abc\r\n", 12},
        {"Value=abc\r\n", 0},
        {"value=7\r\n", 7},  // keys match without regard to case
        {"Other=1\r\n", 42},
    };
    for (const Case& c : cases) {
        IniFixture file(c.line);
        EXPECT_EQ(c.expected, file.ini.ReadInt(kSection, L"Value", 42)) << c.line;
    }
}

TEST(IniFile, ReadIntOfALongLineDoesNotCrash) {
    IniFixture file("Value=" + std::string(100000, '7') + "\r\nNext=5\r\n");
    file.ini.ReadInt(kSection, L"Value", 42);
    EXPECT_EQ(5, file.ini.ReadInt(kSection, L"Next", 42));
}

TEST(IniFile, ReadStringIsCutAt2047Characters) {
    struct Case {
        size_t length;
        size_t expected;
    };
    const Case cases[] = {{0, 0}, {2046, 2046}, {2047, 2047}, {2048, 2047}, {5000, 2047}, {100000, 2047}};
    for (const Case& c : cases) {
        IniFixture file("Name=" + std::string(c.length, 'n') + "\r\n");
        EXPECT_EQ(std::wstring(c.expected, L'n'), file.ini.ReadString(kSection, L"Name", L"default")) << c.length;
    }
}

TEST(IniFile, ReadStringOfAnAbsentKeyIsTheDefault) {
    IniFixture file("Other=x\r\n");
    EXPECT_EQ(L"default", file.ini.ReadString(kSection, L"Name", L"default"));
    EXPECT_EQ(L"", file.ini.ReadString(kSection, L"Name", nullptr));
    EXPECT_EQ(L"", file.ini.ReadString(L"NOSECTION", L"Name", L""));
}

TEST(IniFile, ReadStructTakesOnlyAWholeValueOfTheRightSize) {
    struct Case {
        const char* what;
        std::string value;
        bool read;
    };
    // Bytes 01 02 FF, sum 0x102, checksum 02.
    const Case cases[] = {
        {"correct", "0102FF02", true},
        {"lower case digits", "0102ff02", true},
        {"wrong checksum", "0102FF03", false},
        {"one byte short", "010203", false},
        {"one byte long", "0102FF0004", false},
        {"one digit long", "0102FF002", false},
        {"one digit short", "0102FF2", false},
        {"not hexadecimal", "01G2FF02", false},
        {"empty", "", false},
        {"very long", std::string(100000, 'A'), false},
        {"binary bytes", std::string("\x01\x02\xff\x80\x7f", 5), false},
    };
    for (const Case& c : cases) {
        IniFixture file("Data=" + c.value + "\r\n");
        std::array<unsigned char, 3> buffer = {0xAA, 0xBB, 0xCC};
        EXPECT_EQ(c.read, file.ini.ReadStruct(kSection, L"Data", buffer.data(), 3)) << c.what;
        const std::array<unsigned char, 3> expected =
            c.read ? std::array<unsigned char, 3>{0x01, 0x02, 0xFF} : std::array<unsigned char, 3>{0xAA, 0xBB, 0xCC};
        EXPECT_EQ(expected, buffer) << c.what;
    }
}

TEST(IniFile, ReadStructOfAnAbsentKeyLeavesTheBuffer) {
    IniFixture file("Other=0102FF02\r\n");
    std::array<unsigned char, 3> buffer = {0xAA, 0xBB, 0xCC};
    EXPECT_FALSE(file.ini.ReadStruct(kSection, L"Data", buffer.data(), 3));
    EXPECT_FALSE(file.ini.ReadStruct(L"NOSECTION", L"Other", buffer.data(), 3));
    EXPECT_EQ((std::array<unsigned char, 3>{0xAA, 0xBB, 0xCC}), buffer);
}

TEST(IniFile, EveryWriteIsOnDiskBeforeTheNext) {
    TestFolder folder;
    const IniFile ini(folder.File(L"test.ini"));
    const unsigned char bytes[] = {0x01, 0x02, 0xFF};

    ini.WriteInt(kSection, L"Number", -1);
    EXPECT_EQ("[GROUP]\r\nNumber=-1\r\n", TestFolder::ReadBytes(ini.Path()));
    ini.WriteString(L"NAMES", L"Name", L"abc");
    EXPECT_EQ("[GROUP]\r\nNumber=-1\r\n[NAMES]\r\nName=abc\r\n", TestFolder::ReadBytes(ini.Path()));
    ini.WriteStruct(kSection, L"Data", bytes, sizeof bytes);
    EXPECT_EQ("[GROUP]\r\nNumber=-1\r\nData=0102FF02\r\n[NAMES]\r\nName=abc\r\n", TestFolder::ReadBytes(ini.Path()));
    ini.WriteInt(kSection, L"number", 7);
    EXPECT_EQ(7, ini.ReadInt(kSection, L"Number", 0));
    EXPECT_EQ("[GROUP]\r\nNumber=7\r\nData=0102FF02\r\n[NAMES]\r\nName=abc\r\n", TestFolder::ReadBytes(ini.Path()));
}

TEST(IniFile, WriteThenReadGivesTheValuesBack) {
    TestFolder folder;
    const IniFile ini(folder.File(L"test.ini"));
    const unsigned char bytes[] = {0x00, 0x80, 0x7F, 0x10};
    ini.WriteInt(kSection, L"Low", INT32_MIN);
    ini.WriteInt(kSection, L"High", INT32_MAX);
    ini.WriteString(kSection, L"Empty", L"");
    ini.WriteStruct(kSection, L"Data", bytes, sizeof bytes);

    EXPECT_EQ(INT32_MIN, ini.ReadInt(kSection, L"Low", 0));
    EXPECT_EQ(INT32_MAX, ini.ReadInt(kSection, L"High", 0));
    EXPECT_EQ(L"", ini.ReadString(kSection, L"Empty", L"default"));
    unsigned char read[4] = {};
    ASSERT_TRUE(ini.ReadStruct(kSection, L"Data", read, sizeof read));
    EXPECT_EQ(0, memcmp(bytes, read, sizeof bytes));
}

TEST(IniFile, WritesIntoAMissingFolderFailSilently) {
    TestFolder folder;
    const IniFile ini(folder.File(L"missing\\test.ini"));
    const unsigned char bytes[] = {1};
    ini.WriteInt(kSection, L"Number", 1);
    ini.WriteString(kSection, L"Name", L"x");
    ini.WriteStruct(kSection, L"Data", bytes, sizeof bytes);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(folder.File(L"missing").c_str()));
    EXPECT_EQ(42, ini.ReadInt(kSection, L"Number", 42));
}

TEST(IniFile, ReadingAFileOfGarbageGivesTheDefaults) {
    std::string garbage;
    for (int i = 0; i < 4096; ++i) garbage.push_back(static_cast<char>((i * 131 + 7) % 256));
    const std::string files[] = {
        garbage,
        "\xFF\xFE" + garbage,           // claims UTF-16
        std::string("\xFF\xFE[", 3),  // odd length after the mark
        "\xEF\xBB\xBF" + garbage,       // claims UTF-8
        std::string(100000, '['),
        std::string(100000, '='),
    };
    for (const std::string& bytes : files) {
        TestFolder folder;
        const IniFile ini(folder.File(L"test.ini"));
        TestFolder::WriteBytes(ini.Path(), bytes);
        unsigned char buffer[3] = {9, 9, 9};
        EXPECT_EQ(42, ini.ReadInt(kSection, L"Value", 42));
        EXPECT_EQ(L"default", ini.ReadString(kSection, L"Name", L"default"));
        EXPECT_FALSE(ini.ReadStruct(kSection, L"Data", buffer, sizeof buffer));
        EXPECT_EQ(bytes, TestFolder::ReadBytes(ini.Path())) << "reading changed the file";
    }
}

// What a save writes, in its order: integers, a binary value, strings in several sections.
bool WriteSample(const IniFile& file) {
    const unsigned char bytes[] = {0x01, 0x00, 0xFE};
    bool written = file.WriteInt(kSection, L"GroupID", 2);
    written &= file.WriteInt(kSection, L"acceleration", -1);
    written &= file.WriteStruct(kSection, L"DPIStageValue", bytes, sizeof bytes);
    written &= file.WriteInt(L"ButtonAssigned_1", L"ButtonFunc", 255);
    written &= file.WriteString(L"ButtonAssigned_1", L"MacroName", L"M 1");
    written &= file.WriteStruct(kSection, L"ButtonAssigned_1", bytes, sizeof bytes);
    return written;
}


TEST(IniFile, AFileReplacedThroughItsCopyIsByteForByteTheFileWrittenInPlace) {
    const std::string starts[] = {
        "",  // no file yet
        "[GROUP]\r\nGroupID=0\r\nAcceleration=3\r\n",
        // The service's own keys and sections, in an order of its own, stay where they are.
        "[Service]\r\nFirmware=1.2\r\n[ButtonAssigned_1]\r\nMacroName=old\r\nExtra=x\r\n[GROUP]\r\nDPI=1\r\n",
        "; comment\r\n[group]\r\nGROUPID = 4\r\n\r\n[Other]\r\nA=1",
    };
    for (const std::string& start : starts) {
        TestFolder folder;
        const std::wstring inPlace = folder.File(L"in-place.pfd");
        const std::wstring replaced = folder.File(L"replaced.pfd");
        if (!start.empty()) {
            TestFolder::WriteBytes(inPlace, start);
            TestFolder::WriteBytes(replaced, start);
        }
        WriteSample(IniFile(inPlace));
        EXPECT_TRUE(ReplaceIniFile(replaced, WriteSample)) << start;
        EXPECT_EQ(TestFolder::ReadBytes(inPlace), TestFolder::ReadBytes(replaced)) << start;
        EXPECT_EQ(2u, folder.FileNames().size()) << start << ": the copy was left behind";
    }
}

TEST(IniFile, WhileTheCopyIsWrittenTheFileIsTheOldOne) {
    TestFolder folder;
    const std::wstring path = folder.File(L"shared.pfd");
    const std::string old = "[GROUP]\r\nGroupID=1\r\n";
    TestFolder::WriteBytes(path, old);
    std::string seenByAReader;
    EXPECT_TRUE(ReplaceIniFile(path, [&](const IniFile& file) {
        const bool written = WriteSample(file);
        seenByAReader = TestFolder::ReadBytes(path);
        return written;
    }));
    EXPECT_EQ(old, seenByAReader);
    EXPECT_EQ(2, IniFile(path).ReadInt(kSection, L"GroupID", 0));
}

TEST(IniFile, AReplaceThatFailsLeavesTheOldFile) {
    const std::string old = "[GROUP]\r\nGroupID=1\r\n[Service]\r\nKeep=1\r\n";
    enum class Fault { WriteFails, HeldOpen, ReadOnly };
    for (Fault fault : {Fault::WriteFails, Fault::HeldOpen, Fault::ReadOnly}) {
        TestFolder folder;
        const std::wstring path = folder.File(L"file.pfd");
        TestFolder::WriteBytes(path, old);
        HANDLE held = INVALID_HANDLE_VALUE;
        if (fault == Fault::HeldOpen) {
            // Another program reads it and lets nobody remove it meanwhile.
            held = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
            ASSERT_NE(INVALID_HANDLE_VALUE, held);
        }
        if (fault == Fault::ReadOnly) {
            ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY));
        }
        const bool replaced = ReplaceIniFile(path, [fault](const IniFile& file) {
            return WriteSample(file) && fault != Fault::WriteFails;
        });
        if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        EXPECT_FALSE(replaced) << static_cast<int>(fault);
        EXPECT_EQ(old, TestFolder::ReadBytes(path)) << static_cast<int>(fault);
        EXPECT_EQ(std::vector<std::wstring>{L"file.pfd"}, folder.FileNames()) << static_cast<int>(fault);
    }
}

TEST(IniFile, AReplaceWhereNoFileCanBeMadeReportsIt) {
    TestFolder folder;
    CreateDirectoryW(folder.File(L"folder.pfd").c_str(), nullptr);
    EXPECT_FALSE(ReplaceIniFile(folder.File(L"folder.pfd"), WriteSample));
    EXPECT_FALSE(ReplaceIniFile(folder.File(L"missing\\file.pfd"), WriteSample));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(folder.File(L"missing").c_str()));
    EXPECT_TRUE(folder.FileNames().empty());
}
}  // namespace
