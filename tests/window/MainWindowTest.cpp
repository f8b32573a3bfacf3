#include "app/DeviceService.h"
#include "app/Folders.h"
#include "app/Messages.h"
#include "keys/CWarningDlg.h"
#include "profile/IniFile.h"
#include "profile/ProfileFiles.h"
#include "profile/ProfileRules.h"
#include "skin/GdiplusSession.h"
#include "skin/SkinImages.h"
#include "support/TestFolder.h"
#include "support/WindowTestSupport.h"
#include "text/LocalisedText.h"
#include "ui/main/CMoxCfgDlg.h"
#include "ui/main/SettingsValues.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {
void Click(CWnd& button) {
    button.SendMessage(BM_CLICK);
    PumpMessages();
}

// A quick double click as the mouse makes it: the second press comes as WM_LBUTTONDBLCLK.
void DoubleClick(CWnd& button) {
    RECT client = button.GetClientRect();
    LPARAM centre = MAKELPARAM(client.right / 2, client.bottom / 2);
    for (UINT press : {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}) {
        button.SendMessage(press, MK_LBUTTON, centre);
        button.SendMessage(WM_LBUTTONUP, 0, centre);
    }
    ::ReleaseCapture();
    PumpMessages();
}

// A click on a slider bar at a point of the bar.
void ClickBar(CWnd& bar, int x, int y) {
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    PumpMessages();
}

// A press on a slider's thumb and a release at the same point: a click on the thumb.
void PressThumbInPlace(CSliderBar& slider) {
    RECT thumb = slider.thumb->GetClientRect();
    LPARAM centre = MAKELPARAM(thumb.right / 2, thumb.bottom / 2);
    slider.thumb->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, centre);
    slider.thumb->SendMessage(WM_LBUTTONUP, 0, centre);
    PumpMessages();
}

// A drag of a slider's thumb by `dy` pixels down (or `dx` right).
void DragThumb(CSliderBar& slider, int dx, int dy) {
    RECT thumb = slider.thumb->GetClientRect();
    POINT from{thumb.right / 2, thumb.bottom / 2};
    slider.thumb->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
    slider.thumb->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(from.x + dx, from.y + dy));
    slider.thumb->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(from.x + dx, from.y + dy));
    PumpMessages();
}

