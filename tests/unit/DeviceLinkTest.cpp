#include "device/DeviceLink.h"
#include "device/DeviceService.h"
#include "profile/IniFile.h"
#include "profile/ProfileSet.h"
#include "unit/DeviceRecordingView.h"
#include "unit/MacroTestData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>
#include <vector>

namespace {
using Calls = std::vector<std::string>;

// Every profile's fields differ, so a change to the wrong profile shows.
ProfileSet DistinctProfiles(int groupId) {
    ProfileSet set{};
    set.GroupID = groupId;
    for (int k = 0; k < kProfileCount; ++k) {
        ProfileRecord& record = set.Profiles[static_cast<size_t>(k)];
        record.DPI = k;
        record.PollingRate = 0;
        record.LedMode1 = 4;
        record.MouseSensitivity = 10 + k;
    }
    return set;
}

struct SettingCase {
    const char* what;
    int groupId;
    int currentProfile;
    int id;
    int value;
    std::int32_t ProfileRecord::*field;  // null: no profile changes
    int changedProfile;
    int stored;
    Calls calls;
};

const SettingCase kSettingCases[] = {
    {"reload with a value does nothing", 1, 1, SETTING_RELOAD, 1, nullptr, 0, 0, {}},
    {"reload", 1, 1, SETTING_RELOAD, 0, nullptr, 0, 0, {"ReloadProfiles"}},
    {"dpi stage of the active profile", 1, 1, SETTING_DPI_STAGE, 2, &ProfileRecord::DPI, 1, 2, {"ShowCurrentStage 2"}},
    {"dpi stage shown for the current profile", 0, 3, SETTING_DPI_STAGE, 4, &ProfileRecord::DPI, 0, 4,
     {"ShowCurrentStage 3"}},
    {"a dpi stage past the fifth is ignored", 1, 1, SETTING_DPI_STAGE, INT_MAX, &ProfileRecord::DPI, 1, 1,
     {"ShowCurrentStage 1"}},
    {"a negative dpi stage is ignored", 3, 3, SETTING_DPI_STAGE, -1, &ProfileRecord::DPI, 3, 3,
     {"ShowCurrentStage 3"}},
    {"dpi stage without an active profile", -1, 2, SETTING_DPI_STAGE, 2, nullptr, 0, 0, {"ShowCurrentStage 2"}},
    {"profile", 1, 1, SETTING_PROFILE, 3, nullptr, 0, 0, {"SelectProfile 3"}},
    {"profile past the fifth", 1, 1, SETTING_PROFILE, 5, nullptr, 0, 0, {}},
    {"negative profile", 1, 1, SETTING_PROFILE, -1, nullptr, 0, 0, {}},
    {"polling 8", 0, 2, SETTING_POLLING, 8, &ProfileRecord::PollingRate, 2, 8, {"ShowPollingRate 8"}},
    {"polling 4", 2, 2, SETTING_POLLING, 4, &ProfileRecord::PollingRate, 2, 4, {"ShowPollingRate 4"}},
    {"polling 2", 2, 2, SETTING_POLLING, 2, &ProfileRecord::PollingRate, 2, 2, {"ShowPollingRate 2"}},
    {"polling 1", 2, 2, SETTING_POLLING, 1, &ProfileRecord::PollingRate, 2, 1, {"ShowPollingRate 1"}},
    {"polling 3 stores 2", 2, 2, SETTING_POLLING, 3, &ProfileRecord::PollingRate, 2, 2, {"ShowPollingRate 2"}},
    {"polling -1 stores 2", 2, 2, SETTING_POLLING, -1, &ProfileRecord::PollingRate, 2, 2, {"ShowPollingRate 2"}},
    {"led mode", 3, 0, SETTING_LED_MODE, 1, &ProfileRecord::LedMode1, 3, 1, {"ApplyLedMode 1"}},
    {"led mode 5", 3, 3, SETTING_LED_MODE, 5, &ProfileRecord::LedMode1, 3, 5, {"ApplyLedMode 5"}},
    {"led mode 6 is ignored", 3, 3, SETTING_LED_MODE, 6, &ProfileRecord::LedMode1, 3, 4, {}},
    {"led mode -1 is ignored", 3, 3, SETTING_LED_MODE, -1, &ProfileRecord::LedMode1, 3, 4, {}},
    {"sensitivity", 4, 4, SETTING_SENSITIVITY, 7, &ProfileRecord::MouseSensitivity, 4, 7,
     {"SetSensitivitySlider 7"}},
    {"sensitivity 21 is ignored", 4, 4, SETTING_SENSITIVITY, 21, &ProfileRecord::MouseSensitivity, 4, 14,
     {"SetSensitivitySlider 14"}},
    {"sensitivity 0 is ignored", 4, 4, SETTING_SENSITIVITY, 0, &ProfileRecord::MouseSensitivity, 4, 14,
     {"SetSensitivitySlider 14"}},
    {"sensitivity of another profile", 4, 1, SETTING_SENSITIVITY, 7, &ProfileRecord::MouseSensitivity, 4, 7,
     {"SetSensitivitySlider 11"}},
    {"apply done with no apply waiting", 0, 0, SETTING_APPLY_DONE, 0, nullptr, 0, 0, {}},
    {"unknown id", 0, 0, 13, 5, nullptr, 0, 0, {}},
    {"another unknown id", 0, 0, 1, 0, nullptr, 0, 0, {}},
};

TEST(DeviceLink, EverySettingIdChangesTheWorkingCopyAndShowsWhatTheTableSays) {
    for (const SettingCase& c : kSettingCases) {
        ProfileSet profiles = DistinctProfiles(c.groupId);
        ProfileSet expected = profiles;
        if (c.field) expected.Profiles[static_cast<size_t>(c.changedProfile)].*c.field = c.stored;
        DeviceRecordingView view;
        view.currentProfile = c.currentProfile;

        DeviceLink(view, profiles).OnDeviceSetting(c.id, c.value);

        EXPECT_EQ(0, std::memcmp(&expected, &profiles, sizeof(ProfileSet))) << c.what;
        EXPECT_EQ(c.calls, view.calls) << c.what;
    }
}

// The device's current stage is one of its cycle; a stage the user took out of it is ignored.
TEST(DeviceLink, ADpiStageOutsideTheCycleIsIgnored) {
    for (int stage = 0; stage < kDpiStageCount; ++stage) {
        ProfileSet profiles = DistinctProfiles(2);
        for (int s = 0; s < kDpiStageCount; ++s) {
            profiles.Profiles[2].DPIStageValue[static_cast<size_t>(s)] = DpiStage{s == 3 ? 0 : 1, 8, 8, 0};
        }
        DeviceRecordingView view;
        view.currentProfile = 2;
        DeviceLink(view, profiles).OnDeviceSetting(SETTING_DPI_STAGE, stage);
        EXPECT_EQ(stage == 3 ? 2 : stage, profiles.Profiles[2].DPI) << stage;
    }
}

class DevicePresence : public ::testing::Test {
protected:
    void WriteDeviceFlag(int flag) { IniFile(folder.MacroFile(L"MacroSet.MSDB")).WriteInt(L"Setting", L"Device", flag); }

