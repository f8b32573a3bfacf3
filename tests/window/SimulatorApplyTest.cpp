// The device simulator's window inside the test's process, so that the order of what it does
// with an apply can be seen without racing its thread: the answer first, the files afterwards.
#include "companions/DeviceSimulator.h"
#include "device/DeviceService.h"
#include "framework/CWnd.h"
#include "framework/Folders.h"
#include "framework/Messages.h"
#include "support/TestFolder.h"
#include "support/WindowTestSupport.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace {
// Stands in for the tool's window "Orvane": counts the confirmed applies.
class ConfirmationCounter : public CWnd {
public:
    ConfirmationCounter() { CreateEx(0, L"STATIC", TOOL_WINDOW_TITLE, WS_POPUP, RECT{0, 0, 1, 1}, nullptr, 0); }

    int confirmations = 0;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_DEVICE_SETTING && wParam == SETTING_APPLY_DONE) ++confirmations;
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

int AppliesLogged() {
    const std::string log = TestFolder::ReadBytes(std::wstring(DataFolder) + L"hid-simulator.log");
    int count = 0;
    for (size_t at = log.find("received WM_SERVICE_APPLY"); at != std::string::npos;
         at = log.find("received WM_SERVICE_APPLY", at + 1)) {
        ++count;
    }
    return count;
}

TEST(SimulatorApply, TheSendReturnsBeforeTheFilesAreReadAndTheConfirmationFollows) {
    ASSERT_EQ(nullptr, FindServiceWindow()) << "a device service from elsewhere is running";
    TestFolder documents;
    DocumentsRedirect redirect(documents.Path());
    InitFolders();
    ASSERT_EQ(documents.Path() + L"Orvane\\", std::wstring(DataFolder));
    ConfirmationCounter tool;
    DeviceSimulator simulator;
    ASSERT_TRUE(simulator.Start());
    PumpMessages();

    for (int apply = 1; apply <= 2; ++apply) {
        ::SendMessageW(simulator.m_hWnd, WM_SERVICE_APPLY, 0, 0);
        EXPECT_EQ(apply - 1, AppliesLogged()) << "the files were read while the sender waited";
        EXPECT_EQ(apply - 1, tool.confirmations);
        PumpMessages();
        EXPECT_EQ(apply, AppliesLogged());
        EXPECT_EQ(apply, tool.confirmations);
    }
    simulator.DestroyWindow();
}
}  // namespace
