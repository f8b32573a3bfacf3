#include "device/DeviceService.h"
#include "framework/Folders.h"
#include "framework/Messages.h"
#include "profile/IniFile.h"
#include "profile/ProfileFiles.h"
#include "profile/ProfileRules.h"
#include "skin/GdiplusSession.h"
#include "support/TestFolder.h"
#include "support/WindowTestSupport.h"
#include "text/LocalisedText.h"
#include "ui/dialogs/CWarningDlg.h"
#include "ui/main/ButtonCaption.h"
#include "ui/main/CMoxCfgDlg.h"
#include "ui/main/SettingsValues.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {
void Click(CWnd& button) {
    button.SendMessage(BM_CLICK);
    PumpMessages();
}

// A click on a slider bar at a point of the bar.
void ClickBar(CWnd& bar, int x, int y) {
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    PumpMessages();
}

// A press on the window's own surface. The window drag it starts is dropped: with no real button
// held, the system's move loop would wait for a release that never comes.
void PressOnSurface(CWnd& window, POINT point) {
    window.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    MSG drag;
    while (::PeekMessageW(&drag, window.m_hWnd, WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE)) {
    }
    PumpMessages();
}

// The child windows of `parent` whose window text is `text`.
std::vector<HWND> ChildrenNamed(HWND parent, const std::wstring& text) {
    struct Search {
        const std::wstring& text;
        std::vector<HWND> found;
    } search{text, {}};
    ::EnumChildWindows(
        parent,
        [](HWND child, LPARAM data) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(data);
            wchar_t buffer[256] = L"";
            ::GetWindowTextW(child, buffer, 256);
            if (s.text == buffer) s.found.push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Stands in for the device service: a window with its title that records what it is sent.
class FakeService : public CWnd {
public:
    FakeService() { CreateEx(0, L"STATIC", SERVICE_WINDOW_TITLE, WS_POPUP, RECT{0, 0, 1, 1}, nullptr, 0); }
    std::vector<UINT> received;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_SERVICE_APPLY) received.push_back(message);
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        documents = std::make_unique<DocumentsRedirect>(home.Path() + L"Documents\\");
        dataFolder = home.Path() + L"Documents\\Orvane\\";
        ::CreateDirectoryW((home.Path() + L"Documents").c_str(), nullptr);
        ::CreateDirectoryW(dataFolder.c_str(), nullptr);
        ::CreateDirectoryW((dataFolder + L"MacroDB").c_str(), nullptr);
        IniFile(dataFolder + L"MacroDB\\MacroSet.MSDB").WriteInt(L"Setting", L"Device", 1);
    }

    void TearDown() override {
        window.reset();
        PumpMessages();
        documents.reset();
    }

    void Open() {
        window = std::make_unique<CMoxCfgDlg>();
        ASSERT_TRUE(window->Create());
        window->ShowWindow(SW_SHOW);
        window->UpdateWindow();
        PumpMessages();
        ASSERT_EQ(dataFolder, DataFolder);
    }

    ProfileRecord& Shown() { return WorkingProfiles.Profiles[window->PageState().currentProfile]; }
    MainLayout& Layout() { return window->Layout(); }

    // Seeds the five profile files with the factory values, then lets `change` edit them.
    template <class Change>
    void WriteProfiles(Change change) {
        ProfileSet set{};
        set.GroupID = 0;
        for (int k = 0; k < kProfileCount; ++k) ResetProfile(set, k);
        for (int k = 0; k < kProfileCount; ++k) {
            for (int b = 0; b < kButtonCount; ++b) set.Profiles[k].Buttons[b].ButtonID = static_cast<std::uint8_t>(b + 1);
        }
        change(set);
        WorkingProfiles = set;
        ::wcscpy_s(DataFolder, kFolderChars, dataFolder.c_str());
        SaveAllProfiles();
    }

    std::wstring Text(CWnd& control) { return control.GetWindowText(); }

    GdiplusSession gdiplus;
    TestFolder home;
    std::unique_ptr<DocumentsRedirect> documents;
    std::wstring dataFolder;
    FakeService service;
    std::unique_ptr<CMoxCfgDlg> window;
};

