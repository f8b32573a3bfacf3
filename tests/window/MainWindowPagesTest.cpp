#include "window/MainWindowFixture.h"

#include "text/LocalisedText.h"
#include "ui/main/SettingsValues.h"

#include <cstring>
#include <set>

namespace {
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

// The inventory is the one list of the window's controls: each child window is the control of
// exactly one row, and a page shows the rows of its part and no other page's.
TEST_F(MainWindowTest, EveryChildWindowIsTheControlOfOneInventoryRow) {
    Open();
    std::vector<HWND> rowWindows;
    for (LayoutPart part : {LayoutPart::Top, LayoutPart::Page1, LayoutPart::Page2, LayoutPart::Page3, LayoutPart::Bottom}) {
        for (const ControlRow& row : Layout().Rows(part)) rowWindows.push_back(WindowOf(row.control)->m_hWnd);
    }
    std::vector<HWND> children;
    for (HWND child = ::GetWindow(window->m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    EXPECT_EQ(std::set<HWND>(children.begin(), children.end()), std::set<HWND>(rowWindows.begin(), rowWindows.end()));
    EXPECT_EQ(children.size(), rowWindows.size()) << "a control in two rows";

    const LayoutPart pages[] = {LayoutPart::Page1, LayoutPart::Page2, LayoutPart::Page3};
    for (int page = 1; page <= 3; ++page) {
        Click(Layout().pageTabs[page - 1]);
        for (int other = 1; other <= 3; ++other) {
            for (const ControlRow& row : Layout().Rows(pages[other - 1])) {
                const bool visible = WindowOf(row.control)->IsWindowVisible() != FALSE;
                if (other != page) {
                    EXPECT_FALSE(visible) << page << " " << other;
                } else if (row.show == PageShow::WithPage) {
                    EXPECT_TRUE(visible) << page;
                }
            }
        }
        const std::vector<ControlRow> reading = Layout().ReadingOrder(page);
        EXPECT_EQ(Layout().profileTabs[0].m_hWnd, WindowOf(reading.front().control)->m_hWnd) << page;
        EXPECT_EQ(Layout().closeButton.m_hWnd, WindowOf(reading.back().control)->m_hWnd) << page;
    }
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
    EXPECT_EQ(LoadUiString(TextId::General::AccelerationLabel) + L" : 4", Text(*Layout().pointerSliderTitles[0]));

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
    EXPECT_EQ(80, Shown().DPIStageValue[0].X);
    EXPECT_EQ(L"8000", Text(*Layout().dpiXValueLabels[0]));
    ClickBar(Layout().dpiXYSliders[1], 5, 0);
    EXPECT_EQ(80, Shown().DPIStageValue[1].X) << "the top of every DPI slider stores 80";
    EXPECT_EQ(80, Shown().DPIStageValue[1].Y);
    EXPECT_EQ(L"8000", Text(*Layout().dpiYValueLabels[1]));
}

// Every kind of DPI slider, clicked or dragged to either end, stores the device's end codes 80
// and 2; dragged step by step over its whole track it stores every code between and no other.
TEST_F(MainWindowTest, EveryDpiSliderReachesTheCodes2To80) {
    WriteProfiles([](ProfileSet& set) {
        set.Profiles[0].DPIStageValue[0] = DpiStage{1, 40, 40, 0};
        set.Profiles[0].DPIStageValue[1] = DpiStage{1, 40, 40, 1};
    });
    Open();
    Click(Layout().pageTabs[1]);
    struct Kind {
        const char* what;
        CPngSliderBar& slider;
        std::int32_t DpiStage::*field;
        CWnd& label;
    };
    const Kind kinds[] = {
        {"X", Layout().dpiXSliders[0], &DpiStage::X, *Layout().dpiXValueLabels[0]},
        {"Y", Layout().dpiYSliders[0], &DpiStage::Y, *Layout().dpiYValueLabels[0]},
        {"linked", Layout().dpiXYSliders[1], &DpiStage::X, *Layout().dpiYValueLabels[1]},
    };
    for (const Kind& kind : kinds) {
        const DpiStage& stage = Shown().DPIStageValue[&kind.slider == &Layout().dpiXYSliders[1] ? 1 : 0];
        const RECT bar = kind.slider.GetClientRect();
        struct End {
            const char* how;
            bool drag;
            int towards;  // -1 the top, 1 the bottom
            int code;
        };
        for (const End& end : {End{"clicked at the top", false, -1, 80}, End{"clicked at the bottom", false, 1, 2},
                               End{"dragged to the top", true, -1, 80}, End{"dragged to the bottom", true, 1, 2}}) {
            if (end.drag) {
                DragThumb(kind.slider, 0, 400 * end.towards);
            } else {
                ClickBar(kind.slider, bar.right / 2, end.towards < 0 ? 0 : bar.bottom - 1);
            }
            EXPECT_EQ(end.code, stage.*kind.field) << kind.what << " " << end.how;
            EXPECT_EQ(std::to_wstring(end.code * 100), Text(kind.label)) << kind.what << " " << end.how;
        }
        std::set<int> stored;
        DragThumb(kind.slider, 0, -400);
        for (int moved = 0; moved < bar.bottom; ++moved) {
            DragThumb(kind.slider, 0, 1);
            stored.insert(stage.*kind.field);
        }
        EXPECT_EQ(79u, stored.size()) << kind.what;
        EXPECT_EQ(2, *stored.begin()) << kind.what;
        EXPECT_EQ(80, *stored.rbegin()) << kind.what;
    }
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
        set.Profiles[0].DPIStageValue[3].Linked = 0;
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
    // The factory profiles: a mode that shows the colour picture.
    WriteProfiles([](ProfileSet&) {});
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
    const RECT& picture = kColorPictureRect;
    WriteProfiles([](ProfileSet& set) { set.Profiles[0].LedMode1 = 0; });
    Open();
    SkinImage file = LoadSkinImage(SkinFolder::Background, L"RGB.png");
    ASSERT_TRUE(file);
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

// However mode 5 ("Running") comes after a mode with options, the page shows no option of another
// mode, and a press where the hidden colour picture was picks no colour.
TEST_F(MainWindowTest, RunningShowsOnlyItsOwnControlsAndPicksNoColour) {
    struct Case {
        const char* what;
        int modeBefore;
        void (*toRunning)(MainWindowTest&);
    };
    const Case cases[] = {
        {"its button after flashing", 2, [](MainWindowTest& t) { Click(t.Layout().ledMode5Button); }},
        {"its button after breathing", 1, [](MainWindowTest& t) { Click(t.Layout().ledMode5Button); }},
        {"the device after flashing", 2,
         [](MainWindowTest& t) { t.window->SendMessage(WM_DEVICE_SETTING, SETTING_LED_MODE, 5); }},
        {"a profile in mode 5 after flashing", 2, [](MainWindowTest& t) { Click(t.Layout().profileTabs[1]); }},
    };
    const auto kColour = static_cast<std::int32_t>(RGB(10, 20, 30));
    for (const Case& c : cases) {
        WriteProfiles([&](ProfileSet& set) {
            set.Profiles[0].LedMode1 = c.modeBefore;
            set.Profiles[1].LedMode1 = 5;
            for (ProfileRecord& record : set.Profiles) record.LedColor1 = kColour;
        });
        Open();
        Click(Layout().pageTabs[2]);
        c.toRunning(*this);
        ASSERT_EQ(5, Shown().LedMode1) << c.what;
        std::vector<CWnd*> others{Layout().breathTitle.get(), Layout().flashTitle.get(), Layout().directionTitle.get()};
        for (CBitmapBtn& button : Layout().breathSpeedButtons) others.push_back(&button);
        for (CBitmapBtn& button : Layout().flashSpeedButtons) others.push_back(&button);
        for (CBitmapBtn& button : Layout().directionButtons) others.push_back(&button);
        for (CWnd* control : others) EXPECT_FALSE(control->IsWindowVisible()) << c.what << ": " << control->GetWindowText();

        PressOnSurface(*window, POINT{300, 350});
        EXPECT_EQ(kColour, Shown().LedColor1) << c.what << ": the hidden picture picks nothing";
        EXPECT_EQ(std::to_wstring(10), Layout().colorEdits[0].GetWindowText()) << c.what;
        window.reset();
        PumpMessages();
    }
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

}  // namespace
