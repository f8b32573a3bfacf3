#include "window/MainWindowFixture.h"

#include "skin/FocusCues.h"

#include <algorithm>
#include <vector>

namespace {
// A key press as the window's modal loop hands it over.
bool PressInWindow(CMoxCfgDlg& window, WPARAM key) {
    MSG message{::GetFocus() ? ::GetFocus() : window.m_hWnd, WM_KEYDOWN, key, 1, 0, {0, 0}};
    const bool taken = window.PreTranslateMessage(&message) != FALSE;
    PumpMessages();
    return taken;
}

template <class Control, size_t N>
void Append(std::vector<HWND>& order, const std::array<Control, N>& controls) {
    for (const Control& control : controls) order.push_back(control.m_hWnd);
}

// One round of Tab from the first profile tab visits the page's controls in reading order, each
// once, and comes back: hidden and disabled controls, labels and markers are passed over.
TEST_F(MainWindowTest, TabGoesRoundTheShownControlsInReadingOrder) {
    Open();
    MainLayout& layout = window->Layout();
    std::vector<HWND> expected;
    Append(expected, layout.profileTabs);
    Append(expected, layout.pageTabs);
    Append(expected, layout.functionButtons);
    for (const CPngHSliderBar& slider : layout.pointerSliders) expected.push_back(slider.thumb->m_hWnd);
    Append(expected, layout.pollingButtons);
    for (CBitmapBtn* button : layout.BottomRow()) {
        if (button->IsWindowEnabled()) expected.push_back(button->m_hWnd);
    }
    expected.push_back(layout.webLinkArea.m_hWnd);
    expected.push_back(layout.minimizeButton.m_hWnd);
    expected.push_back(layout.closeButton.m_hWnd);

    ::SetFocus(layout.profileTabs[0].m_hWnd);
    std::vector<HWND> visited{::GetFocus()};
    for (size_t i = 0; i < expected.size(); ++i) {
        ASSERT_TRUE(PressInWindow(*window, VK_TAB));
        visited.push_back(::GetFocus());
    }
    expected.push_back(layout.profileTabs[0].m_hWnd);
    EXPECT_EQ(expected, visited);
    EXPECT_TRUE(FocusCuesShown(window->m_hWnd)) << "the keyboard was used";
}

TEST_F(MainWindowTest, EnterAndEscapeDoNothingAndSpaceGoesToTheFocusedButton) {
    Open();
    CBitmapBtn& polling = window->Layout().pollingButtons[0];
    ASSERT_FALSE(polling.checked);
    ::SetFocus(polling.m_hWnd);
    EXPECT_TRUE(PressInWindow(*window, VK_RETURN));
    EXPECT_TRUE(PressInWindow(*window, VK_ESCAPE));
    EXPECT_TRUE(::IsWindow(window->m_hWnd));
    EXPECT_FALSE(polling.checked);
    PressInWindow(*window, VK_SPACE);
    MSG release{polling.m_hWnd, WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0000001), 0, {0, 0}};
    if (!window->PreTranslateMessage(&release)) ::DispatchMessageW(&release);
    PumpMessages();
    EXPECT_TRUE(polling.checked) << "Space clicked the polling button";
    EXPECT_EQ(1, window->PageState().currentPage);
}
// An apply locks the bottom row, Apply with the focus included: the focus comes back to Apply
// once the service is done, and moves on to the button before it when the mouse is absent and
// Apply stays disabled. Tab keeps working either way.
TEST_F(MainWindowTest, TheFocusOutlivesTheBottomRowsLock) {
    for (const bool present : {true, false}) {
        WriteProfiles([](ProfileSet&) {});
        Open();
        ASSERT_EQ(window->m_hWnd, ::GetActiveWindow());
        MainLayout& layout = window->Layout();
        ::SetFocus(layout.applyButton.m_hWnd);
        Click(layout.applyButton);
        ASSERT_FALSE(layout.applyButton.IsWindowEnabled()) << "the row waits for the service";
        IniFile(dataFolder + L"MacroDB\\MacroSet.MSDB").WriteInt(L"Setting", L"Device", present ? 1 : 0);
        window->SendMessage(WM_DEVICE_SETTING, SETTING_APPLY_DONE, 0);
        PumpUntil([&layout] { return layout.exportButton.IsWindowEnabled(); });
        ASSERT_TRUE(layout.exportButton.IsWindowEnabled());
        EXPECT_EQ(present ? layout.applyButton.m_hWnd : layout.resetAllButton.m_hWnd, ::GetFocus())
            << (present ? "present" : "absent") << ": " << CWnd::FromHandle(::GetFocus())->GetWindowText().c_str();
        ASSERT_TRUE(PressInWindow(*window, VK_TAB));
        EXPECT_NE(nullptr, ::GetFocus()) << "Tab still moves the focus";
        window.reset();
        service.received.clear();
    }
}
}  // namespace
