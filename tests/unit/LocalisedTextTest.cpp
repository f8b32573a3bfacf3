#include "text/LocalisedText.h"
#include "text/UiTextSection.h"

#include "framework/Folders.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <climits>
#include <iterator>
#include <string>

namespace {
// Points the lookups at a private copy of the tool's directory with files written by the test.
class LocalisedTextTest : public ::testing::Test {
protected:
    LocalisedTextTest() {
        std::copy(std::begin(AppDirectory), std::end(AppDirectory), savedAppDirectory);
        for (const wchar_t* sub : {L"images", L"images\\0409", L"images\\0409\\strings"})
            ::CreateDirectoryW(folder.File(sub).c_str(), nullptr);
        SetAppDirectory(folder.Path());
    }
    ~LocalisedTextTest() override {
        std::copy(std::begin(savedAppDirectory), std::end(savedAppDirectory), AppDirectory);
    }

    static void SetAppDirectory(const std::wstring& directory) {
        ASSERT_LT(directory.size(), kFolderChars);
        std::fill(std::begin(AppDirectory), std::end(AppDirectory), L'\0');
        std::copy(directory.begin(), directory.end(), AppDirectory);
    }

    // Writes a strings file as the tool ships it: UTF-16 LE with a byte-order mark.
    void WriteStrings(const wchar_t* fileName, const std::wstring& text) const {
        std::string bytes = "\xFF\xFE";
        for (wchar_t c : text) {
            bytes.push_back(static_cast<char>(c & 0xFF));
            bytes.push_back(static_cast<char>((c >> 8) & 0xFF));
        }
        TestFolder::WriteBytes(StringsPath(fileName), bytes);
    }

    std::wstring StringsPath(const wchar_t* fileName) const {
        return folder.File(std::wstring(L"images\\0409\\strings\\") + fileName);
    }