TEST_F(MainWindowTest, StartsOnPageOneWithTheFilesProfile) {
    WriteProfiles([](ProfileSet& set) {
        set.GroupID = 2;
        set.Profiles[2].Acceleration = 3;
    });
    Open();
    EXPECT_EQ(1, window->PageState().currentPage);
    EXPECT_EQ(2, window->PageState().currentProfile);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(i == 0, Layout().pageTabs[i].checked != 0) << i;
    for (int i = 0; i < 5; ++i) EXPECT_EQ(i == 2, Layout().profileTabs[i].checked != 0) << i;
    EXPECT_EQ(LoadUiString(L"General", 1) + L" : 3", Text(*Layout().pointerSliderTitles[0]));
    EXPECT_TRUE(Layout().functionButtons[0].IsWindowVisible());
    EXPECT_FALSE(Layout().stageEnableBoxes[0].IsWindowVisible());
    EXPECT_EQ(L"Orvane", window->GetWindowText());
}

TEST_F(MainWindowTest, EveryButtonIsFoundByItsCaption) {
    WriteProfiles([](ProfileSet& set) {
        for (int b = 0; b < kButtonCount; ++b) {
            set.Profiles[0].Buttons[b].ButtonFunc = static_cast<std::uint8_t>(FUNC_BASIC_FIRST + b);
            set.Profiles[1].Buttons[b].ButtonFunc = static_cast<std::uint8_t>(FUNC_ADVANCED_FIRST + b);
        }
    });
    Open();
    auto expectNamed = [&](CWnd& control, const std::wstring& name) {
        ASSERT_FALSE(name.empty());
        const std::vector<HWND> found = ChildrenNamed(window->m_hWnd, name);
        EXPECT_NE(found.end(), std::find(found.begin(), found.end(), control.m_hWnd))
            << std::string(name.begin(), name.end());
    };
    for (int i = 0; i < 3; ++i) expectNamed(Layout().pageTabs[i], LoadUiString(L"General", 49 + i));
    for (int i = 0; i < 5; ++i) expectNamed(Layout().profileTabs[i], LoadUiString(L"General", 53 + i));
    const int bottomRowIds[5] = {42, 43, 44, 45, 48};
    for (int i = 0; i < 5; ++i) expectNamed(*Layout().BottomRow()[i], LoadUiString(L"General", bottomRowIds[i]));
    expectNamed(Layout().minimizeButton, L"Minimize");
    expectNamed(Layout().closeButton, L"Close");
    expectNamed(Layout().webLinkArea, L"Web page");
    for (int s = 0; s < 5; ++s) expectNamed(Layout().linkToggles[s], L"Link X and Y " + std::to_wstring(s + 1));
    for (int row = 0; row < kButtonCount; ++row) {
        expectNamed(Layout().functionButtons[row], GetFunctionName(FUNC_BASIC_FIRST + kRowRecords[row]));
    }

    // The function buttons' names follow their captions to another profile.
    Click(Layout().profileTabs[1]);
    for (int row = 0; row < kButtonCount; ++row) {
        expectNamed(Layout().functionButtons[row], GetFunctionName(FUNC_ADVANCED_FIRST + kRowRecords[row]));
    }
}

TEST_F(MainWindowTest, EnterAndEscapeAreConsumed) {
    Open();
    for (WPARAM key : {VK_RETURN, VK_ESCAPE}) {
        MSG message{window->m_hWnd, WM_KEYDOWN, key, 0, 0, {0, 0}};
        EXPECT_TRUE(window->PreTranslateMessage(&message));
    }
    EXPECT_TRUE(::IsWindow(window->m_hWnd));
}

TEST_F(MainWindowTest, SecondProfileTabShowsProfileTwoEverywhere) {
    WriteProfiles([](ProfileSet& set) {
        set.Profiles[1].MouseSensitivity = 17;
        set.Profiles[1].PollingRate = 1;
        set.Profiles[1].DPI = 3;
        set.Profiles[1].DPIStageValue[0].X = 30;
        set.Profiles[1].Buttons[7].ButtonFunc = 17;
    });
    Open();
    Click(Layout().profileTabs[1]);

    EXPECT_EQ(1, WorkingProfiles.GroupID);
    EXPECT_EQ(1, window->PageState().currentProfile);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(i == 1, Layout().profileTabs[i].checked != 0) << i;
    EXPECT_EQ(LoadUiString(L"General", 2) + L" : 17", Text(*Layout().pointerSliderTitles[1]));
    for (int j = 0; j < 4; ++j) EXPECT_EQ(j == 3, Layout().pollingButtons[j].checked != 0) << j;
    EXPECT_EQ(L"3000", Text(*Layout().dpiXValueLabels[0]));
    EXPECT_EQ(L"Current Stage : 4", Text(*Layout().currentStageLabel));
    // The fourth row edits button record 7, and its marker reads 4.
    EXPECT_EQ(GetFunctionName(17), Layout().functionButtons[3].GetText());
    EXPECT_EQ(L"4", Layout().buttonMarkers[3].GetText());
}

