// The localisation files as they are shipped beside the executable.
#include "text/LocalisedText.h"

#include "framework/Folders.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {
constexpr int kWebPageId = static_cast<int>(TextId::General::WebPageAddress);

struct SectionIds {
    const wchar_t* section;
    std::vector<std::pair<int, int>> idRanges;  // first and last id of each range
};

// Every id the tool asks for, by file and section.
const SectionIds kSkinsIds[] = {
    {L"General", {{1, 9}, {15, 51}, {53, 64}, {kWebPageId, kWebPageId}}},
    {L"WARNING", {{1, 10}, {12, 20}, {27, 33}}},
    {L"SINGLEKEY", {{1, 1}, {3, 8}}},
    {L"FireKey", {{1, 4}, {7, 8}}},
    {L"MACRO", {{1, 27}}},
};

const SectionIds kGeneralIds[] = {
    {L"FUNCTION_STRING", {{1, 16}}}, {L"BASIC", {{1, 8}}}, {L"ADVANCED", {{1, 14}}}, {L"MEDIA", {{1, 8}}},
    {L"DPI", {{1, 3}}},              {L"RATE", {{1, 2}}},  {L"SCROLL", {{1, 4}}},    {L"MACRO", {{1, 1}}},
};

constexpr int kLastFunctionCode = 55;

std::vector<int> Ids(const SectionIds& s) {
    std::vector<int> ids;
    for (const auto& range : s.idRanges)
        for (int id = range.first; id <= range.second; ++id) ids.push_back(id);
    return ids;
}

// The names of a double-terminated list, as the private-profile functions return them.
std::set<std::wstring> SplitList(const std::vector<wchar_t>& list) {
    std::set<std::wstring> names;
    for (const wchar_t* name = list.data(); *name; name += wcslen(name) + 1) names.insert(name);
    return names;
}

class StringsFilesTest : public ::testing::Test {
protected:
    StringsFilesTest() { InitFolders(); }

    static std::wstring Path(const wchar_t* fileName) {
        return std::wstring(AppDirectory) + L"images\\0409\\strings\\" + fileName;
    }
    static std::set<std::wstring> Sections(const wchar_t* fileName) {
        std::vector<wchar_t> list(8192);
        ::GetPrivateProfileSectionNamesW(list.data(), static_cast<DWORD>(list.size()), Path(fileName).c_str());
        return SplitList(list);
    }
    static std::set<std::wstring> Keys(const wchar_t* fileName, const wchar_t* section) {
        std::vector<wchar_t> list(8192);
        ::GetPrivateProfileStringW(section, nullptr, L"", list.data(), static_cast<DWORD>(list.size()),
                                   Path(fileName).c_str());
        return SplitList(list);
    }

    template <size_t N>
    static void ExpectExactlyTheseKeys(const wchar_t* fileName, const SectionIds (&catalogue)[N]) {
        std::set<std::wstring> sections;
        for (const SectionIds& s : catalogue) {
            sections.insert(s.section);
            std::set<std::wstring> keys;
            for (int id : Ids(s)) keys.insert(std::to_wstring(id));
            EXPECT_EQ(keys, Keys(fileName, s.section)) << fileName << " [" << s.section << "]";
        }
        EXPECT_EQ(sections, Sections(fileName)) << fileName;
    }
};

TEST_F(StringsFilesTest, AreUtf16LittleEndianWithAByteOrderMark) {
    for (const wchar_t* fileName : {L"skins.ini", L"general.ini"}) {
        const std::string bytes = TestFolder::ReadBytes(Path(fileName));
        ASSERT_GE(bytes.size(), 4u) << fileName;
        EXPECT_EQ("\xFF\xFE", bytes.substr(0, 2)) << fileName;
        ASSERT_EQ(0u, bytes.size() % 2) << fileName;
        std::wstring text;
        for (size_t i = 2; i < bytes.size(); i += 2)
            text.push_back(static_cast<wchar_t>(static_cast<unsigned char>(bytes[i]) |
                                                static_cast<unsigned char>(bytes[i + 1]) << 8));
        EXPECT_EQ(L'[', text[0]) << fileName;
        for (size_t i = 0; i < text.size(); ++i)
            if (text[i] == L'\n') {
                EXPECT_TRUE(i > 0 && text[i - 1] == L'\r') << fileName << " line end at " << i;
            }
    }
}

TEST_F(StringsFilesTest, EveryTextTheToolAsksForIsThere) {
    for (const SectionIds& s : kSkinsIds)
        for (int id : Ids(s)) EXPECT_NE(L"", LoadUiString(s.section, id)) << "skins.ini [" << s.section << "] " << id;
    for (int code = 1; code <= kLastFunctionCode; ++code) EXPECT_NE(L"", GetFunctionName(code)) << code;
    EXPECT_NE(L"", GetMacroMenuLabel());
}

TEST_F(StringsFilesTest, HoldNoOtherSectionsOrKeys) {
    ExpectExactlyTheseKeys(L"skins.ini", kSkinsIds);
    ExpectExactlyTheseKeys(L"general.ini", kGeneralIds);
}

TEST_F(StringsFilesTest, FunctionNamesTellTheFunctionsApart) {
    std::set<std::wstring> names{GetMacroMenuLabel()};
    for (int code = 1; code <= kLastFunctionCode; ++code)
        EXPECT_TRUE(names.insert(GetFunctionName(code)).second) << code << " " << GetFunctionName(code);
}

TEST_F(StringsFilesTest, WebLinkIsAWebAddress) {
    EXPECT_EQ(0u, LoadUiString(TextId::General::WebPageAddress).rfind(L"https://", 0));
}
}  // namespace
