#include "macro/MacroLibrary.h"

#include "MacroTestData.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {
using Names = std::vector<std::wstring>;

const wchar_t kLibrary[] = L"MacroSet.MSDB";

// The device service's part of the library, which the tool must leave as it is.
const char kServiceSection[] = "[Setting]\r\nDevice=1\r\n";

std::string SectionText(const std::string& file, const std::string& header) {
    size_t start = file.find(header);
    if (start == std::string::npos) return "";
    size_t end = file.find("\r\n[", start);
    return file.substr(start, end == std::string::npos ? std::string::npos : end + 2 - start);
}

TEST(MacroLibrary, SlotsInOrderAndTheLowestFreeSlot) {
    struct SlotCase {
        const char* file;  // null: no library file yet
        Names names;
        int freeSlot;
    };
    const SlotCase cases[] = {
        {nullptr, {}, 0},
        {"[MACRO_LIST]\r\n2=Two\r\n5=Five\r\n", {L"Two", L"Five"}, 0},
        {"[MACRO_LIST]\r\n5=Five\r\n2=Two\r\n", {L"Two", L"Five"}, 0},
        {"[MACRO_LIST]\r\n0=A\r\n1=B\r\n2=\r\n3=D\r\n", {L"A", L"B", L"D"}, 2},
        {"[MACRO_LIST]\r\ncount=2\r\n0=A\r\n1=   \r\n", {L"A"}, 1},
        {"[MACRO_LIST]\r\n15=Beyond\r\n-1=Before\r\n00=Padded\r\n", {}, 0},
        {"garbage\r\n[MACRO_LIST\r\n0=NotInTheSection\r\n[MACRO_LIST]\r\n1=B\r\nnoequals\r\n", {L"B"}, 0},
        {"\xff\xfe\x00\x01\x02", {}, 0},
        {"[MACRO_LIST]\r\n0=a\r\n1=b\r\n2=c\r\n3=d\r\n4=e\r\n5=f\r\n6=g\r\n7=h\r\n8=i\r\n9=j\r\n10=k\r\n11=l\r\n"
         "12=m\r\n13=n\r\n14=o\r\n",
         {L"a", L"b", L"c", L"d", L"e", L"f", L"g", L"h", L"i", L"j", L"k", L"l", L"m", L"n", L"o"}, -1},
    };
    for (const SlotCase& c : cases) {
        SCOPED_TRACE(c.file ? c.file : "(no file)");
        MacroDataFolder folder;
        if (c.file) TestFolder::WriteBytes(folder.MacroFile(kLibrary), c.file);
        MacroLibrary library;
        EXPECT_EQ(c.names, library.ReadMacroList());
        EXPECT_EQ(static_cast<int>(c.names.size()), library.CountMacros());

        const std::string before = TestFolder::ReadBytes(folder.MacroFile(kLibrary));
        EXPECT_EQ(c.freeSlot, library.AddMacroName(L"New"));
        if (c.freeSlot < 0) {
            EXPECT_EQ(before, TestFolder::ReadBytes(folder.MacroFile(kLibrary))) << "a full library is not written";
            continue;
        }
        EXPECT_EQ(L"New", library.GetMacroName(c.freeSlot));
        EXPECT_EQ(static_cast<int>(c.names.size()) + 1, library.CountMacros());
    }
}

TEST(MacroLibrary, AddingANamePresentAlreadyKeepsItsSlot) {
    MacroDataFolder folder;
    TestFolder::WriteBytes(folder.MacroFile(kLibrary), "[MACRO_LIST]\r\n1=Jump\r\n");
    MacroLibrary library;
    EXPECT_EQ(1, library.AddMacroName(L"Jump"));
    EXPECT_EQ(0, library.AddMacroName(L"jump")) << "names differ by letter case";
    EXPECT_EQ((Names{L"jump", L"Jump"}), library.ReadMacroList());
}

