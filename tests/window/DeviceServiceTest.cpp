#include "device/DeviceLink.h"
#include "device/DeviceService.h"
#include "framework/CWnd.h"
#include "framework/Messages.h"
#include "macro/MacroLibrary.h"
#include "profile/IniFile.h"
#include "profile/ProfileFiles.h"
#include "profile/ProfileSet.h"
#include "support/TestFolder.h"
#include "unit/DeviceRecordingView.h"
#include "unit/MacroTestData.h"

#include <gtest/gtest.h>

#include <array>
#include <cwchar>
#include <string>
#include <thread>
#include <vector>

namespace {
struct Received {
    UINT message;
    long long wParam;
    long long lParam;
    bool operator==(const Received& other) const {
        return message == other.message && wParam == other.wParam && lParam == other.lParam;
    }
};

bool AllProfileFilesComplete() {
    for (int k = 0; k < kProfileCount; ++k) {
        std::array<unsigned char, kKeyDataBytes> keyData{};
        if (!IniFile(ProfileFilePath(k)).ReadStruct(L"GROUP", L"ButtonAssigned_8", keyData.data(), kKeyDataBytes)) {
            return false;
        }
    }
    return true;
}

// Stands in for the device service in this process: records what the tool sends it and whether
// the profile files were complete when the apply message came.
class RecordingService : public CWnd {
public:
    RecordingService() { CreateEx(0, L"STATIC", SERVICE_WINDOW_TITLE, WS_POPUP, RECT{0, 0, 1, 1}, nullptr, 0); }

    std::vector<Received> received;
    bool filesCompleteOnApply = false;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_SERVICE_APPLY || message == WM_SERVICE_MACRO_CHANGED || message == WM_SERVICE_MACRO_BUTTON) {
            if (message == WM_SERVICE_APPLY) filesCompleteOnApply = AllProfileFilesComplete();
            received.push_back({message, static_cast<long long>(wParam), lParam});
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// A service window whose thread never reads its messages, as a hung service's.
class HungService {
public:
    HungService() : thread([this] { Run(); }) { ::WaitForSingleObject(created, INFINITE); }
    ~HungService() {
        ::SetEvent(release);
        thread.join();
        ::CloseHandle(created);
        ::CloseHandle(release);
    }
    HungService(const HungService&) = delete;
    HungService& operator=(const HungService&) = delete;

private:
    void Run() {
        HWND window = ::CreateWindowExW(0, L"STATIC", SERVICE_WINDOW_TITLE, WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                        nullptr, nullptr);
        ::SetEvent(created);
        ::WaitForSingleObject(release, INFINITE);
        ::DestroyWindow(window);
    }

    HANDLE created = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE release = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::thread thread;
};

void AssignMacro(ProfileSet& set, int profile, int button, std::uint8_t function, const wchar_t* name) {
    ButtonAssignment& assignment = set.Profiles[static_cast<size_t>(profile)].Buttons[static_cast<size_t>(button)];
    assignment.ButtonFunc = function;
    wcscpy_s(assignment.MacroName, name);
}

class DeviceService : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(nullptr, FindServiceWindow()) << "a device service from elsewhere is running";
        WorkingProfiles = ProfileSet{};
        WorkingProfiles.GroupID = 2;
    }

    MacroDataFolder folder;
    DeviceRecordingView view;
    DeviceLink link{view, WorkingProfiles};
};

// Nobody would confirm the apply: the bottom row is not locked, and the device shows as absent.
TEST_F(DeviceService, ApplyWithoutServiceWritesAllFiveFilesAndLeavesTheBottomRowEnabled) {
    EXPECT_TRUE(link.ApplyProfiles());

    EXPECT_TRUE(AllProfileFilesComplete());
    EXPECT_EQ(2, IniFile(ProfileFilePath(4)).ReadInt(L"GROUP", L"GroupID", -1));
    EXPECT_EQ((std::vector<std::string>{"StopTimer 532", "ShowDevicePresentLabel 0", "ShowDeviceAbsentLabel 1"}),
              view.calls);
}

TEST_F(DeviceService, ApplySendsOnceTheFiveFilesAreComplete) {
    RecordingService service;

    EXPECT_TRUE(link.ApplyProfiles());

    EXPECT_EQ((std::vector<Received>{{WM_SERVICE_APPLY, 0, 0}}), service.received);
    EXPECT_TRUE(service.filesCompleteOnApply);
    EXPECT_EQ((std::vector<std::string>{"EnableBottomButtons 0", "StartTimer 535 10000"}), view.calls);
}

