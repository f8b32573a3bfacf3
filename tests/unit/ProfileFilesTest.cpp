#include "profile/ProfileFiles.h"

#include "ProfileTestData.h"
#include "framework/Folders.h"
#include "profile/IniFile.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <cwchar>
#include <iterator>
#include <string>
#include <vector>

namespace {
class ProfileFiles : public ::testing::Test {
protected:
    ProfileFiles() { UseDataFolder(folder.Path()); }
    ~ProfileFiles() override { DataFolder[0] = L'\0'; }

    static void UseDataFolder(const std::wstring& path) {
        wcsncpy_s(DataFolder, kFolderChars, path.c_str(), _TRUNCATE);
    }

    // Names of the files in the data folder.
    std::vector<std::wstring> FileNames() const { return folder.FileNames(); }

    // The set the tool shows when no profile file exists: every field missing, then repaired.
    static void ExpectRepairedDefaults(const ProfileRecord& record, int profileIndex) {
        EXPECT_EQ(profileIndex == 0 ? 1 : 0, record.Group);
        EXPECT_EQ(2, record.PollingRate);
        EXPECT_EQ(5, record.DoubleClickSpeed);
        EXPECT_EQ(3, record.WheelScrollLines);
        EXPECT_EQ(0, record.UniversalScrollEnabled);
        EXPECT_EQ(10, record.MouseSensitivity);
        EXPECT_EQ(1, record.Acceleration);
        EXPECT_EQ(0, record.XYSensitivityEnabled);
        EXPECT_EQ(10, record.OFASensitivity);
        EXPECT_EQ(10, record.MouseSpeedX);
        EXPECT_EQ(10, record.MouseSpeedY);
        EXPECT_EQ(0, record.LedColor1) << "an absent colour reads as 0, which is not repaired";
        EXPECT_EQ(0, record.LedMode1) << "an absent mode reads as -1, which is repaired";
        EXPECT_EQ(2, record.LedState1);
        EXPECT_EQ(5, record.BreathState1);
        EXPECT_EQ(5, record.FlashState1);
        EXPECT_EQ(0, record.LedDirect1);
        EXPECT_EQ(0, record.ANGLE);
        EXPECT_EQ(3, record.LIFT);
        EXPECT_EQ(1, record.DPI);
        EXPECT_EQ(14, record.DPICurrentX);
        EXPECT_EQ(14, record.DPICurrentY);
        EXPECT_EQ(5, record.DPIStageNum);
        ExpectDefaultStages(record, 0);
        ExpectDefaultButtons(record, 255, 255, 255);
    }