TEST(MacroLibrary, FindMacroSlotComparesExactly) {
    MacroDataFolder folder;
    TestFolder::WriteBytes(folder.MacroFile(kLibrary), "[MACRO_LIST]\r\n0=\r\n1=ABC\r\n2=Twice\r\n3=abc\r\n4=Twice\r\n");
    MacroLibrary library;
    struct FindCase {
        const wchar_t* name;
        int slot;
    };
    const FindCase cases[] = {
        {L"ABC", 1}, {L"abc", 3}, {L"Abc", -1}, {L"Twice", 2}, {L"AB", -1}, {L"ABC ", -1}, {L"", -1},
    };
    for (const FindCase& c : cases) EXPECT_EQ(c.slot, library.FindMacroSlot(c.name)) << c.name;
}

TEST(MacroLibrary, GetMacroNameOfEverySlotAndBeyond) {
    MacroDataFolder folder;
    TestFolder::WriteBytes(folder.MacroFile(kLibrary), "[MACRO_LIST]\r\n0=First\r\n14=Last\r\n15=Beyond\r\n");
    MacroLibrary library;
    struct NameCase {
        int slot;
        const wchar_t* name;
    };
    const NameCase cases[] = {
        {0, L"First"}, {1, L""}, {14, L"Last"}, {15, L""}, {-1, L""}, {INT_MAX, L""}, {INT_MIN, L""},
    };
    for (const NameCase& c : cases) EXPECT_EQ(c.name, library.GetMacroName(c.slot)) << c.slot;
}

TEST(MacroLibrary, WriteMacroListRenumbersAndKeepsEmptySlots) {
    MacroDataFolder folder;
    TestFolder::WriteBytes(folder.MacroFile(kLibrary), "[MACRO_LIST]\r\n0=A\r\n1=B\r\n2=C\r\n");
    MacroLibrary library;
    library.WriteMacroList({L"A", L"C"});

    EXPECT_EQ((Names{L"A", L"C"}), library.ReadMacroList());
    EXPECT_EQ(L"C", library.GetMacroName(1));
    IniFile file(folder.MacroFile(kLibrary));
    for (int slot = 2; slot < MACRO_SLOTS; ++slot) {
        EXPECT_EQ(L"", file.ReadString(L"MACRO_LIST", std::to_wstring(slot).c_str(), L"missing")) << slot;
    }
}

TEST(MacroLibrary, WriteMacroListFillsFifteenSlotsAtMost) {
    MacroDataFolder folder;
    Names names;
    for (int i = 0; i < MACRO_SLOTS + 3; ++i) names.push_back(L"M" + std::to_wstring(i));
    MacroLibrary library;
    library.WriteMacroList(names);

    EXPECT_EQ(Names(names.begin(), names.begin() + MACRO_SLOTS), library.ReadMacroList());
    IniFile file(folder.MacroFile(kLibrary));
    EXPECT_EQ(L"missing", file.ReadString(L"MACRO_LIST", L"15", L"missing"));

    library.WriteMacroList({});
    EXPECT_EQ(0, library.CountMacros());
}

TEST(MacroLibrary, TheServiceSettingsStayAsTheyWere) {
    MacroDataFolder folder;
    const std::string original = std::string(kServiceSection) + "[MACRO_LIST]\r\ncount=3\r\n0=A\r\n1=B\r\n2=C\r\n";
    TestFolder::WriteBytes(folder.MacroFile(kLibrary), original);
    MacroLibrary library;
    library.AddMacroName(L"D");
    library.WriteMacroList({L"A", L"C", L"D"});
    library.AddMacroName(L"E");

    const std::string after = TestFolder::ReadBytes(folder.MacroFile(kLibrary));
    EXPECT_EQ(kServiceSection, SectionText(after, "[Setting]"));
    EXPECT_EQ(3, IniFile(folder.MacroFile(kLibrary)).ReadInt(L"MACRO_LIST", L"count", 0)) << after;
    EXPECT_EQ((Names{L"A", L"C", L"D", L"E"}), library.ReadMacroList());
}