TEST_F(DeviceService, MacroButtonsGoOutInProfileAndButtonOrderForTheExactNameOnly) {
    RecordingService service;
    ProfileSet set{};
    AssignMacro(set, 0, 3, FUNC_MACRO, L"Fire");
    AssignMacro(set, 0, 1, FUNC_MACRO, L"Fire");
    AssignMacro(set, 1, 5, FUNC_MACRO, L"Fire2");       // longer name
    AssignMacro(set, 2, 0, FUNC_MACRO, L"fire");        // other letter case
    AssignMacro(set, 3, 7, FUNC_FIRE_KEY, L"Fire");     // not a macro button
    AssignMacro(set, 4, 2, FUNC_MACRO, L"Fire");
    // A name that fills its field without a terminator is compared up to the field's end.
    ButtonAssignment& full = set.Profiles[4].Buttons[6];
    full.ButtonFunc = FUNC_MACRO;
    std::fill(std::begin(full.MacroName), std::end(full.MacroName), L'F');

    SendMacroButtons(set, L"Fire");

    EXPECT_EQ((std::vector<Received>{{WM_SERVICE_MACRO_BUTTON, 0, 1},
                                     {WM_SERVICE_MACRO_BUTTON, 0, 3},
                                     {WM_SERVICE_MACRO_BUTTON, 4, 2}}),
              service.received);
}

TEST_F(DeviceService, MacroChangedCarriesTheLibrarySlotOrMinusOne) {
    RecordingService service;
    MacroLibrary().WriteMacroList({L"Burst", L"Fire"});

    SendMacroChanged(L"Fire");
    SendMacroChanged(L"fire");

    EXPECT_EQ((std::vector<Received>{{WM_SERVICE_MACRO_CHANGED, 1, 0}, {WM_SERVICE_MACRO_CHANGED, -1, 0}}),
              service.received);
}

// The messages and their parameters as the device service knows them, written out as numbers.
TEST_F(DeviceService, TheServiceReceivesTheNumbersItKnows) {
    RecordingService service;
    MacroLibrary().WriteMacroList({L"Burst", L"Fire"});
    ProfileSet set{};
    AssignMacro(set, 4, 2, FUNC_MACRO, L"Fire");

    link.ApplyProfiles();
    SendMacroChanged(L"Fire");
    SendMacroButtons(set, L"Fire");

    EXPECT_EQ((std::vector<Received>{{1246, 0, 0}, {5396, 1, 0}, {5398, 4, 2}}), service.received);
}

TEST_F(DeviceService, NothingIsSentWithoutServiceWindow) {
    ProfileSet set{};
    AssignMacro(set, 0, 0, FUNC_MACRO, L"Fire");
    SendMacroButtons(set, L"Fire");
    SendMacroChanged(L"Fire");
    EXPECT_EQ(ServiceReply::Missing, SendToService(FindServiceWindow(), WM_SERVICE_APPLY, 0, 0));
}

TEST_F(DeviceService, HungServiceCountsAsMissingAndTheFilesAreWrittenAllTheSame) {
    HungService service;
    ASSERT_NE(nullptr, FindServiceWindow());

    EXPECT_EQ(ServiceReply::Missing, SendToService(FindServiceWindow(), WM_SERVICE_APPLY, 0, 0));
    link.ApplyProfiles();

    EXPECT_TRUE(AllProfileFilesComplete());
    EXPECT_EQ((std::vector<std::string>{"EnableBottomButtons 0", "StartTimer 535 10000"}), view.calls)
        << "the row is locked until the confirmation's time runs out";
}

// What the system answers a message to a service of a higher integrity level (an elevated one).
ServiceReply RefusedByPrivilegeIsolation(HWND, UINT, WPARAM, LPARAM) {
    return ServiceReplyOf(FALSE, ERROR_ACCESS_DENIED, true);
}

// No confirmation can come from a service that never got the message.
TEST_F(DeviceService, AnApplyTheServiceRefusesUnlocksTheRowAtOnceAndSaysWhy) {
    RecordingService service;
    IniFile(folder.MacroFile(L"MacroSet.MSDB")).WriteInt(L"Setting", L"Device", 1);
    DeviceLink refusedLink{view, WorkingProfiles, RefusedByPrivilegeIsolation};

    EXPECT_TRUE(refusedLink.ApplyProfiles());

    EXPECT_TRUE(AllProfileFilesComplete());
    EXPECT_EQ((std::vector<std::string>{"EnableBottomButtons 0", "StartTimer 535 10000", "StopTimer 534",
                                        "StopTimer 535", "EnableBottomButtons 1", "ShowServiceRightsWarning"}),
              view.calls);
}

