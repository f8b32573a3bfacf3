#include "window/MainWindowFixture.h"

#include "skin/SkinImages.h"
#include "text/LocalisedText.h"
#include "ui/dialogs/CWarningDlg.h"
#include "functions/ButtonCaption.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {
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
    EXPECT_EQ(LoadUiString(TextId::General::AccelerationLabel) + L" : 3", Text(*Layout().pointerSliderTitles[0]));
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
    for (int i = 0; i < 3; ++i) expectNamed(Layout().pageTabs[i], LoadUiString(TextId::kPageTabs[i]));
    for (int i = 0; i < 5; ++i) expectNamed(Layout().profileTabs[i], LoadUiString(TextId::kProfileTabs[i]));
    for (int i = 0; i < 5; ++i) expectNamed(*Layout().BottomRow()[i], LoadUiString(TextId::kBottomRowButtons[i]));
    expectNamed(Layout().minimizeButton, L"Minimize");
    expectNamed(Layout().closeButton, L"Close");
    expectNamed(Layout().webLinkArea, L"Web page");
    for (int s = 0; s < 5; ++s) expectNamed(Layout().linkToggles[s], L"Link X and Y " + std::to_wstring(s + 1));
    // Profiles without a Left click get it on their first button when they are loaded.
    auto function = [](int first, int record) { return GetFunctionName(record == 0 ? FUNC_LEFT_CLICK : first + record); };
    for (int row = 0; row < kButtonCount; ++row) {
        expectNamed(Layout().functionButtons[row], function(FUNC_BASIC_FIRST, kRowRecords[row]));
    }

    // The function buttons' names follow their captions to another profile.
    Click(Layout().profileTabs[1]);
    for (int row = 0; row < kButtonCount; ++row) {
        expectNamed(Layout().functionButtons[row], function(FUNC_ADVANCED_FIRST, kRowRecords[row]));
    }
}

// The colour a pixel of a button picture shows over the title bar's background.
COLORREF PictureOverTitleBar(const wchar_t* file, int x, int y) {
    SkinImage picture = LoadSkinImage(SkinFolder::Buttons, file);
    Gdiplus::Color pixel;
    if (!picture || picture->GetPixel(x, y, &pixel) != Gdiplus::Ok) return CLR_INVALID;
    auto blend = [&](int component, int background) {
        return (component * pixel.GetA() + background * (255 - pixel.GetA()) + 127) / 255;
    };
    return RGB(blend(pixel.GetR(), 0x1F), blend(pixel.GetG(), 0x1F), blend(pixel.GetB(), 0x1F));
}

// Which of `files` a button paints: the one whose pixel above the symbol is nearest to the screen's.
std::wstring PaintedPicture(CWnd& button, const std::vector<const wchar_t*>& files) {
    button.Invalidate(TRUE);
    button.UpdateWindow();
    HDC dc = ::GetDC(button.m_hWnd);
    COLORREF shown = ::GetPixel(dc, 10, 3);
    ::ReleaseDC(button.m_hWnd, dc);
    std::wstring nearest;
    int best = INT_MAX;
    for (const wchar_t* file : files) {
        COLORREF picture = PictureOverTitleBar(file, 10, 3);
        int distance = std::abs(GetRValue(shown) - GetRValue(picture)) + std::abs(GetGValue(shown) - GetGValue(picture)) +
                       std::abs(GetBValue(shown) - GetBValue(picture));
        if (distance < best) {
            best = distance;
            nearest = file;
        }
    }
    return nearest;
}

TEST_F(MainWindowTest, MinimiseAndCloseShowTheirPictureOfEachState) {
    Open();
    struct Case {
        CBitmapBtn& button;
        std::vector<const wchar_t*> files;  // normal, hover, pressed
    };
    const Case cases[] = {{Layout().minimizeButton, {L"min-1.png", L"min-3.png", L"min-2.png"}},
                          {Layout().closeButton, {L"close-1.png", L"close-3.png", L"close-2.png"}}};
    for (const Case& c : cases) {
        CBitmapBtn& button = c.button;
        EXPECT_EQ(c.files[0], PaintedPicture(button, c.files)) << "normal";
        button.hover = 1;
        EXPECT_EQ(c.files[1], PaintedPicture(button, c.files)) << "hover";
        button.hover = 0;
        button.SendMessage(BM_SETSTATE, TRUE);
        EXPECT_EQ(c.files[2], PaintedPicture(button, c.files)) << "pressed";
        button.SendMessage(BM_SETSTATE, FALSE);
        button.EnableWindow(FALSE);
        EXPECT_EQ(c.files[0], PaintedPicture(button, c.files)) << "disabled";
        button.EnableWindow(TRUE);
    }
}