TEST_F(MainWindowTest, ClickingTheShownPagesTabChangesNothing) {
    Open();
    Click(Layout().pageTabs[0]);
    EXPECT_EQ(1, window->PageState().currentPage);
    EXPECT_TRUE(Layout().pageTabs[0].checked);
    EXPECT_TRUE(Layout().functionButtons[0].IsWindowVisible());

    Click(Layout().pageTabs[1]);
    EXPECT_EQ(2, window->PageState().currentPage);
    EXPECT_FALSE(Layout().pageTabs[0].checked);
    EXPECT_TRUE(Layout().pageTabs[1].checked);
    EXPECT_FALSE(Layout().functionButtons[0].IsWindowVisible());
    EXPECT_TRUE(Layout().stageEnableBoxes[0].IsWindowVisible());
}

TEST_F(MainWindowTest, SlidersStoreTheirValuesThroughRealClicks) {
    Open();
    RECT bar = Layout().pointerSliders[0].GetClientRect();
    ClickBar(Layout().pointerSliders[0], bar.right - 1, bar.bottom / 2);
    EXPECT_EQ(4, Shown().Acceleration);
    EXPECT_EQ(LoadUiString(L"General", 1) + L" : 4", Text(*Layout().pointerSliderTitles[0]));

    ClickBar(Layout().pointerSliders[0], 0, bar.bottom / 2);
    EXPECT_EQ(1, Shown().Acceleration);

    Click(Layout().pageTabs[1]);
    Shown().DPIStageValue[1].Linked = 1;
    Click(Layout().pageTabs[0]);
    Click(Layout().pageTabs[1]);
    ASSERT_TRUE(Layout().dpiXSliders[0].IsWindowVisible());
    ASSERT_TRUE(Layout().dpiXYSliders[1].IsWindowVisible());
    ASSERT_FALSE(Layout().dpiXSliders[1].IsWindowVisible());

    ClickBar(Layout().dpiXSliders[0], 5, 0);
    EXPECT_EQ(79, Shown().DPIStageValue[0].X);
    EXPECT_EQ(L"7900", Text(*Layout().dpiXValueLabels[0]));
    ClickBar(Layout().dpiXYSliders[1], 5, 0);
    EXPECT_EQ(80, Shown().DPIStageValue[1].X);
    EXPECT_EQ(80, Shown().DPIStageValue[1].Y);
    EXPECT_EQ(L"8000", Text(*Layout().dpiYValueLabels[1]));
}

TEST_F(MainWindowTest, TheLastEnabledStageCannotBeDisabled) {
    WriteProfiles([](ProfileSet& set) {
        for (int s = 2; s < kDpiStageCount; ++s) set.Profiles[0].DPIStageValue[s].Enabled = 0;
    });
    Open();
    Click(Layout().pageTabs[1]);

    Click(Layout().stageEnableBoxes[0]);
    EXPECT_EQ(0, Shown().DPIStageValue[0].Enabled) << "one of two enabled stages may go";
    EXPECT_FALSE(Layout().stageEnableBoxes[0].checked);
    EXPECT_FALSE(Layout().dpiXSliders[0].IsWindowEnabled());

    Click(Layout().stageEnableBoxes[1]);
    EXPECT_EQ(1, Shown().DPIStageValue[1].Enabled) << "the last enabled stage stays";
    EXPECT_TRUE(Layout().stageEnableBoxes[1].checked);
}

TEST_F(MainWindowTest, LinkToggleCopiesXIntoY) {
    WriteProfiles([](ProfileSet& set) {
        set.Profiles[0].DPIStageValue[2] = DpiStage{1, 16, 40, 0};
    });
    Open();
    Click(Layout().pageTabs[1]);
    ASSERT_TRUE(Layout().linkToggles[2].IsWindowVisible());
    Click(Layout().linkToggles[2]);

    const DpiStage& stage = Shown().DPIStageValue[2];
    EXPECT_EQ(1, stage.Linked);
    EXPECT_EQ(16, stage.Y);
    EXPECT_EQ(L"1600", Text(*Layout().dpiXValueLabels[2]));
    EXPECT_EQ(L"1600", Text(*Layout().dpiYValueLabels[2]));
    EXPECT_TRUE(Layout().dpiXYSliders[2].IsWindowVisible());
    EXPECT_FALSE(Layout().dpiXSliders[2].IsWindowVisible());
    EXPECT_FALSE(Layout().dpiYSliders[2].IsWindowVisible());
}