TEST(MacroLibrary, WithoutTheMacroFolderNothingIsWrittenOrFound) {
    MacroDataFolder folder(false);
    MacroLibrary library;
    library.AddMacroName(L"Lost");
    library.WriteMacroList({L"Lost"});
    EXPECT_EQ(0, library.CountMacros());
    EXPECT_EQ(-1, library.FindMacroSlot(L"Lost"));
}

TEST(MacroLibrary, NamesThatCannotNameAFileOrReadBackAreRefused) {
    struct NameCase {
        const wchar_t* name;
        bool valid;
    };
    const NameCase cases[] = {
        {L"Macro 1", true},
        {L"a", true},
        {L"12345678901234567890", true},
        {L"a.b", true},
        {L"'half", true},
        {L"CONSOLE", true},
        {L"COM10", true},
        {L"", false},
        {L"123456789012345678901", false},
        {L"a/b", false},
        {L"a\\b", false},
        {L"..\\up", false},
        {L"a:b", false},
        {L"a*b", false},
        {L"a?b", false},
        {L"a\"b", false},
        {L"a<b", false},
        {L"a>b", false},
        {L"a|b", false},
        {L"tab\there", false},
        {L"line\nbreak", false},
        {L" lead", false},
        {L"trail ", false},
        {L"'quoted'", false},
        {L".", false},
        {L"..", false},
        {L"trail.", false},
        {L".hidden", true},
        {L"CON", false},
        {L"con", false},
        {L"nul.txt", false},
        {L"COM1", false},
        {L"lpt9", false},
        {L"Aux .x", false},
        {L"\x10D0\x10D1", false},  // outside every 8-bit code page, lost in the library file
    };
    for (const NameCase& c : cases) EXPECT_EQ(c.valid, MacroLibrary::IsValidMacroName(c.name)) << c.name;

    MacroDataFolder folder;
    MacroLibrary library;
    EXPECT_EQ(-1, library.AddMacroName(L"a/b"));
    EXPECT_EQ(-1, library.AddMacroName(L""));
    EXPECT_EQ("", TestFolder::ReadBytes(folder.MacroFile(kLibrary))) << "nothing written for a refused name";
}
// A name already in the library only has to stay inside the macro folder.
TEST(MacroLibrary, ANameFromTheLibraryNeedsOnlyToStayInTheMacroFolder) {
    struct NameCase {
        const wchar_t* name;
        bool fileName;
    };
    const NameCase cases[] = {
        {L"Macro 1", true},
        {L"123456789012345678901234567890", true},  // longer than a new name may be
        {L"\x10D0\x10D1", true},                     // outside the code page
        {L"'quoted'", true},
        {L" lead", true},
        {L"a*b", true},
        {L".hidden", true},
        {L"COM10", true},
        {L"", false},
        {L"a/b", false},
        {L"a\\b", false},
        {L"..\\up", false},
        {L"\\\\server\\share", false},
        {L"C:x", false},
        {L"C:\\x", false},
        {L"a:stream", false},
        {L".", false},
        {L"..", false},
        {L"trail.", false},
        {L"trail ", false},
        {L"CON", false},
        {L"nul.txt", false},
        {L"lpt9", false},
        {L"Aux .x", false},
    };
    for (const NameCase& c : cases) {
        EXPECT_EQ(c.fileName, MacroLibrary::IsMacroFileName(c.name)) << c.name;
        if (!c.fileName) {
            EXPECT_FALSE(MacroLibrary::IsValidMacroName(c.name)) << c.name;
        }
    }
}
TEST(MacroLibrary, ANameThatCannotBeWrittenIsNoSlot) {
    MacroDataFolder folder;
    const std::wstring path = folder.MacroFile(kLibrary);
    TestFolder::WriteBytes(path, "[MACRO_LIST]\r\n0=Jump\r\n");
    // Another program holds the file open for itself alone.
    const HANDLE held = ::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    MacroLibrary library;
    EXPECT_EQ(-1, library.AddMacroName(L"Run"));
    ::CloseHandle(held);
    EXPECT_EQ((Names{L"Jump"}), library.ReadMacroList());
    EXPECT_EQ(1, library.AddMacroName(L"Run"));
}
}  // namespace