// The device service finds the window by its title among the dialogs of the system.
TEST_F(MainWindowTest, TheServiceFindsTheWindowByItsClassAndTitle) {
    Open();
    EXPECT_EQ(window->m_hWnd, ::FindWindowW(L"#32770", L"Orvane"));
}

// The service's messages as it sends them, written out as numbers: each changes what its id says.
TEST_F(MainWindowTest, TheServicesMessagesByTheirNumbers) {
    WriteProfiles([](ProfileSet& set) { set.Profiles[0].Acceleration = 2; });
    Open();
    struct Case {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        bool (*done)(MainWindowTest&);
    };
    const Case cases[] = {
        {5397, 8, 2, [](MainWindowTest& t) { return t.Shown().DPI == 2; }},
        {5397, 10, 1, [](MainWindowTest& t) { return t.Shown().PollingRate == 1; }},
        {5397, 11, 4, [](MainWindowTest& t) { return t.Shown().LedMode1 == 4; }},
        {5397, 12, 7, [](MainWindowTest& t) { return t.Shown().MouseSensitivity == 7; }},
        {5397, 0, 0, [](MainWindowTest& t) { return t.Shown().PollingRate == 2 && t.Shown().Acceleration == 2; }},
        {5397, 9, 3, [](MainWindowTest&) { return WorkingProfiles.GroupID == 3; }},
        {1245, 0, 0, [](MainWindowTest& t) { return t.Layout().applyButton.IsWindowEnabled() != FALSE; }},
    };
    for (const Case& c : cases) {
        window->SendMessage(c.message, c.wParam, c.lParam);
        PumpMessages();
        EXPECT_TRUE(c.done(*this)) << c.message << " " << c.wParam << " " << c.lParam;
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
    EXPECT_EQ(LoadUiString(TextId::General::SensitivityLabel) + L" : 17", Text(*Layout().pointerSliderTitles[1]));
    for (int j = 0; j < 4; ++j) EXPECT_EQ(j == 3, Layout().pollingButtons[j].checked != 0) << j;
    EXPECT_EQ(L"3000", Text(*Layout().dpiXValueLabels[0]));
    EXPECT_EQ(L"Current Stage : 4", Text(*Layout().currentStageLabel));
    // The fourth row edits button record 7, and its marker reads 4.
    EXPECT_EQ(GetFunctionName(17), Layout().functionButtons[3].GetText());
    EXPECT_EQ(L"4", Layout().buttonMarkers[3].GetText());
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
    EXPECT_EQ(3, window->PageState().currentProfile) << "edits go to the profile the mouse switched to";
    ASSERT_NE(7, WorkingProfiles.Profiles[3].MouseSensitivity);
    EXPECT_EQ(LoadUiString(TextId::General::SensitivityLabel) + L" : " +
                  std::to_wstring(WorkingProfiles.Profiles[3].MouseSensitivity),
              Text(*Layout().pointerSliderTitles[1]))
        << "the pages show the profile the edits change";

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

bool AllProfileFilesExist(const std::wstring& folder) {
    for (int k = 1; k <= kProfileCount; ++k) {
        if (::GetFileAttributesW((folder + L"RSProfile" + std::to_wstring(k) + L".pfd").c_str()) == INVALID_FILE_ATTRIBUTES) {
            return false;
        }
    }
    return true;
}

TEST_F(MainWindowTest, ApplyWithoutTheServiceSavesAndLeavesTheBottomRowEnabled) {
    Open();
    service.DestroyWindow();
    Shown().Acceleration = 3;
    Click(Layout().applyButton);

    EXPECT_TRUE(AllProfileFilesExist(dataFolder));
    EXPECT_EQ(3, IniFile(dataFolder + L"RSProfile1.pfd").ReadInt(L"GROUP", L"Acceleration", -1));
    for (CBitmapBtn* button : Layout().BottomRow()) EXPECT_TRUE(button->IsWindowEnabled());
    EXPECT_TRUE(Layout().deviceAbsentLabel->IsWindowVisible());
    EXPECT_FALSE(Layout().devicePresentLabel->IsWindowVisible());
}

// The service window is there but never confirms: the row comes back after the confirmation's time.
TEST_F(MainWindowTest, AnApplyTheServiceNeverConfirmsUnlocksTheBottomRowInTheEnd) {
    Open();
    Click(Layout().applyButton);
    EXPECT_EQ(std::vector<UINT>{WM_SERVICE_APPLY}, service.received);
    for (CBitmapBtn* button : Layout().BottomRow()) EXPECT_FALSE(button->IsWindowEnabled());

    DWORD start = ::GetTickCount();
    while (!Layout().applyButton.IsWindowEnabled() && ::GetTickCount() - start < 30000) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
        PumpMessages();
    }
    for (CBitmapBtn* button : Layout().BottomRow()) EXPECT_TRUE(button->IsWindowEnabled());
    EXPECT_FALSE(Layout().deviceAbsentLabel->IsWindowVisible()) << "the device was there";
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

// A profile file of some other program: every value, the buttons' included, out of range.
void WriteForeignProfile(const std::wstring& path) {
    IniFile file(path);
    const wchar_t* keys[] = {L"Group", L"PollingRate", L"WheelScrollLines", L"MouseSensitivity", L"DoubleClickSpeed",
                             L"UniversalScrollEnabled", L"Acceleration", L"XYSensitivityEnabled", L"MouseSpeedX",
                             L"MouseSpeedY", L"OFASensitivity", L"LedMode1", L"LedState1", L"FlashState1",
                             L"BreathState1", L"LedDirect1", L"ANGLE", L"LIFT", L"DPI", L"DPICurrentX", L"DPICurrentY",
                             L"DPIStageNum"};
    for (const wchar_t* key : keys) file.WriteInt(L"GROUP", key, 99);
    file.WriteInt(L"GROUP", L"LedColor1", -1);
    for (int b = 1; b <= kButtonCount; ++b) {
        std::wstring section = L"ButtonAssigned_" + std::to_wstring(b);
        file.WriteInt(section.c_str(), L"ButtonFunc", 99 + b);
    }
}

// An import leaves the profile as sound as a load would, and touches nothing else.
TEST_F(MainWindowTest, ImportRepairsForeignAndEmptyFilesIntoTheShownProfileOnly) {
    WriteProfiles([](ProfileSet& set) { set.GroupID = 2; });
    Open();
    struct Case {
        const char* what;
        void (*write)(const std::wstring&);
    };
    const Case cases[] = {
        {"a foreign file", WriteForeignProfile},
        {"a file without keys", [](const std::wstring& path) { TestFolder::WriteBytes(path, ""); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::wstring path = home.File(L"imported.pfd");
        c.write(path);
        const ProfileSet before = WorkingProfiles;

        window->ImportIntoCurrentProfile(path);

        const ProfileRecord& record = WorkingProfiles.Profiles[2];
        ProfileRecord loadedAgain = record;
        EXPECT_FALSE(RepairProfile(loadedAgain, 2)) << "a load would find nothing to repair";
        EXPECT_EQ(0, record.LedMode1);
        EXPECT_EQ(0, record.LedDirect1);
        EXPECT_EQ(2, record.PollingRate);
        for (int b = 0; b < kButtonCount; ++b) EXPECT_EQ(kDefaultButtonFuncs[b], record.Buttons[b].ButtonFunc) << b;
        EXPECT_EQ(1, record.DPIStageValue[0].Enabled);
        EXPECT_EQ(before.GroupID, WorkingProfiles.GroupID);
        for (int k : {0, 1, 3, 4}) {
            EXPECT_EQ(0, std::memcmp(&before.Profiles[k], &WorkingProfiles.Profiles[k], sizeof(ProfileRecord))) << k;
        }
        IniFile saved(dataFolder + L"RSProfile3.pfd");
        EXPECT_EQ(0, saved.ReadInt(L"GROUP", L"LedMode1", -1)) << "the files and the device get the repaired values";
        EXPECT_EQ(48, saved.ReadInt(L"ButtonAssigned_6", L"ButtonFunc", -1));
        ::DeleteFileW(path.c_str());
    }
}

TEST_F(MainWindowTest, LoadedFunctionCodesNoMenuGivesBecomeTheDefaults) {
    WriteProfiles([](ProfileSet& set) {
        set.Profiles[0].Buttons[0].ButtonFunc = 0;
        set.Profiles[0].Buttons[5].ButtonFunc = 56;
        set.Profiles[0].Buttons[7].ButtonFunc = 99;
        set.Profiles[0].Buttons[2].ButtonFunc = 55;
    });
    Open();
    EXPECT_EQ(1, Shown().Buttons[0].ButtonFunc);
    EXPECT_EQ(48, Shown().Buttons[5].ButtonFunc);
    EXPECT_EQ(12, Shown().Buttons[7].ButtonFunc);
    EXPECT_EQ(55, Shown().Buttons[2].ButtonFunc) << "a code the menu gives stays";
    EXPECT_EQ(GetFunctionName(1), Layout().functionButtons[0].GetText());
    EXPECT_EQ(GetFunctionName(12), Layout().functionButtons[3].GetText()) << "the fourth row shows button record 7";
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

// What the warning box a timer of the test below finds over the main window shows.
HWND boxOwner = nullptr;
std::vector<std::wstring> boxTexts;

BOOL CALLBACK CollectText(HWND child, LPARAM) {
    wchar_t text[256] = L"";
    ::GetWindowTextW(child, text, 256);
    boxTexts.emplace_back(text);
    return TRUE;
}

void CALLBACK ReadTheBoxAndPressEnter(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = ::GetLastActivePopup(boxOwner);
    if (box == boxOwner) return;  // not shown yet: the timer comes again
    ::KillTimer(nullptr, timer);
    wchar_t title[256] = L"";
    ::GetWindowTextW(box, title, 256);
    boxTexts.emplace_back(title);
    ::EnumChildWindows(box, CollectText, 0);
    ::PostMessageW(box, WM_KEYDOWN, VK_RETURN, 0);
}

// An elevated tool hears the service only when its window lets the service's messages in; the
// system reports a filter the window set already. Wine keeps no filter and leaves the status.
TEST_F(MainWindowTest, TheServicesTwoMessagesPassTheMessageFilter) {
    Open();
    constexpr DWORD kUnset = 0xFFFFFFFF;
    for (UINT message : {WM_DEVICE_PRESENCE, WM_DEVICE_SETTING}) {
        CHANGEFILTERSTRUCT status{sizeof(status), kUnset};
        EXPECT_TRUE(::ChangeWindowMessageFilterEx(window->m_hWnd, message, MSGFLT_ALLOW, &status)) << message;
        if (status.ExtStatus != kUnset) {
            EXPECT_EQ(DWORD{MSGFLTINFO_ALREADYALLOWED_FORWND}, status.ExtStatus) << message;
        }
    }
}

// The taskbar button minimises a window with a minimise box and a system menu; neither draws
// anything on a window without caption and frame.
TEST_F(MainWindowTest, MinimiseBoxAndSystemMenuButNoFrameAndASmallIconOfItsOwnSize) {
    Open();
    const auto style = static_cast<DWORD>(::GetWindowLongPtrW(window->m_hWnd, GWL_STYLE));
    EXPECT_EQ(DWORD{WS_MINIMIZEBOX | WS_SYSMENU},
              style & (WS_MINIMIZEBOX | WS_SYSMENU | WS_CAPTION | WS_THICKFRAME | WS_MAXIMIZEBOX));
    RECT outer{}, client{};
    ::GetWindowRect(window->m_hWnd, &outer);
    ::GetClientRect(window->m_hWnd, &client);
    EXPECT_EQ(outer.right - outer.left, client.right);
    EXPECT_EQ(outer.bottom - outer.top, client.bottom);

    struct IconCase {
        WPARAM which;
        int width, height;
    };
    const IconCase icons[] = {{ICON_SMALL, ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON)},
                              {ICON_BIG, ::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON)}};
    for (const IconCase& icon : icons) {
        auto handle = reinterpret_cast<HICON>(window->SendMessage(WM_GETICON, icon.which, 0));
        ICONINFO info{};
        ASSERT_TRUE(handle && ::GetIconInfo(handle, &info)) << icon.which;
        BITMAP picture{};
        ::GetObjectW(info.hbmColor, sizeof(picture), &picture);
        EXPECT_EQ(icon.width, picture.bmWidth) << icon.which;
        EXPECT_EQ(icon.height, picture.bmHeight) << icon.which;
        ::DeleteObject(info.hbmColor);
        ::DeleteObject(info.hbmMask);
    }
}

TEST_F(MainWindowTest, AServiceThatDropsTheToolsMessagesIsToldOfInAWarningBox) {
    Open();
    boxOwner = window->m_hWnd;
    boxTexts.clear();
    ::SetTimer(nullptr, 0, 100, ReadTheBoxAndPressEnter);

    window->Pages().ShowServiceRightsWarning();

    for (TextId::Warning id :
         {TextId::Warning::Title, TextId::Warning::ServiceRightsDiffer, TextId::Warning::ServiceRightsNote}) {
        const std::wstring text = LoadUiString(id);
        EXPECT_FALSE(text.empty()) << static_cast<int>(id);
        EXPECT_NE(boxTexts.end(), std::find(boxTexts.begin(), boxTexts.end(), text)) << static_cast<int>(id);
    }
    boxOwner = nullptr;
}

}  // namespace
