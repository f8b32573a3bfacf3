// The main window moved to a screen of another scale makes its controls anew at that scale; what
// they showed apart from the profiles (the device's state, a bottom row locked while the service
// works, the page, the unapplied edits and the keyboard's place) stays as it was.
#include "MainWindowFixture.h"

#include "skin/DisplayScale.h"

namespace {
constexpr COLORREF kAccent = RGB(0x00, 0xB4, 0xF0);

bool Visible(CWnd& control) { return (::GetWindowLongW(control.m_hWnd, GWL_STYLE) & WS_VISIBLE) != 0; }

RECT ClientRect(CWnd& parent, CWnd& control) {
    RECT rect{};
    ::GetWindowRect(control.m_hWnd, &rect);
    ::MapWindowPoints(nullptr, parent.m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}
}  // namespace

TEST_F(MainWindowTest, ANewScaleKeepsWhatTheControlsShowed) {
    WriteProfiles([](ProfileSet&) {});
    Open();
    Click(Layout().pollingButtons[0]);
    Click(Layout().applyButton);
    ASSERT_FALSE(Layout().exportButton.IsWindowEnabled()) << "the row waits for the service";
    IniFile(dataFolder + L"MacroDB\\MacroSet.MSDB").WriteInt(L"Setting", L"Device", 0);
    window->SendMessage(WM_DEVICE_PRESENCE);
    PumpMessages();
    ASSERT_TRUE(Visible(*Layout().deviceAbsentLabel));
    Click(Layout().pageTabs[1]);
    Click(Layout().linkToggles[0]);
    ::SetFocus(Layout().stageEnableBoxes[1].m_hWnd);
    const std::wstring stage = Layout().currentStageLabel->GetWindowText();
    ASSERT_TRUE(window->HasUnappliedEdits());

    const DisplayScale scale(144);
    const HWND oldBox = Layout().stageEnableBoxes[1].m_hWnd;
    const RECT before = ClientRect(*window, Layout().stageEnableBoxes[1]);
    RECT suggested{20, 10, 20 + scale.Scale(1024), 10 + scale.Scale(700)};
    window->SendMessage(WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    PumpMessages();

    ASSERT_FALSE(::IsWindow(oldBox)) << "the controls were made anew";
    const RECT box = ClientRect(*window, Layout().stageEnableBoxes[1]);
    EXPECT_EQ(scale.Scale(before).left, box.left) << "at the new scale";
    EXPECT_EQ(scale.Scale(before).bottom, box.bottom);
    EXPECT_TRUE(Visible(*Layout().deviceAbsentLabel)) << "the mouse is still shown as absent";
    EXPECT_FALSE(Visible(*Layout().devicePresentLabel));
    for (CBitmapBtn* button : Layout().BottomRow()) {
        EXPECT_FALSE(button->IsWindowEnabled()) << "the row stays locked until the service answers";
    }
    EXPECT_TRUE(Visible(Layout().dpiXSliders[0])) << "the DPI page is still the one shown, stage 1 unlinked";
    EXPECT_FALSE(Visible(Layout().dpiXYSliders[0]));
    EXPECT_FALSE(Visible(Layout().pollingButtons[0]));
    EXPECT_EQ(stage, Layout().currentStageLabel->GetWindowText());
    EXPECT_EQ(Layout().stageEnableBoxes[1].m_hWnd, ::GetFocus()) << "the focus stays on its control";
    EXPECT_EQ(kAccent, Layout().applyButton.normalTextColor) << "Apply still shows the unapplied edits";
    EXPECT_TRUE(window->HasUnappliedEdits());
}
