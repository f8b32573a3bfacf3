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
}  // namespace