    TestFolder folder;
    wchar_t savedAppDirectory[kFolderChars];
};

TEST_F(LocalisedTextTest, KeysAreTheIdInDecimalWithoutLeadingZeros) {
    WriteStrings(L"skins.ini",
                 L"[General]\r\n7=Seven\r\n42=Forty-two\r\n-3=Minus three\r\n"
                 L"[Padded]\r\n07=Padded seven\r\n");
    EXPECT_EQ(L"Seven", LoadUiString(L"General", 7));
    EXPECT_EQ(L"Forty-two", LoadUiString(L"General", 42));
    EXPECT_EQ(L"Minus three", LoadUiString(L"General", -3));
    EXPECT_EQ(L"", LoadUiString(L"Padded", 7));
}

TEST_F(LocalisedTextTest, FunctionCodesSelectSectionAndKey) {
    struct Section {
        const wchar_t* name;
        int keys;
    };
    const Section sections[] = {{L"FUNCTION_STRING", 16}, {L"BASIC", 8}, {L"ADVANCED", 14}, {L"MEDIA", 8},
                                {L"DPI", 3},              {L"RATE", 2},  {L"SCROLL", 10}};
    std::wstring text;
    for (const Section& s : sections) {
        text += L"[" + std::wstring(s.name) + L"]\r\n";
        // Keys 0 and -1 show that codes 0 and below read nothing.
        if (&s == &sections[0]) text += L"0=zero\r\n-1=minus one\r\n";
        for (int key = 1; key <= s.keys; ++key)
            text += std::to_wstring(key) + L"=" + s.name + L" " + std::to_wstring(key) + L"\r\n";
    }
    WriteStrings(L"general.ini", text);

    struct Case {
        int code;
        const wchar_t* name;
    };
    const Case cases[] = {
        {1, L"FUNCTION_STRING 1"}, {16, L"FUNCTION_STRING 16"}, {17, L"BASIC 1"},    {24, L"BASIC 8"},
        {25, L"ADVANCED 1"},       {38, L"ADVANCED 14"},        {39, L"MEDIA 1"},    {46, L"MEDIA 8"},
        {47, L"DPI 1"},            {49, L"DPI 3"},              {50, L"RATE 1"},     {51, L"RATE 2"},
        {52, L"SCROLL 1"},         {55, L"SCROLL 4"},           {60, L"SCROLL 9"},   {61, L"SCROLL 10"},
        {62, L""},                 {INT_MAX, L""},              {0, L""},            {-1, L""},
        {INT_MIN, L""},
    };
    for (const Case& c : cases) EXPECT_EQ(c.name, GetFunctionName(c.code)) << c.code;
}

TEST_F(LocalisedTextTest, EachFileHasItsOwnMacroSection) {
    WriteStrings(L"skins.ini", L"[MACRO]\r\n1=Editor title\r\n");
    WriteStrings(L"general.ini", L"[MACRO]\r\n1=Menu entry\r\n[FUNCTION_STRING]\r\n1=Left\r\n");
    EXPECT_EQ(L"Menu entry", GetMacroMenuLabel());
    EXPECT_EQ(L"Editor title", LoadUiString(L"MACRO", 1));
    EXPECT_EQ(L"Left", GetFunctionName(1));
    EXPECT_EQ(L"", LoadUiString(L"FUNCTION_STRING", 1));
}

TEST_F(LocalisedTextTest, ANamedTextIsReadFromTheSectionOfItsKind) {
    WriteStrings(L"skins.ini", L"[General]\r\n1=General one\r\n[WARNING]\r\n1=Warning one\r\n"
                               L"[SINGLEKEY]\r\n1=Single key one\r\n[FireKey]\r\n1=Fire key one\r\n"
                               L"[MACRO]\r\n1=Macro one\r\n");
    EXPECT_EQ(L"General one", LoadUiString(TextId::General::AccelerationLabel));
    EXPECT_EQ(L"Warning one", LoadUiString(TextId::Warning::Title));
    EXPECT_EQ(L"Single key one", LoadUiString(TextId::SingleKey::PressKeyToAssign));
    EXPECT_EQ(L"Fire key one", LoadUiString(TextId::FireKey::LeftButton));
    EXPECT_EQ(L"Macro one", LoadUiString(TextId::Macro::EditorTitle));
}

TEST_F(LocalisedTextTest, MissingAndEmptyTextsReadAsEmpty) {
    EXPECT_EQ(L"", LoadUiString(L"General", 1)) << "no file";
    EXPECT_EQ(L"", GetFunctionName(1)) << "no file";
    EXPECT_EQ(L"", GetMacroMenuLabel()) << "no file";

    WriteStrings(L"skins.ini", L"[General]\r\n1=One\r\n5=\r\n");
    EXPECT_EQ(L"", LoadUiString(L"General", 5)) << "empty value";
    EXPECT_EQ(L"", LoadUiString(L"General", 6)) << "missing key";
    EXPECT_EQ(L"", LoadUiString(L"WARNING", 1)) << "missing section";
    EXPECT_EQ(L"", LoadUiString(nullptr, 1)) << "no section";
    EXPECT_EQ(L"One", LoadUiString(L"General", 1));
}

TEST_F(LocalisedTextTest, AFileChangedWhileTheToolRunsIsReadAgain) {
    WriteStrings(L"skins.ini", L"[WARNING]\r\n1=Before\r\n");
    WriteStrings(L"general.ini", L"[FUNCTION_STRING]\r\n2=Before\r\n");
    EXPECT_EQ(L"Before", LoadUiString(L"WARNING", 1));
    EXPECT_EQ(L"Before", GetFunctionName(2));

    WriteStrings(L"skins.ini", L"[WARNING]\r\n1=After\r\n");
    WriteStrings(L"general.ini", L"[FUNCTION_STRING]\r\n2=After\r\n");
    EXPECT_EQ(L"After", LoadUiString(L"WARNING", 1));
    EXPECT_EQ(L"After", GetFunctionName(2));
}

TEST_F(LocalisedTextTest, ValuesKeepTheirCharactersUpToTheLengthLimit) {
    const std::wstring longValue(3000, L'x');
    WriteStrings(L"skins.ini", L"[General]\r\n1=Gr\u00F6\u00DFe \u2192 \u4E2D\r\n2=a=b; c\r\n3=" + longValue + L"\r\n");
    EXPECT_EQ(L"Gr\u00F6\u00DFe \u2192 \u4E2D", LoadUiString(L"General", 1));
    EXPECT_EQ(L"a=b; c", LoadUiString(L"General", 2));
    EXPECT_EQ(longValue.substr(0, 2047), LoadUiString(L"General", 3));
}

TEST_F(LocalisedTextTest, ASectionReadAtOnceGivesWhatEachLookupGives) {
    const std::wstring longValue(3000, L'y');
    const std::wstring text = L"[General]\r\n1=Plain\r\n2 =  spaced value \t\r\n 3 = lead\r\n4=\"quoted\"\r\n"
                              L"5='single'\r\n6=\"unbalanced\r\n7=\r\n8=a=b; c\r\n9=\"\"\r\n10=\"x\"y\"\r\n"
                              L"1=second one\r\nno equals\r\n11=" + longValue + L"\r\n12=\"\r\n"
                              L"[Other]\r\n13=elsewhere\r\n";
    std::string ansi;
    for (wchar_t c : text) ansi.push_back(static_cast<char>(c));
    for (bool utf16 : {true, false}) {
        if (utf16) {
            WriteStrings(L"skins.ini", text);
        } else {
            TestFolder::WriteBytes(StringsPath(L"skins.ini"), ansi);
        }
        const UiTextSection general(L"General");
        for (int id = 0; id <= 14; ++id) EXPECT_EQ(LoadUiString(L"General", id), general.Get(id)) << id << " " << utf16;
    }
    EXPECT_EQ(L"Plain", UiTextSection(L"General").Get(1)) << "the first of two equal keys";
    EXPECT_EQ(L"", UiTextSection(nullptr).Get(1));
}

TEST_F(LocalisedTextTest, ASectionReadBeforeAnEditKeepsItsTexts) {
    WriteStrings(L"skins.ini", L"[General]\r\n1=Before\r\n");
    const UiTextSection before(L"General");
    WriteStrings(L"skins.ini", L"[General]\r\n1=After!\r\n");
    EXPECT_EQ(L"Before", before.Get(1));
    EXPECT_EQ(L"After!", UiTextSection(L"General").Get(1));
    ::DeleteFileW(StringsPath(L"skins.ini").c_str());
    EXPECT_EQ(L"", UiTextSection(L"General").Get(1)) << "no file";
}

TEST_F(LocalisedTextTest, DamagedFilesAndFoldersGiveNoTextButNoHarm) {
    std::string garbage;
    for (int i = 0; i < 5000; ++i) garbage.push_back(static_cast<char>((i * 7919) % 256));
    TestFolder::WriteBytes(StringsPath(L"skins.ini"), garbage);
    TestFolder::WriteBytes(StringsPath(L"general.ini"), garbage);
    EXPECT_LE(LoadUiString(L"General", 1).size(), 2047u);
    EXPECT_LE(GetFunctionName(1).size(), 2047u);
    EXPECT_LE(UiTextSection(L"General").Get(1).size(), 2047u);

    // A folder string that fills its whole buffer without a terminator.
    std::fill(std::begin(AppDirectory), std::end(AppDirectory), L'x');
    EXPECT_EQ(L"", LoadUiString(L"General", 1));
    EXPECT_EQ(L"", GetFunctionName(1));
    EXPECT_EQ(L"", UiTextSection(L"General").Get(1));
}
}  // namespace