RECT ThumbRectInBar(CSliderBar& slider) {
    RECT rect = slider.thumb->GetWindowRect();
    ::MapWindowPoints(nullptr, slider.m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
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
public:  // the cases of table tests check through these
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
    EXPECT_EQ(79, Shown().DPIStageValue[1].X) << "the top of every DPI slider stores 79";
    EXPECT_EQ(79, Shown().DPIStageValue[1].Y);
    EXPECT_EQ(L"7900", Text(*Layout().dpiYValueLabels[1]));
}

// The linked slider is placed where an X slider would show the stage's X code, so the same place
// must give the same code back.
TEST_F(MainWindowTest, LinkedSliderStoresTheCodeAnXSliderStoresAtTheSamePlace) {
    WriteProfiles([](ProfileSet& set) {
        set.Profiles[0].DPIStageValue[0] = DpiStage{1, 40, 40, 0};
        set.Profiles[0].DPIStageValue[1] = DpiStage{1, 40, 40, 1};
    });
    Open();
    Click(Layout().pageTabs[1]);
    ASSERT_TRUE(Layout().dpiXYSliders[1].IsWindowVisible());
    for (int dy : {30, -50, 400}) {
        DragThumb(Layout().dpiXSliders[0], 0, dy);
        DragThumb(Layout().dpiXYSliders[1], 0, dy);
        const DpiStage& x = Shown().DPIStageValue[0];
        const DpiStage& linked = Shown().DPIStageValue[1];
        EXPECT_EQ(x.X, linked.X) << dy;
        EXPECT_EQ(x.X, linked.Y) << dy;
        EXPECT_EQ(Text(*Layout().dpiXValueLabels[0]), Text(*Layout().dpiXValueLabels[1])) << dy;
    }
}

// A click on a thumb that does not move it changes neither the profiles nor the thumb, for every
// kind of slider; the stored values are those whose positions and values round into each other
// only approximately.
TEST_F(MainWindowTest, PressingAThumbInPlaceChangesNothing) {
    WriteProfiles([](ProfileSet& set) {
        ProfileRecord& record = set.Profiles[0];
        record.WheelScrollLines = 32;
        record.DPIStageValue[0] = DpiStage{1, 78, 40, 0};
        record.DPIStageValue[1] = DpiStage{1, 77, 77, 1};
        record.DPIStageValue[4] = DpiStage{1, 80, 80, 1};
        record.LedMode1 = 0;
        record.LedColor1 = static_cast<std::int32_t>(RGB(100, 37, 200));
    });
    struct Case {
        const char* what;
        int page;
        CSliderBar& (*slider)(MainLayout&);
    };
    const Case cases[] = {
        {"scroll lines 32", 1, [](MainLayout& l) -> CSliderBar& { return l.pointerSliders[2]; }},
        {"X at 7800", 2, [](MainLayout& l) -> CSliderBar& { return l.dpiXSliders[0]; }},
        {"Y at 4000", 2, [](MainLayout& l) -> CSliderBar& { return l.dpiYSliders[0]; }},
        {"linked at 7700", 2, [](MainLayout& l) -> CSliderBar& { return l.dpiXYSliders[1]; }},
        {"linked at 8000, shown at the top", 2, [](MainLayout& l) -> CSliderBar& { return l.dpiXYSliders[4]; }},
        {"red 100", 3, [](MainLayout& l) -> CSliderBar& { return l.colorSliders[0]; }},
        {"green 37", 3, [](MainLayout& l) -> CSliderBar& { return l.colorSliders[1]; }},
        {"blue 200", 3, [](MainLayout& l) -> CSliderBar& { return l.colorSliders[2]; }},
    };
    Open();
    for (const Case& c : cases) {
        Click(Layout().pageTabs[c.page - 1]);
        CSliderBar& slider = c.slider(Layout());
        ASSERT_TRUE(slider.IsWindowVisible()) << c.what;
        const ProfileSet before = WorkingProfiles;
        const RECT place = ThumbRectInBar(slider);
        const int value = slider.thumb->value;

        PressThumbInPlace(slider);

        EXPECT_EQ(0, std::memcmp(&before, &WorkingProfiles, sizeof(ProfileSet))) << c.what;
        const RECT after = ThumbRectInBar(slider);
        EXPECT_TRUE(::EqualRect(&place, &after)) << c.what;
        EXPECT_EQ(value, slider.thumb->value) << c.what;
    }
    EXPECT_EQ(L"37", Layout().colorEdits[1].GetWindowText());
}

// A double click is two clicks: a check box ends where two clicks leave it, a tab is selected.
TEST_F(MainWindowTest, ADoubleClickDoesWhatTwoClicksDo) {
    WriteProfiles([](ProfileSet& set) {
        for (int s = 2; s < kDpiStageCount; ++s) set.Profiles[0].DPIStageValue[s].Enabled = 0;
    });
    struct Case {
        const char* what;
        CBitmapBtn& (*control)(MainLayout&);
        void (*check)(MainWindowTest&);
    };
    const Case cases[] = {
        {"one of two enabled stages", [](MainLayout& l) -> CBitmapBtn& { return l.stageEnableBoxes[0]; },
         [](MainWindowTest& t) {
             EXPECT_TRUE(t.Layout().stageEnableBoxes[0].checked);
             EXPECT_EQ(1, t.Shown().DPIStageValue[0].Enabled);
             EXPECT_TRUE(t.Layout().dpiXSliders[0].IsWindowEnabled());
         }},
        {"a link toggle", [](MainLayout& l) -> CBitmapBtn& { return l.linkToggles[3]; },
         [](MainWindowTest& t) {
             EXPECT_FALSE(t.Layout().linkToggles[3].checked);
             EXPECT_EQ(0, t.Shown().DPIStageValue[3].Linked);
             EXPECT_TRUE(t.Layout().dpiXSliders[3].IsWindowVisible());
             EXPECT_FALSE(t.Layout().dpiXYSliders[3].IsWindowVisible());
         }},
        {"a polling box", [](MainLayout& l) -> CBitmapBtn& { return l.pollingButtons[0]; },
         [](MainWindowTest& t) {
             EXPECT_EQ(8, t.Shown().PollingRate);
             for (int j = 0; j < 4; ++j) EXPECT_EQ(j == 0, t.Layout().pollingButtons[j].checked != 0) << j;
         }},
        {"the third page tab", [](MainLayout& l) -> CBitmapBtn& { return l.pageTabs[2]; },
         [](MainWindowTest& t) {
             EXPECT_EQ(3, t.window->PageState().currentPage);
             for (int i = 0; i < 3; ++i) EXPECT_EQ(i == 2, t.Layout().pageTabs[i].checked != 0) << i;
         }},
        {"the second profile tab", [](MainLayout& l) -> CBitmapBtn& { return l.profileTabs[1]; },
         [](MainWindowTest& t) {
             EXPECT_EQ(1, t.window->PageState().currentProfile);
             EXPECT_EQ(1, WorkingProfiles.GroupID);
             for (int i = 0; i < 5; ++i) EXPECT_EQ(i == 1, t.Layout().profileTabs[i].checked != 0) << i;
         }},
    };
    Open();
    Click(Layout().pageTabs[1]);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DoubleClick(c.control(Layout()));
        c.check(*this);
    }
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

// The colour stored for a click on the colour picture is the picture's own pixel under the cursor.
TEST_F(MainWindowTest, ColourPickerStoresThePicturesOwnPixel) {
    const RECT& picture = SettingsPages::kColorPictureRect;
    SkinImage file = LoadSkinImage(SkinFolder::Background, L"RGB.png");
    ASSERT_TRUE(file);
    Open();
    Click(Layout().pageTabs[2]);
    window->UpdateWindow();
    struct Case {
        const char* what;
        POINT point;
    };
    const Case cases[] = {
        {"the bottom left corner of the part that picks", {210, 428}},
        {"the centre", {313, 356}},
        {"the right edge of the part that picks", {415, 330}},
    };
    for (const Case& c : cases) {
        Gdiplus::Color pixel;
        ASSERT_EQ(Gdiplus::Ok, file->GetPixel(c.point.x - picture.left, c.point.y - picture.top, &pixel)) << c.what;
        const COLORREF expected = RGB(pixel.GetR(), pixel.GetG(), pixel.GetB());

        PressOnSurface(*window, c.point);

        EXPECT_EQ(static_cast<std::int32_t>(expected), Shown().LedColor1) << c.what;
        EXPECT_EQ(expected, window->PageState().currentColor) << c.what;
        for (int k = 0; k < 3; ++k) {
            const int component = static_cast<int>((expected >> (8 * k)) & 0xFF);
            EXPECT_EQ(std::to_wstring(component), Layout().colorEdits[k].GetWindowText()) << c.what << " " << k;
            EXPECT_EQ(component + 1, Layout().colorSliders[k].thumb->value) << c.what << " " << k;
        }
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
    EXPECT_TRUE(Layout().ledMode5Button.checked) << "the chosen mode shows on its own button";
    EXPECT_EQ(5, window->PageState().shownLedMode);
    EXPECT_EQ(panel, underPicture) << "no colour picture is painted";
    EXPECT_TRUE(Layout().breathSpeedButtons[0].checked) << "an unknown breathing speed shows the first choice";
}

TEST_F(MainWindowTest, TheModeFiveButtonShowsWhenModeFiveIsChosen) {
    Open();
    Click(Layout().pageTabs[2]);
    Click(Layout().ledMode5Button);
    EXPECT_EQ(5, Shown().LedMode1);
    EXPECT_TRUE(Layout().ledMode5Button.checked);
    for (int j = 0; j < 5; ++j) EXPECT_FALSE(Layout().ledModeButtons[j].checked) << j;

    Click(Layout().ledModeButtons[3]);
    EXPECT_EQ(3, Shown().LedMode1);
    EXPECT_FALSE(Layout().ledMode5Button.checked);
    EXPECT_TRUE(Layout().ledModeButtons[3].checked);

    window->SendMessage(WM_DEVICE_SETTING, SETTING_LED_MODE, 5);
    EXPECT_TRUE(Layout().ledMode5Button.checked) << "the device chose mode 5";
    EXPECT_FALSE(Layout().ledModeButtons[3].checked);
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
}  // namespace