    TestFolder folder;
    ProfileSet staging{};
};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

// A binary value in the text form of the private-profile functions, checksum included.
std::string HexValue(const void* data, std::size_t size) {
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    unsigned sum = 0;
    for (std::size_t i = 0; i < size; ++i) {
        const unsigned char byte = static_cast<const unsigned char*>(data)[i];
        text += digits[byte >> 4];
        text += digits[byte & 15];
        sum += byte;
    }
    text += digits[(sum >> 4) & 15];
    text += digits[sum & 15];
    return text;
}

TEST_F(ProfileFiles, WithoutFilesTheProfilesAreTheRepairedDefaults) {
    LoadProfiles(staging);
    EXPECT_EQ(-1, staging.GroupID);
    EXPECT_EQ(0, WorkingProfiles.GroupID);
    for (int k = 0; k < kProfileCount; ++k) ExpectRepairedDefaults(WorkingProfiles.Profiles[k], k);
    EXPECT_TRUE(FileNames().empty()) << "loading wrote a file";
}

// Load and import repair alike: a profile without a primary button gets one on button 1.
TEST_F(ProfileFiles, FilesWithoutLeftClickLoadAndImportWithLeftClickOnTheFirstButton) {
    ProfileSet set = SampleSet();
    for (ProfileRecord& record : set.Profiles) {
        for (ButtonAssignment& button : record.Buttons) button.ButtonFunc = FUNC_RIGHT_CLICK;
        record.Buttons[4].ButtonFunc = FUNC_MACRO;
    }
    WorkingProfiles = set;
    SaveAllProfiles();
    const std::wstring exported = folder.File(L"exported.pfd");
    ExportProfile(set.Profiles[2], exported);

    LoadProfiles(staging);
    for (int k = 0; k < kProfileCount; ++k) {
        ProfileRecord expected = set.Profiles[k];
        expected.Buttons[0].ButtonFunc = FUNC_LEFT_CLICK;
        EXPECT_TRUE(SameRecord(expected, WorkingProfiles.Profiles[k])) << "loaded profile " << k;
    }
    ProfileRecord imported = SampleRecord(1);
    ImportProfile(exported, imported);
    EXPECT_TRUE(RepairProfile(imported, 1));
    EXPECT_EQ(FUNC_LEFT_CLICK, imported.Buttons[0].ButtonFunc);
    for (int b = 1; b < kButtonCount; ++b) EXPECT_EQ(set.Profiles[2].Buttons[b].ButtonFunc, imported.Buttons[b].ButtonFunc);
}

TEST_F(ProfileFiles, SavedProfilesLoadBackIntoAnIdenticalWorkingCopy) {
    ProfileSet saved = SampleSet();
    ButtonAssignment& longest = saved.Profiles[4].Buttons[7];
    std::fill(std::begin(longest.MacroName), std::end(longest.MacroName) - 1, L'z');
    std::fill(std::begin(longest.KeyData), std::end(longest.KeyData), 0xFF);
    WorkingProfiles = saved;

    SaveAllProfiles();
    LoadProfiles(staging);

    EXPECT_EQ(saved.GroupID, WorkingProfiles.GroupID);
    for (int k = 0; k < kProfileCount; ++k) {
        EXPECT_TRUE(SameRecord(saved.Profiles[k], WorkingProfiles.Profiles[k])) << "profile " << k;
    }
}

TEST_F(ProfileFiles, SavingAgainReplacesTheValuesInPlace) {
    WorkingProfiles = SampleSet();
    EXPECT_TRUE(SaveAllProfiles());
    const std::string first = TestFolder::ReadBytes(ProfileFilePath(1));
    WorkingProfiles.Profiles[1].LIFT = 1;
    SaveAllProfiles();
    std::string expected = first;
    expected.replace(expected.find("LIFT=4"), 6, "LIFT=1");
    EXPECT_EQ(expected, TestFolder::ReadBytes(ProfileFilePath(1)));
    EXPECT_EQ(5u, FileNames().size());
}

TEST_F(ProfileFiles, ANewFileHasTheSharedLayout) {
    SetProfileDefaults(WorkingProfiles);
    for (int k = 0; k < kProfileCount; ++k) ResetProfile(WorkingProfiles, k);
    WorkingProfiles.GroupID = 2;
    SaveAllProfiles();

    const std::string stages =
        "0100000008000000080000000100000001000000100000001000000001000000010000001800000018000000"
        "010000000100000028000000280000000100000001000000500000005000000001000000"
        "5A";
    std::string expected =
        "[GROUP]\r\nGroupID=2\r\nGroup=-1\r\nPollingRate=2\r\nWheelScrollLines=3\r\nMouseSensitivity=10\r\n"
        "DoubleClickSpeed=5\r\nUniversalScrollEnabled=0\r\nAcceleration=1\r\nXYSensitivityEnabled=0\r\n"
        "MouseSpeedX=10\r\nMouseSpeedY=10\r\nOFASensitivity=10\r\nLedMode1=2\r\nLedState1=2\r\n"
        "FlashState1=5\r\nBreathState1=5\r\nLedColor1=255\r\nLedDirect1=0\r\nANGLE=0\r\nLIFT=3\r\nDPI=2\r\n"
        "DPICurrentX=14\r\nDPICurrentY=14\r\nDPIStageNum=5\r\nDPIStageValue=" + stages + "\r\n";
    const int functions[kButtonCount] = {1, 2, 3, 4, 5, 48, 49, 12};
    for (int b = 1; b <= kButtonCount; ++b) {
        expected += "ButtonAssigned_" + std::to_string(b) + "=" + std::string(2 * kKeyDataBytes + 2, '0') + "\r\n";
    }
    for (int b = 1; b <= kButtonCount; ++b) {
        expected += "[ButtonAssigned_" + std::to_string(b) + "]\r\nButtonID=" + std::to_string(b) + "\r\nButtonFunc=" +
                    std::to_string(functions[b - 1]) + "\r\nLoopNumber=1\r\nKeyNumber=0\r\nMacroName=\r\n";
    }
    EXPECT_EQ(expected, TestFolder::ReadBytes(ProfileFilePath(2)));
    EXPECT_EQ(L"RSProfile3.pfd", ProfileFilePath(2).substr(folder.Path().size()));
}

TEST_F(ProfileFiles, AccelerationWrittenInLowerCaseIsReadAndReplaced) {
    TestFolder::WriteBytes(ProfileFilePath(0), "[GROUP]\r\nPollingRate=4\r\nacceleration=3\r\n");
    SetProfileDefaults(staging);
    LoadAllProfiles(staging);
    EXPECT_EQ(3, staging.Profiles[0].Acceleration);

    WorkingProfiles = SampleSet();
    WorkingProfiles.Profiles[0].Acceleration = 4;
    SaveAllProfiles();
    const std::vector<std::string> lines = Lines(TestFolder::ReadBytes(ProfileFilePath(0)));
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ("acceleration=4", Lower(lines[2])) << "the existing entry keeps its place";
    EXPECT_EQ(1, std::count_if(lines.begin(), lines.end(),
                               [](const std::string& line) { return Lower(line).rfind("acceleration=", 0) == 0; }));
}

TEST_F(ProfileFiles, GroupIdIsTheFifthFilesValue) {
    constexpr int kNoKey = -100;
    constexpr int kNoFile = -200;
    struct Case {
        const char* what;
        int groupIds[kProfileCount];
        std::int32_t loaded;
        std::int32_t validated;
    };
    const Case cases[] = {
        {"all the same", {1, 1, 1, 1, 1}, 1, 1},
        {"the fifth decides", {4, 4, 4, 4, 2}, 2, 2},
        {"only the fifth lacks the key", {3, 3, 3, 3, kNoKey}, -1, 0},
        {"only the fifth file is missing", {3, 3, 3, 3, kNoFile}, -1, 0},
        {"the others lack it", {kNoKey, kNoFile, kNoKey, kNoFile, 4}, 4, 4},
        {"out of range", {1, 1, 1, 1, 5}, 5, 0},
    };
    for (const Case& c : cases) {
        TestFolder caseFolder;
        UseDataFolder(caseFolder.Path());
        for (int k = 0; k < kProfileCount; ++k) {
            if (c.groupIds[k] == kNoFile) continue;
            std::string text = "[GROUP]\r\n";
            if (c.groupIds[k] != kNoKey) text += "GroupID=" + std::to_string(c.groupIds[k]) + "\r\n";
            TestFolder::WriteBytes(ProfileFilePath(k), text + "PollingRate=4\r\n");
        }
        LoadProfiles(staging);
        EXPECT_EQ(c.loaded, staging.GroupID) << c.what;
        EXPECT_EQ(c.validated, WorkingProfiles.GroupID) << c.what;
    }
}

TEST_F(ProfileFiles, ExportThenImportRestoresEverythingButLoopNumber) {
    const std::wstring path = folder.File(L"exported.pfd");
    const ProfileRecord exported = SampleRecord(2);
    ExportProfile(exported, path);

    ProfileRecord imported = SampleRecord(4);
    ImportProfile(path, imported);

    ProfileRecord expected = exported;
    for (int b = 0; b < kButtonCount; ++b) expected.Buttons[b].LoopNumber = SampleRecord(4).Buttons[b].LoopNumber;
    EXPECT_TRUE(SameRecord(expected, imported));

    const std::string text = TestFolder::ReadBytes(path);
    EXPECT_EQ(std::string::npos, text.find("GroupID"));
    EXPECT_EQ(std::string::npos, text.find("LoopNumber"));
    EXPECT_NE(std::string::npos, text.find("\r\nGroup=22\r\n"));
}

TEST_F(ProfileFiles, ExportOverAnExistingFileKeepsTheKeysItDoesNotWrite) {
    const std::wstring path = folder.File(L"exported.pfd");
    TestFolder::WriteBytes(path, "[GROUP]\r\nGroupID=4\r\nPollingRate=1\r\n[Other]\r\nKeep=yes\r\n");
    ExportProfile(SampleRecord(0), path);
    const IniFile file(path);
    EXPECT_EQ(4, file.ReadInt(L"GROUP", L"GroupID", -1));
    EXPECT_EQ(8, file.ReadInt(L"GROUP", L"PollingRate", -1));
    EXPECT_EQ(L"yes", file.ReadString(L"Other", L"Keep", L""));
}

TEST_F(ProfileFiles, ImportingAFileWithoutButtonSections) {
    const std::wstring path = folder.File(L"groups-only.pfd");
    TestFolder::WriteBytes(path, "[GROUP]\r\nPollingRate=4\r\n");
    const ProfileRecord before = SampleRecord(1);
    ProfileRecord record = before;
    ImportProfile(path, record);

    EXPECT_EQ(4, record.PollingRate);
    EXPECT_EQ(-1, record.Group);
    EXPECT_EQ(-1, record.LedMode1);
    EXPECT_EQ(0, record.LedColor1);
    EXPECT_EQ(0, record.LedDirect1);
    for (const DpiStage& stage : record.DPIStageValue) {
        EXPECT_EQ(0, stage.Enabled | stage.X | stage.Y | stage.Linked) << "an import is not repaired";
    }
    for (int b = 0; b < kButtonCount; ++b) {
        const ButtonAssignment& button = record.Buttons[b];
        EXPECT_EQ(255, button.ButtonID);
        EXPECT_EQ(255, button.ButtonFunc);
        EXPECT_EQ(255, button.KeyNumber);
        EXPECT_EQ(before.Buttons[b].LoopNumber, button.LoopNumber);
        EXPECT_EQ(0, std::memcmp(before.Buttons[b].KeyData, button.KeyData, kKeyDataBytes));
        EXPECT_EQ(kMacroNameChars + 1,
                  std::size_t(std::count(std::begin(button.MacroName), std::end(button.MacroName), L'\0')));
    }

    // Applied as it is; the next load repairs the functions only.
    WorkingProfiles = SampleSet();
    WorkingProfiles.Profiles[1] = record;
    SaveAllProfiles();
    EXPECT_NE(std::string::npos, TestFolder::ReadBytes(ProfileFilePath(1)).find("ButtonFunc=255\r\n"));
    LoadProfiles(staging);
    for (int b = 0; b < kButtonCount; ++b) {
        EXPECT_EQ(kDefaultButtonFuncs[b], WorkingProfiles.Profiles[1].Buttons[b].ButtonFunc);
        EXPECT_EQ(255, WorkingProfiles.Profiles[1].Buttons[b].ButtonID);
    }
}

TEST_F(ProfileFiles, ADamagedImportKeepsKeyDataAndLeavesStagesZero) {
    const std::wstring path = folder.File(L"damaged.pfd");
    ExportProfile(SampleRecord(3), path);
    std::string text = TestFolder::ReadBytes(path);
    // Spoil the last checksum digit of the stages and of button 1's key data.
    for (const char* key : {"DPIStageValue=", "ButtonAssigned_1="}) {
        const std::size_t end = text.find("\r\n", text.find(key));
        text[end - 1] = text[end - 1] == '0' ? '1' : '0';
    }
    TestFolder::WriteBytes(path, text);

    const ProfileRecord before = SampleRecord(0);
    ProfileRecord record = before;
    ImportProfile(path, record);
    for (const DpiStage& stage : record.DPIStageValue) EXPECT_EQ(0, stage.Enabled | stage.X | stage.Y | stage.Linked);
    EXPECT_EQ(0, std::memcmp(before.Buttons[0].KeyData, record.Buttons[0].KeyData, kKeyDataBytes));
    EXPECT_EQ(0, std::memcmp(SampleRecord(3).Buttons[1].KeyData, record.Buttons[1].KeyData, kKeyDataBytes));
}

TEST_F(ProfileFiles, ALoadedMacroNameIsCutAt259Characters) {
    const std::size_t lengths[][2] = {{0, 0}, {258, 258}, {259, 259}, {260, 259}, {2047, 259}, {100000, 259}};
    for (const auto& length : lengths) {
        const std::string name(length[0], 'm');
        TestFolder::WriteBytes(ProfileFilePath(0), "[ButtonAssigned_3]\r\nMacroName=" + name + "\r\nButtonFunc=11\r\n");
        SetProfileDefaults(staging);
        LoadAllProfiles(staging);
        const ButtonAssignment& button = staging.Profiles[0].Buttons[2];
        EXPECT_EQ(std::wstring(length[1], L'm'), button.MacroName) << length[0];
        EXPECT_EQ(11, button.ButtonFunc) << "the keys after a long line are read";
    }
}

TEST_F(ProfileFiles, AnImportedMacroNameIsCutAt50CharactersWithNothingOldLeft) {
    struct Case {
        std::size_t before;
        std::size_t inFile;
        std::size_t imported;
    };
    const Case cases[] = {{200, 60, 50}, {200, 51, 50}, {200, 50, 50}, {200, 49, 49}, {259, 0, 0}, {0, 100000, 50}};
    const std::wstring path = folder.File(L"names.pfd");
    for (const Case& c : cases) {
        TestFolder::WriteBytes(path, "[ButtonAssigned_8]\r\nMacroName=" + std::string(c.inFile, 'n') + "\r\n");
        ProfileRecord record = SampleRecord(0);
        wchar_t(&name)[kMacroNameChars + 1] = record.Buttons[7].MacroName;
        std::fill(std::begin(name), std::end(name), L'\0');
        std::fill(name, name + c.before, L'p');
        ImportProfile(path, record);
        EXPECT_EQ(std::wstring(c.imported, L'n'), name) << c.before << " " << c.inFile;
        EXPECT_EQ(kMacroNameChars + 1 - c.imported, std::size_t(std::count(std::begin(name), std::end(name), L'\0')))
            << c.before << " " << c.inFile << ": stale characters";
    }
}

TEST_F(ProfileFiles, DamagedFilesLoadWithoutCrashAndAreLeftAlone) {
    std::string garbage;
    for (int i = 0; i < 8192; ++i) garbage.push_back(static_cast<char>((i * 167 + 13) % 256));
    const DpiStage stages[kDpiStageCount] = {
        {1, 9, 9, 1}, {1, 10, 10, 1}, {1, 11, 11, 1}, {1, 12, 12, 1}, {1, 13, 13, 1},
    };
    std::string badChecksum = HexValue(stages, sizeof stages);
    badChecksum.back() = badChecksum.back() == '0' ? '1' : '0';
    std::string ones(kKeyDataBytes, '\x11');
    std::string badKeyData = HexValue(ones.data(), ones.size());
    badKeyData.back() = badKeyData.back() == '0' ? '1' : '0';
    std::u16string wide = u"[GROUP]\r\nPollingRate=4\r\n";
    const std::string utf16 = "\xFF\xFE" + std::string(reinterpret_cast<const char*>(wide.data()), 2 * wide.size());

    struct Case {
        const char* what;
        std::string content;
        std::int32_t pollingRate;  // -2: anything the repair allows
    };
    const Case cases[] = {
        {"garbage", garbage, 2},
        {"garbage after a section line", "[GROUP]\r\n" + garbage, 2},
        {"stages with a wrong checksum", "[GROUP]\r\nDPIStageValue=" + badChecksum + "\r\n", 2},
        {"stages one byte short", "[GROUP]\r\nDPIStageValue=" + HexValue(stages, sizeof stages - 1) + "\r\n", 2},
        {"stages one digit long", "[GROUP]\r\nDPIStageValue=0" + HexValue(stages, sizeof stages) + "\r\n", 2},
        {"key data with a wrong checksum", "[GROUP]\r\nButtonAssigned_1=" + badKeyData + "\r\n", 2},
        {"non-numeric integers",
         "[GROUP]\r\nPollingRate=fast\r\nWheelScrollLines=many\r\nLIFT=9x\r\n"
         "[ButtonAssigned_1]\r\nButtonFunc=left\r\n",
         0},
        {"lines of 100 000 characters",
         "[GROUP]\r\nPollingRate=" + std::string(100000, '9') + "\r\nDPIStageValue=" + std::string(100000, '0') +
             "\r\n" + std::string(100000, 'x') + "\r\n[ButtonAssigned_1]\r\nMacroName=" + std::string(100000, 'm') +
             "\r\n",
         -2},
        {"UTF-16 text", utf16, 4},
        {"UTF-16 mark and an odd byte", "\xFF\xFE[", 2},
        {"only brackets and equals signs", std::string(50000, '[') + "\r\n" + std::string(50000, '='), 2},
        {"empty", "", 2},
    };
    for (const Case& c : cases) {
        TestFolder caseFolder;
        UseDataFolder(caseFolder.Path());
        TestFolder::WriteBytes(ProfileFilePath(0), c.content);

        LoadProfiles(staging);

        const ProfileRecord& record = WorkingProfiles.Profiles[0];
        if (c.pollingRate == -2) {
            EXPECT_LE(static_cast<std::uint32_t>(record.PollingRate), 8u) << c.what;
        } else {
            EXPECT_EQ(c.pollingRate, record.PollingRate) << c.what;
        }
        EXPECT_EQ(3, record.WheelScrollLines) << c.what;
        EXPECT_EQ(3, record.LIFT) << c.what;
        ExpectDefaultStages(record, 0, c.what);
        EXPECT_EQ(kKeyDataBytes, std::size_t(std::count(std::begin(record.Buttons[0].KeyData),
                                                        std::end(record.Buttons[0].KeyData), 0)))
            << c.what;
        EXPECT_LE(wcsnlen(record.Buttons[0].MacroName, kMacroNameChars + 1), kMacroNameChars) << c.what;
        EXPECT_EQ(c.content, TestFolder::ReadBytes(ProfileFilePath(0))) << c.what << ": loading changed the file";
        for (int k = 1; k < kProfileCount; ++k) {
            EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(ProfileFilePath(k).c_str())) << c.what;
        }
    }
}