TEST_F(MainWindowTest, ColourPickerStoresThePixelUnderTheCursor) {
    Open();
    Click(Layout().pageTabs[2]);
    window->UpdateWindow();
    const POINT points[] = {{250, 300}, {330, 360}, {400, 420}};
    for (POINT point : points) {
        HDC dc = ::GetDC(window->m_hWnd);
        COLORREF expected = ::GetPixel(dc, point.x, point.y);
        ::ReleaseDC(window->m_hWnd, dc);
        PressOnSurface(*window, point);
        EXPECT_EQ(static_cast<std::int32_t>(expected), WorkingProfiles.Profiles[WorkingProfiles.GroupID].LedColor1);
        EXPECT_EQ(std::to_wstring(GetGValue(expected)), Layout().colorEdits[1].GetWindowText());
        EXPECT_EQ(static_cast<int>(GetBValue(expected)) + 1, Layout().colorSliders[2].thumb->value);
    }
}

TEST_F(MainWindowTest, TypedColourValuesAreLimitedTo255) {
    Open();
    Click(Layout().pageTabs[2]);
    Layout().colorEdits[0].SetWindowText(L"12");
    Layout().colorEdits[1].SetWindowText(L"300");
    Layout().colorEdits[2].SetWindowText(L"x");
    Layout().colorEdits[1].SendMessage(WM_KEYUP, '0', 0);
    PumpMessages();
    EXPECT_EQ(L"255", Layout().colorEdits[1].GetWindowText());
    EXPECT_EQ(SettingsValues::ColorFromComponents(12, 255, 0), static_cast<COLORREF>(Shown().LedColor1));
    EXPECT_EQ(256, Layout().colorSliders[1].thumb->value);
}

TEST_F(MainWindowTest, LightingModesShowTheirGroups) {
    Open();
    Click(Layout().pageTabs[2]);
    Click(Layout().ledModeButtons[2]);
    EXPECT_EQ(2, Shown().LedMode1);
    EXPECT_TRUE(Layout().flashSpeedButtons[0].IsWindowVisible());
    EXPECT_TRUE(Layout().directionButtons[0].IsWindowVisible());
    EXPECT_FALSE(Layout().breathSpeedButtons[0].IsWindowVisible());

    Click(Layout().ledModeButtons[1]);
    EXPECT_EQ(1, Shown().LedMode1);
    EXPECT_TRUE(Layout().breathSpeedButtons[0].IsWindowVisible());
    EXPECT_TRUE(Layout().breathTitle->IsWindowVisible());
    EXPECT_FALSE(Layout().flashSpeedButtons[0].IsWindowVisible());
    EXPECT_FALSE(Layout().directionTitle->IsWindowVisible());
    for (int j = 0; j < 5; ++j) EXPECT_EQ(j == 1, Layout().ledModeButtons[j].checked != 0) << j;
}

TEST_F(MainWindowTest, ModeFiveShowsNoModeAndNoColourPicture) {
    WriteProfiles([](ProfileSet& set) {
        set.Profiles[0].LedMode1 = 5;
        set.Profiles[0].BreathState1 = 3;
    });
    Open();
    Click(Layout().pageTabs[2]);
    window->UpdateWindow();
    HDC dc = ::GetDC(window->m_hWnd);
    COLORREF panel = ::GetPixel(dc, 190, 600);
    COLORREF underPicture = ::GetPixel(dc, 300, 350);
    ::ReleaseDC(window->m_hWnd, dc);
    for (int j = 0; j < 5; ++j) EXPECT_FALSE(Layout().ledModeButtons[j].checked) << j;
    EXPECT_EQ(5, window->PageState().shownLedMode);
    EXPECT_EQ(panel, underPicture) << "no colour picture is painted";
    EXPECT_TRUE(Layout().breathSpeedButtons[0].checked) << "an unknown breathing speed shows the first choice";
}

