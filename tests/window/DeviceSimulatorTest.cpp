// The device link against the real device simulator hid.exe built beside the tests. The current
// user's documents folder is moved to a test folder meanwhile, so the simulator, which finds its
// data folder as the tool does, shares that folder with this process.
#include "device/DeviceLink.h"
#include "device/DeviceService.h"
#include "framework/CWnd.h"
#include "framework/Folders.h"
#include "framework/Messages.h"
#include "profile/IniFile.h"
#include "profile/ProfileFiles.h"
#include "profile/ProfileSet.h"
#include "support/TestFolder.h"
#include "support/WindowTestSupport.h"
#include "unit/DeviceRecordingView.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// Stands in for the tool's window "Orvane": records what the simulator tells it.
class RecordingTool : public CWnd {
public:
    RecordingTool() { CreateEx(0, L"STATIC", TOOL_WINDOW_TITLE, WS_POPUP, RECT{0, 0, 1, 1}, nullptr, 0); }

    std::vector<std::pair<long long, long long>> settings;  // (id, value) of WM_DEVICE_SETTING
    int presences = 0;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_DEVICE_SETTING) settings.emplace_back(static_cast<long long>(wParam), lParam);
        if (message == WM_DEVICE_PRESENCE) ++presences;
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// Handles this thread's messages until `done` holds, for at most `milliseconds`.
bool PumpUntil(const std::function<bool()>& done, DWORD milliseconds = 20000) {
    const DWORD start = ::GetTickCount();
    while (!done()) {
        if (::GetTickCount() - start > milliseconds) return false;
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&message);
        ::Sleep(20);
    }
    return true;
}

class SimulatorLink : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(nullptr, FindServiceWindow()) << "a device service from elsewhere is running";
        InitFolders();
        ASSERT_EQ(documents.Path() + L"Orvane\\", std::wstring(DataFolder));
        simulator = Start(L"");
        ASSERT_NE(nullptr, simulator);
        ASSERT_TRUE(PumpUntil([] { return FindServiceWindow() != nullptr; })) << "hid.exe did not open its window";
    }

    void TearDown() override {
        if (!simulator) return;
        Run(L"quit");
        if (::WaitForSingleObject(simulator, 10000) != WAIT_OBJECT_0) ::TerminateProcess(simulator, 1);
        ::CloseHandle(simulator);
    }

    // Starts hid.exe with `arguments`; null when it could not be started.
    static HANDLE Start(const std::wstring& arguments) {
        std::wstring commandLine = L"\"" + std::wstring(AppDirectory) + L"hid.exe\" " + arguments;
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION process{};
        if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                              &process)) {
            return nullptr;
        }
        ::CloseHandle(process.hThread);
        return process.hProcess;
    }

    // Runs hid.exe with a control command and returns its exit code.
    static DWORD Run(const std::wstring& arguments) {
        HANDLE process = Start(arguments);
        if (!process) return 99;
        DWORD code = 98;
        if (::WaitForSingleObject(process, 20000) == WAIT_OBJECT_0) ::GetExitCodeProcess(process, &code);
        ::CloseHandle(process);
        return code;
    }

    static std::string Log() { return TestFolder::ReadBytes(std::wstring(DataFolder) + L"hid-simulator.log"); }

    bool LogShows(const std::string& text) {
        return PumpUntil([&] { return Log().find(text) != std::string::npos; });
    }

    bool ToolGets(long long id, long long value) {
        return PumpUntil([&] {
            for (const auto& setting : tool.settings) {
                if (setting == std::make_pair(id, value)) return true;
            }
            return false;
        });
    }

    TestFolder documents;
    DocumentsRedirect redirect{documents.Path()};
    RecordingTool tool;
    HANDLE simulator = nullptr;
};

TEST_F(SimulatorLink, StartMakesTheSharedFoldersMarksTheDevicePresentAndTellsTheTool) {
    EXPECT_TRUE(PumpUntil([&] { return tool.presences > 0; }));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW((std::wstring(DataFolder) + L"MacroDB").c_str()));
    EXPECT_EQ(1, ReadDeviceFlag());
    EXPECT_TRUE(LogShows("started"));
}

TEST_F(SimulatorLink, ApplyReachesTheSimulatorWithTheFiveFilesCompleteAndComesBackDone) {
    WorkingProfiles = ProfileSet{};
    WorkingProfiles.GroupID = 3;
    DeviceRecordingView view;
    DeviceLink link(view, WorkingProfiles);

    link.ApplyProfiles();

    EXPECT_TRUE(LogShows("received WM_SERVICE_APPLY 0 0 complete-files=5 active-profile=4")) << Log();
    ASSERT_TRUE(ToolGets(SETTING_APPLY_DONE, 0));
    link.OnDeviceSetting(SETTING_APPLY_DONE, 0);
    EXPECT_EQ((std::vector<std::string>{"EnableBottomButtons 0", "StartTimer 534 500"}), view.calls);
}

TEST_F(SimulatorLink, MacroMessagesReachTheSimulator) {
    ProfileSet set{};
    set.Profiles[2].Buttons[6].ButtonFunc = FUNC_MACRO;
    wcscpy_s(set.Profiles[2].Buttons[6].MacroName, L"Fire");

    SendMacroChanged(L"Fire");
    SendMacroButtons(set, L"Fire");

    EXPECT_TRUE(LogShows("received WM_SERVICE_MACRO_CHANGED -1 0")) << Log();
    EXPECT_TRUE(LogShows("received WM_SERVICE_MACRO_BUTTON 2 6")) << Log();
}

TEST_F(SimulatorLink, ControlCommandsPlayTheDevicesSide) {
    WorkingProfiles = ProfileSet{};
    WorkingProfiles.GroupID = 1;
    ProfileRecord& active = WorkingProfiles.Profiles[1];
    active.DPI = 3;
    for (size_t s = 0; s < active.DPIStageValue.size(); ++s) {
        active.DPIStageValue[s] = DpiStage{s == 1 || s == 3 ? 1 : 0, 8, 8, 1};
    }
    SaveAllProfiles();

    EXPECT_EQ(0u, Run(L"dpi"));
    EXPECT_TRUE(ToolGets(SETTING_DPI_STAGE, 1)) << "stage 4 wraps round to the enabled stage 2";
    EXPECT_EQ(1, IniFile(ProfileFilePath(1)).ReadInt(L"GROUP", L"DPI", -1));

    EXPECT_EQ(0u, Run(L"profile 5"));
    EXPECT_TRUE(ToolGets(SETTING_PROFILE, 4));
    EXPECT_EQ(4, IniFile(ProfileFilePath(4)).ReadInt(L"GROUP", L"GroupID", -1));

    EXPECT_EQ(0u, Run(L"set 3 PollingRate 8"));
    EXPECT_TRUE(ToolGets(SETTING_RELOAD, 0));
    EXPECT_EQ(8, IniFile(ProfileFilePath(2)).ReadInt(L"GROUP", L"PollingRate", -1));

    EXPECT_EQ(0u, Run(L"setting 10 3"));
    EXPECT_TRUE(ToolGets(SETTING_POLLING, 3));

    const int presencesBefore = tool.presences;
    EXPECT_EQ(0u, Run(L"absent"));
    EXPECT_TRUE(PumpUntil([&] { return tool.presences > presencesBefore; }));
    EXPECT_EQ(0, ReadDeviceFlag());

    EXPECT_EQ(2u, Run(L"set 3 Polling=Rate 8"));
    EXPECT_EQ(2u, Run(L"unplug"));
}
}  // namespace