TEST_F(ProfileFiles, AMissingDataFolderLoadsDefaultsAndIsNotCreated) {
    UseDataFolder(folder.Path() + L"missing\\");
    WorkingProfiles = SampleSet();
    EXPECT_FALSE(SaveAllProfiles());
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(folder.File(L"missing").c_str()));

    LoadProfiles(staging);
    EXPECT_EQ(0, WorkingProfiles.GroupID);
    for (int k = 0; k < kProfileCount; ++k) ExpectRepairedDefaults(WorkingProfiles.Profiles[k], k);
}

TEST_F(ProfileFiles, FilesThatCannotBeWrittenLoadAndAreLeftUnchanged) {
    const std::string content = "[GROUP]\r\nGroupID=1\r\nPollingRate=4\r\n";
    TestFolder::WriteBytes(ProfileFilePath(3), content);
    TestFolder::WriteBytes(ProfileFilePath(4), content);
    ASSERT_TRUE(SetFileAttributesW(ProfileFilePath(3).c_str(), FILE_ATTRIBUTE_READONLY));
    // Another program holds the fifth file open for reading only.
    HANDLE held = CreateFileW(ProfileFilePath(4).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    // An administrator may write a read-only file anyway (root under Wine does).
    HANDLE probe = CreateFileW(ProfileFilePath(3).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    const bool readOnlyHolds = probe == INVALID_HANDLE_VALUE;
    if (!readOnlyHolds) CloseHandle(probe);

    LoadProfiles(staging);
    EXPECT_EQ(1, WorkingProfiles.GroupID);
    EXPECT_EQ(4, WorkingProfiles.Profiles[3].PollingRate);
    EXPECT_EQ(4, WorkingProfiles.Profiles[4].PollingRate);

    WorkingProfiles = SampleSet();
    EXPECT_FALSE(SaveAllProfiles()) << "a file held open was reported as written";
    CloseHandle(held);
    EXPECT_EQ(content, TestFolder::ReadBytes(ProfileFilePath(4)));
    if (readOnlyHolds) {
        EXPECT_EQ(content, TestFolder::ReadBytes(ProfileFilePath(3)));
    }
    EXPECT_NE(std::string::npos, TestFolder::ReadBytes(ProfileFilePath(2)).find("\r\nLIFT=3\r\n"));
    SetFileAttributesW(ProfileFilePath(3).c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(ProfileFiles, TheLiveFilesAndTheMacroFolderAreProtectedHoweverSpelled) {
    const std::wstring data = folder.Path();
    CreateDirectoryW((data + L"sub").c_str(), nullptr);
    CreateDirectoryW((data + L"MacroDB").c_str(), nullptr);
    std::wstring forward = data + L"RSProfile3.pfd";
    std::replace(forward.begin(), forward.end(), L'\\', L'/');
    struct Case {
        std::wstring path;
        bool isProtected;
    };
    const Case cases[] = {
        {data + L"RSProfile1.pfd", true},
        {data + L"RSProfile5.pfd", true},
        {data + L"rsprofile2.PFD", true},
        {data + L"sub\\..\\RSProfile2.pfd", true},
        {data + L".\\sub\\..\\.\\RSPROFILE4.pfd", true},
        {forward, true},
        {data + L"MacroDB\\MacroSet.MSDB", true},
        {data + L"macrodb\\Any name.pfd", true},
        {data + L"MacroDB\\deeper\\x.pfd", true},
        {data + L"MacroDB", true},
        {data + L"sub\\..\\MACRODB\\x.pfd", true},
        {data + L"RSProfile6.pfd", false},
        {data + L"RSProfile0.pfd", false},
        {data + L"RSProfile1.pfd.pfd", false},
        {data + L"Exported.pfd", false},
        {data + L"sub\\RSProfile2.pfd", false},
        {data + L"MacroDBx\\x.pfd", false},
        {data + L"MacroDB.pfd", false},
        {L"", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.isProtected, IsProtectedDataFile(c.path)) << std::string(c.path.begin(), c.path.end());
    }

    // A name relative to the working directory is resolved before it is compared.
    wchar_t previous[MAX_PATH] = L"";
    GetCurrentDirectoryW(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryW((data + L"sub").c_str()));
    EXPECT_TRUE(IsProtectedDataFile(L"..\\RSProfile1.pfd"));
    EXPECT_TRUE(IsProtectedDataFile(L"..\\MacroDB\\m.MSMACRO"));
    EXPECT_FALSE(IsProtectedDataFile(L"RSProfile1.pfd"));
    SetCurrentDirectoryW(previous);
}
}  // namespace