// Switching between a mode with the colour picture and mode 5 repaints the whole swatch outline,
// its right and bottom edges included: what a mode change leaves equals a full repaint.
TEST_F(MainWindowTest, ModeChangesLeaveNoRemainsOfTheSwatchOutline) {
    Open();
    Click(Layout().pageTabs[2]);
    Click(Layout().ledModeButtons[0]);
    window->Invalidate(TRUE);
    auto edgePixels = [this]() {
        window->UpdateWindow();
        std::vector<COLORREF> shown;
        HDC dc = ::GetDC(window->m_hWnd);
        for (POINT edge : {POINT{582, 330}, POINT{550, 363}, POINT{582, 363}}) shown.push_back(::GetPixel(dc, edge.x, edge.y));
        ::ReleaseDC(window->m_hWnd, dc);
        return shown;
    };
    for (CBitmapBtn* mode : {&Layout().ledMode5Button, &Layout().ledModeButtons[0]}) {
        Click(*mode);
        std::vector<COLORREF> afterChange = edgePixels();
        window->Invalidate(TRUE);
        EXPECT_EQ(edgePixels(), afterChange) << (mode == &Layout().ledMode5Button ? "to mode 5" : "to mode 0");
    }
}

TEST_F(MainWindowTest, DeviceSettingsChangeTheProfilesAndTheControls) {
    Open();
    auto setting = [&](int id, int value) {
        window->SendMessage(WM_DEVICE_SETTING, static_cast<WPARAM>(id), value);
        PumpMessages();
    };
    ProfileSet before = WorkingProfiles;
    setting(SETTING_RELOAD, 1);
    EXPECT_EQ(0, std::memcmp(&before, &WorkingProfiles, sizeof(ProfileSet)));

    setting(SETTING_DPI_STAGE, 2);
    EXPECT_EQ(2, Shown().DPI);
    EXPECT_EQ(L"Current Stage : 3", Text(*Layout().currentStageLabel));

    setting(SETTING_POLLING, 3);
    EXPECT_EQ(2, Shown().PollingRate);
    for (int j = 0; j < 4; ++j) EXPECT_EQ(j == 2, Layout().pollingButtons[j].checked != 0) << j;

    setting(SETTING_SENSITIVITY, 7);
    EXPECT_EQ(7, Shown().MouseSensitivity);
    EXPECT_EQ(7, Layout().pointerSliders[1].thumb->value);

    setting(SETTING_PROFILE, 3);
    EXPECT_EQ(3, WorkingProfiles.GroupID);
    EXPECT_TRUE(Layout().profileTabs[3].checked);
    EXPECT_FALSE(Layout().profileTabs[0].checked);
    EXPECT_EQ(LoadUiString(L"General", 2) + L" : 7", Text(*Layout().pointerSliderTitles[1]))
        << "the pages keep showing the previous profile until the next refresh";

    setting(SETTING_LED_MODE, 2);
    EXPECT_EQ(2, WorkingProfiles.Profiles[3].LedMode1);
}

TEST_F(MainWindowTest, ApplyLocksTheBottomRowUntilTheServiceIsDone) {
    Open();
    Click(Layout().applyButton);
    EXPECT_EQ(std::vector<UINT>{WM_SERVICE_APPLY}, service.received);
    for (CBitmapBtn* button : Layout().BottomRow()) EXPECT_FALSE(button->IsWindowEnabled());
    for (int k = 1; k <= kProfileCount; ++k) {
        EXPECT_EQ(::GetFileAttributesW((dataFolder + L"RSProfile" + std::to_wstring(k) + L".pfd").c_str()) !=
                      INVALID_FILE_ATTRIBUTES,
                  true)
            << k;
    }

    window->SendMessage(WM_DEVICE_SETTING, SETTING_APPLY_DONE, 0);
    DWORD start = ::GetTickCount();
    while (!Layout().applyButton.IsWindowEnabled() && ::GetTickCount() - start < 5000) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        PumpMessages();
    }
    for (CBitmapBtn* button : Layout().BottomRow()) EXPECT_TRUE(button->IsWindowEnabled());
}