TEST_F(DeviceService, StartShowsTheDeviceFlagWhenTheServiceRuns) {
    RecordingService service;
    IniFile library(folder.MacroFile(L"MacroSet.MSDB"));

    library.WriteInt(L"Setting", L"Device", 1);
    link.StartDeviceService();
    EXPECT_EQ((std::vector<std::string>{"EnableApplyButton 1"}), view.calls);

    library.WriteInt(L"Setting", L"Device", 0);
    view.calls.clear();
    link.StartDeviceService();
    EXPECT_EQ((std::vector<std::string>{"ShowDeviceAbsentLabel 1", "EnableApplyButton 0"}), view.calls);
    EXPECT_TRUE(service.received.empty());
}

using Calls = std::vector<std::string>;
const Calls kLocked = {"EnableBottomButtons 0", "StartTimer 535 10000"};
const Calls kUnlocked = {"StopTimer 534", "StopTimer 535", "EnableBottomButtons 1"};

// The service answers every apply, but one answer comes after the tool gave up waiting for it:
// that answer must not unlock the apply that follows.
TEST_F(DeviceService, ALateConfirmationDoesNotUnlockTheNextApplyEarly) {
    RecordingService service;
    IniFile(folder.MacroFile(L"MacroSet.MSDB")).WriteInt(L"Setting", L"Device", 1);

    link.ApplyProfiles();
    EXPECT_EQ(kLocked, view.calls);
    view.calls.clear();
    link.OnTimer(TIMER_APPLY_UNCONFIRMED);
    EXPECT_EQ(kUnlocked, view.calls) << "the confirmation's time ran out";

    view.calls.clear();
    link.ApplyProfiles();
    link.OnDeviceSetting(SETTING_APPLY_DONE, 0);
    EXPECT_EQ(kLocked, view.calls) << "the first apply's late answer unlocked the second";

    view.calls.clear();
    link.OnDeviceSetting(SETTING_APPLY_DONE, 0);
    EXPECT_EQ((Calls{"StartTimer 534 500"}), view.calls) << "the second apply's own answer";
    view.calls.clear();
    link.OnTimer(TIMER_APPLY_DONE);
    EXPECT_EQ(kUnlocked, view.calls);

    view.calls.clear();
    link.OnDeviceSetting(SETTING_APPLY_DONE, 0);
    EXPECT_TRUE(view.calls.empty()) << "an answer with no apply waiting";
    EXPECT_EQ(2u, service.received.size());
}

TEST_F(DeviceService, AConfirmedApplyUnlocksWithApplyDisabledWhileTheMouseIsAbsent) {
    RecordingService service;
    IniFile(folder.MacroFile(L"MacroSet.MSDB")).WriteInt(L"Setting", L"Device", 0);

    link.ApplyProfiles();
    link.OnDeviceSetting(SETTING_APPLY_DONE, 0);
    link.OnTimer(TIMER_APPLY_DONE);

    Calls expected = kLocked;
    expected.push_back("StartTimer 534 500");
    expected.insert(expected.end(), kUnlocked.begin(), kUnlocked.end());
    expected.push_back("EnableApplyButton 0");
    EXPECT_EQ(expected, view.calls);
}

// Files that could not be written are never applied: the service would program the mouse from
// the old ones. The user is told, and the row is usable again at once.
TEST_F(DeviceService, ASaveThatFailsWarnsSendsNoApplyAndUnlocks) {
    RecordingService service;
    const std::wstring blocker = std::wstring(DataFolder) + L"not a folder";
    TestFolder::WriteBytes(blocker, "x");
    wcscpy_s(DataFolder, kFolderChars, (blocker + L"\\").c_str());

    EXPECT_FALSE(link.ApplyProfiles());

    EXPECT_TRUE(service.received.empty());
    Calls expected = {"EnableBottomButtons 0", "ShowSaveFailedWarning"};
    expected.insert(expected.end(), kUnlocked.begin(), kUnlocked.end());
    expected.push_back("EnableApplyButton 0");
    EXPECT_EQ(expected, view.calls);

    view.calls.clear();
    link.OnDeviceSetting(SETTING_APPLY_DONE, 0);
    EXPECT_TRUE(view.calls.empty()) << "nothing was waiting for an answer";
}

TEST_F(DeviceService, ASaveThatFailsWithoutServiceWarnsAndLeavesApplyUsable) {
    wcscpy_s(DataFolder, kFolderChars, (std::wstring(DataFolder) + L"missing\\").c_str());

    EXPECT_FALSE(link.ApplyProfiles());

    EXPECT_EQ((Calls{"ShowSaveFailedWarning", "StopTimer 532", "ShowDevicePresentLabel 0", "ShowDeviceAbsentLabel 1"}),
              view.calls);
}
}  // namespace