    MacroDataFolder folder;
    ProfileSet profiles{};
    DeviceRecordingView view;
    DeviceLink link{view, profiles};
};

const Calls kPresent = {"EnableApplyButton 1", "ShowDevicePresentLabel 0", "ShowDeviceAbsentLabel 0",
                        "StartTimer 532 500"};
const Calls kAbsent = {"StopTimer 532", "EnableApplyButton 0", "ShowDevicePresentLabel 0", "ShowDeviceAbsentLabel 1"};

TEST_F(DevicePresence, FlagDecidesBetweenPresentAndAbsent) {
    link.OnDevicePresence();
    EXPECT_EQ(kAbsent, view.calls) << "no macro library";

    WriteDeviceFlag(1);
    view.calls.clear();
    link.OnDevicePresence();
    EXPECT_EQ(kPresent, view.calls);

    WriteDeviceFlag(0);
    view.calls.clear();
    link.OnDevicePresence();
    EXPECT_EQ(kAbsent, view.calls);
}

TEST_F(DevicePresence, PresentLabelBlinksThreeTimesOverEightTicksAndEndsHidden) {
    WriteDeviceFlag(1);
    link.OnDevicePresence();
    view.calls.clear();

    for (int tick = 0; tick < 8; ++tick) EXPECT_TRUE(link.OnTimer(TIMER_STATUS_BLINK));

    EXPECT_EQ((Calls{"ShowDevicePresentLabel 0", "ShowDevicePresentLabel 1", "ShowDevicePresentLabel 0",
                     "ShowDevicePresentLabel 1", "ShowDevicePresentLabel 0", "ShowDevicePresentLabel 1",
                     "ShowDevicePresentLabel 0", "StopTimer 532", "ShowDevicePresentLabel 0"}),
              view.calls);
}

TEST_F(DevicePresence, SecondPresenceRestartsTheBlinkFromTheBeginning) {
    WriteDeviceFlag(1);
    link.OnDevicePresence();
    for (int tick = 0; tick < 5; ++tick) link.OnTimer(TIMER_STATUS_BLINK);

    link.OnDevicePresence();
    view.calls.clear();
    int ticksUntilStopped = 0;
    while (ticksUntilStopped < 20 && std::find(view.calls.begin(), view.calls.end(), "StopTimer 532") == view.calls.end()) {
        link.OnTimer(TIMER_STATUS_BLINK);
        ++ticksUntilStopped;
    }
    EXPECT_EQ(8, ticksUntilStopped);
    EXPECT_EQ("ShowDevicePresentLabel 0", view.calls.front()) << "the first tick after a restart hides the label";
}

// A message dropped by the system (the service runs elevated) is told apart from a missing or
// hung service.
TEST(DeviceLink, ARefusedSendIsToldApartFromAMissingService) {
    struct Case {
        BOOL sent;
        DWORD error;
        bool windowStillThere;
        ServiceReply reply;
    };
    const Case cases[] = {
        {TRUE, ERROR_SUCCESS, true, ServiceReply::Answered},
        {TRUE, ERROR_ACCESS_DENIED, true, ServiceReply::Answered},
        {FALSE, ERROR_TIMEOUT, true, ServiceReply::Missing},
        {FALSE, ERROR_INVALID_WINDOW_HANDLE, false, ServiceReply::Missing},
        {FALSE, ERROR_ACCESS_DENIED, true, ServiceReply::Refused},
        // A service killed during the send: Wine reports access denied for it.
        {FALSE, ERROR_ACCESS_DENIED, false, ServiceReply::Missing},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.reply, ServiceReplyOf(c.sent, c.error, c.windowStillThere))
            << c.sent << " " << c.error << " " << c.windowStillThere;
    }
}

TEST(DeviceLink, TheServiceIsStartedByItsQuotedFullPath) {
    EXPECT_EQ(L"\"C:\\Program Files\\Orvane\\hid.exe\"", ServiceCommandLine(L"C:\\Program Files\\Orvane\\"));
}

// Each unlock leaves Apply as the device flag says; here there is no macro library, so no mouse.
TEST(DeviceLink, BothLockTimersUnlockTheBottomRowWithApplyFollowingTheDeviceFlag) {
    for (UINT_PTR timer : {TIMER_APPLY_DONE, TIMER_APPLY_UNCONFIRMED}) {
        ProfileSet profiles{};
        DeviceRecordingView view;
        DeviceLink link(view, profiles);

        EXPECT_TRUE(link.OnTimer(timer));
        EXPECT_FALSE(link.OnTimer(99));

        EXPECT_EQ((Calls{"StopTimer 534", "StopTimer 535", "EnableBottomButtons 1", "EnableApplyButton 0"}),
                  view.calls)
            << timer;
    }
}
}  // namespace