TEST_F(MainWindowTest, ImportRepairsAFileWithoutKeys) {
    Open();
    std::wstring empty = home.File(L"empty.pfd");
    TestFolder::WriteBytes(empty, "");
    window->ImportIntoCurrentProfile(empty);

    const ProfileRecord& record = Shown();
    EXPECT_EQ(2, record.PollingRate);
    EXPECT_EQ(1, record.Acceleration);
    for (int b = 0; b < kButtonCount; ++b) EXPECT_EQ(kDefaultButtonFuncs[b], record.Buttons[b].ButtonFunc) << b;
    EXPECT_EQ(1, record.DPIStageValue[0].Enabled);
    EXPECT_EQ(L"2", IniFile(dataFolder + L"RSProfile1.pfd").ReadString(L"GROUP", L"PollingRate", L""));
    EXPECT_EQ(std::vector<UINT>{WM_SERVICE_APPLY}, service.received);
}

// Answers the warning box that the resets open: Enter, as a user would press it.
void PressEnterInTheNextBox() { ::PostThreadMessageW(::GetCurrentThreadId(), WM_KEYDOWN, VK_RETURN, 0); }

TEST_F(MainWindowTest, ResetKeepsGroupButtonIdsAndLoopNumbers) {
    WriteProfiles([](ProfileSet& set) {
        set.GroupID = 1;
        set.Profiles[1].Group = 7;
        set.Profiles[1].Acceleration = 4;
        set.Profiles[1].Buttons[2].ButtonID = 9;
        set.Profiles[1].Buttons[2].LoopNumber = 6;
        set.Profiles[1].Buttons[2].ButtonFunc = 30;
        set.Profiles[2].Acceleration = 3;
    });
    Open();
    PressEnterInTheNextBox();
    window->ResetActiveProfile();

    const ProfileRecord& record = WorkingProfiles.Profiles[1];
    EXPECT_EQ(7, record.Group);
    EXPECT_EQ(1, record.Acceleration);
    EXPECT_EQ(9, record.Buttons[2].ButtonID);
    EXPECT_EQ(6, record.Buttons[2].LoopNumber);
    EXPECT_EQ(3, record.Buttons[2].ButtonFunc);
    EXPECT_EQ(3, WorkingProfiles.Profiles[2].Acceleration) << "the other profiles stay";
}

TEST_F(MainWindowTest, ResetAllEndsOnProfileOneInEveryFile) {
    WriteProfiles([](ProfileSet& set) { set.GroupID = 2; });
    Open();
    Click(Layout().pageTabs[2]);
    PressEnterInTheNextBox();
    window->ResetAllProfiles();

    EXPECT_EQ(0, WorkingProfiles.GroupID);
    EXPECT_TRUE(Layout().profileTabs[0].checked);
    EXPECT_FALSE(Layout().profileTabs[2].checked);
    for (int k = 1; k <= kProfileCount; ++k) {
        IniFile file(dataFolder + L"RSProfile" + std::to_wstring(k) + L".pfd");
        EXPECT_EQ(0, file.ReadInt(L"GROUP", L"GroupID", -1)) << k;
    }
}

// The box a timer of the test below presses keys in while its modal loop runs.
CWarningDlg* shownBox = nullptr;

// The Cancel button is the box's child at x 234.
BOOL CALLBACK PressEnterIfCancel(HWND child, LPARAM) {
    RECT rect{};
    ::GetWindowRect(child, &rect);
    ::MapWindowPoints(nullptr, shownBox->m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
    if (rect.left != 234) return TRUE;
    ::SetFocus(child);
    ::PostMessageW(child, WM_KEYDOWN, VK_RETURN, 0);
    return FALSE;
}

void CALLBACK FocusCancelAndPressEnter(HWND, UINT, UINT_PTR timer, DWORD) {
    ::KillTimer(nullptr, timer);
    ::EnumChildWindows(shownBox->m_hWnd, PressEnterIfCancel, 0);
}

void CALLBACK PressEscape(HWND, UINT, UINT_PTR timer, DWORD) {
    ::KillTimer(nullptr, timer);
    ::PostMessageW(shownBox->m_hWnd, WM_KEYDOWN, VK_ESCAPE, 0);
}

TEST_F(MainWindowTest, EnterInTheWarningBoxAnswersOkEvenWithCancelFocused) {
    Open();
    CWarningDlg enter(window.get(), L"title", L"message", L"");
    shownBox = &enter;
    ::SetTimer(nullptr, 0, 100, FocusCancelAndPressEnter);
    EXPECT_EQ(IDOK, enter.DoModal());

    CWarningDlg escape(window.get(), L"title", L"message", L"");
    shownBox = &escape;
    ::SetTimer(nullptr, 0, 100, PressEscape);
    EXPECT_EQ(IDCANCEL, escape.DoModal());
    shownBox = nullptr;
}
}  // namespace
