#include "framework/Folders.h"
#include "skin/CPngHSliderBar.h"
#include "skin/CPngSliderBar.h"
#include "window/SkinTestSupport.h"

#include <string>
#include <vector>

namespace {
constexpr COLORREF kThumb = RGB(0, 180, 240);
constexpr COLORREF kDisabledThumb = RGB(100, 100, 100);
constexpr COLORREF kTrack = RGB(60, 60, 60);

// A page with the tool's slider sizes: a horizontal bar 244 x 18 with the 14 x 18 thumb "y.png"
// and a vertical bar 24 x 215 with the 24 x 13 thumb "x2.png".
class SliderTest : public SkinWindowTest {
protected:
    void SetUp() override {
        SkinWindowTest::SetUp();
        InitFolders();
        thumbY = LoadSkinImage(SkinFolder::Controls, L"y.png");
        thumbYDisabled = LoadSkinImage(SkinFolder::Controls, L"y-d.png");
        thumbX2 = LoadSkinImage(SkinFolder::Controls, L"x2.png");
        ASSERT_TRUE(horizontal.Create(thumbY.get(), thumbYDisabled.get(), RECT{20, 20, 264, 38}, &page, 10004));
        ASSERT_TRUE(vertical.Create(thumbX2.get(), nullptr, RECT{300, 20, 324, 235}, &page, 10008, TRUE));
        horizontal.SetTrackImage(track.get());
        vertical.SetTrackImage(track.get());
        PumpMessages();
    }

    // Thumb rectangle in the bar's client coordinates.
    static RECT ThumbRect(CSliderBar& bar) {
        RECT rect = bar.thumb->GetWindowRect();
        ::MapWindowPoints(nullptr, bar.m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    std::vector<RecordedMessage> Reports() {
        PumpMessages();
        auto reports = page.Received(WM_SLIDER_CHANGED);
        page.messages.clear();
        return reports;
    }

    RecordingWindow page{RECT{30, 30, 430, 330}, {WM_SLIDER_CHANGED}};
    SkinImage track = SolidImage(kTrack);
    // Borrowed by the thumbs, so they outlive the bars.
    SkinImage thumbY, thumbYDisabled, thumbX2;
    SkinImage thumbColour = SolidImage(kThumb, 14, 18);
    SkinImage disabledColour = SolidImage(kDisabledThumb, 14, 18);
    SkinImage missingThumb;
    CPngHSliderBar horizontal;
    CPngSliderBar vertical;
};

TEST_F(SliderTest, ThumbTakesTheSizeOfItsImageAndStartsAtTheMinimum) {
    EXPECT_EQ(14, horizontal.thumb->thumbWidth);
    EXPECT_EQ(18, horizontal.thumb->thumbHeight);
    const RECT h = ThumbRect(horizontal);
    EXPECT_EQ((std::vector<LONG>{0, 0, 14, 18}), (std::vector<LONG>{h.left, h.top, h.right, h.bottom}));
    const RECT v = ThumbRect(vertical);
    EXPECT_EQ((std::vector<LONG>{0, 0, 24, 13}), (std::vector<LONG>{v.left, v.top, v.right, v.bottom}));
    EXPECT_EQ(10004, horizontal.thumb->sliderId);
    EXPECT_EQ(10004, ::GetDlgCtrlID(horizontal.thumb->m_hWnd));
}

TEST_F(SliderTest, PositionIsLinearInTheValueAndAValueAboveTheRangeGoesToTheMinimum) {
    struct PosCase {
        int minValue;
        int maxValue;
        int value;
        LONG left;
        int stored;
    };
    const PosCase cases[] = {
        {1, 4, 1, 0, 1}, {1, 4, 4, 230, 4}, {1, 4, 3, 153, 3}, {1, 4, 5, 0, 1}, {1, 4, 0, 0, 1}, {0, 10, 10, 230, 10},
    };
    for (const PosCase& c : cases) {
        horizontal.SetRange(c.minValue, c.maxValue);
        horizontal.SetPos(c.value);
        EXPECT_EQ(c.left, ThumbRect(horizontal).left) << c.value;
        EXPECT_EQ(c.stored, horizontal.thumb->value) << c.value;
    }
}

TEST_F(SliderTest, VerticalSliderHasItsMinimumAtTheTop) {
    vertical.SetRange(2, 80);
    vertical.SetPos(2);
    EXPECT_EQ(0, ThumbRect(vertical).top);
    vertical.SetPos(80);
    EXPECT_EQ(215 - 13, ThumbRect(vertical).top);
    vertical.thumb->offsetRight = 1;
    vertical.SetPos(41);
    EXPECT_EQ(101, ThumbRect(vertical).top);
    EXPECT_EQ(14, ThumbRect(vertical).left);
}

TEST_F(SliderTest, DragReportsOnceAtTheReleaseAndStopsAtTheTrackEnds) {
    horizontal.SetRange(0, 10);
    horizontal.SetPos(5);
    horizontal.thumb->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, Point(7, 9));
    horizontal.thumb->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, Point(500, 9));
    EXPECT_EQ(230, ThumbRect(horizontal).left) << "stops at the right end";
    EXPECT_TRUE(Reports().empty()) << "nothing while moving";
    horizontal.thumb->SendMessage(WM_LBUTTONUP, 0, Point(500, 9));
    auto reports = Reports();
    ASSERT_EQ(1u, reports.size());
    EXPECT_EQ(10u, reports[0].wParam);
    EXPECT_EQ(10004, reports[0].lParam);
    EXPECT_EQ(nullptr, ::GetCapture());

    horizontal.thumb->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, Point(7, 9));
    horizontal.thumb->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, Point(-500, 9));
    EXPECT_EQ(0, ThumbRect(horizontal).left) << "stops at the left end";
    horizontal.thumb->SendMessage(WM_LBUTTONUP, 0, Point(-500, 9));
    reports = Reports();
    ASSERT_EQ(1u, reports.size());
    EXPECT_EQ(1u, reports[0].wParam) << "the left end of a range from 0 reports 1";
}

TEST_F(SliderTest, VerticalDragReportsThroughTheBarUnderItsId) {
    vertical.SetRange(2, 80);
    vertical.SetPos(2);
    vertical.thumb->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, Point(12, 6));
    vertical.thumb->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, Point(12, 6 + 101));
    vertical.thumb->SendMessage(WM_LBUTTONUP, 0, Point(12, 6 + 101));
    EXPECT_EQ(101, ThumbRect(vertical).top);
    auto reports = Reports();
    ASSERT_EQ(1u, reports.size());
    EXPECT_EQ(42u, reports[0].wParam) << "2 + 101 x 78 / 202, one more past half a step";
    EXPECT_EQ(10008, reports[0].lParam);
    EXPECT_EQ(42, vertical.thumb->value);
}

TEST_F(SliderTest, ABarClickReportsAtPressAndReleaseWithTheValueUnderThePointer) {
    horizontal.SetRange(1, 4);
    horizontal.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, Point(200, 9));
    horizontal.SendMessage(WM_LBUTTONUP, 0, Point(200, 9));
    auto reports = Reports();
    ASSERT_EQ(2u, reports.size());
    for (const RecordedMessage& report : reports) {
        EXPECT_EQ(3u, report.wParam);
        EXPECT_EQ(10004, report.lParam);
    }
    EXPECT_EQ(153, ThumbRect(horizontal).left) << "the thumb moves to the value";

    vertical.SetRange(2, 80);
    vertical.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, Point(12, 0));
    vertical.SendMessage(WM_LBUTTONUP, 0, Point(12, 0));
    reports = Reports();
    ASSERT_EQ(2u, reports.size());
    EXPECT_EQ(2u, reports[1].wParam);
    EXPECT_EQ(10008, reports[1].lParam);
}

// The page hands each report back by the id it carries; the bar of that id calls its callback.
TEST_F(SliderTest, AReflectedReportReachesTheCallbackOfTheBarWithItsId) {
    std::vector<int> horizontalValues, verticalValues;
    horizontal.onChange = [&](int value) { horizontalValues.push_back(value); };
    vertical.onChange = [&](int value) { verticalValues.push_back(value); };
    horizontal.SetRange(1, 4);
    horizontal.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, Point(200, 9));
    horizontal.SendMessage(WM_LBUTTONUP, 0, Point(200, 9));
    for (const RecordedMessage& report : Reports()) {
        EXPECT_TRUE(CSliderBar::ReflectChange(page.m_hWnd, report.wParam, report.lParam));
    }
    EXPECT_EQ((std::vector<int>{3, 3}), horizontalValues);
    EXPECT_TRUE(verticalValues.empty());

    EXPECT_FALSE(CSliderBar::ReflectChange(page.m_hWnd, 5, 10099)) << "no bar has the id";
    vertical.onChange = nullptr;
    EXPECT_FALSE(CSliderBar::ReflectChange(page.m_hWnd, 5, 10008)) << "the bar has no callback";
    EXPECT_EQ(2u, horizontalValues.size());
}

// Positions and values round into each other only approximately: value 2 of the colour range
// shares its pixel with value 1, and value 3 of the DPI range reads back as 2.
TEST_F(SliderTest, AThumbReleasedWhereItWasPressedReportsNothingAndStays) {
    horizontal.SetRange(1, 256);
    horizontal.SetPos(2);
    vertical.SetRange(2, 80);
    vertical.SetPos(3);
    for (CSliderBar* bar : {static_cast<CSliderBar*>(&horizontal), static_cast<CSliderBar*>(&vertical)}) {
        const RECT before = ThumbRect(*bar);
        const int value = bar->thumb->value;
        // Away by 40 pixels along the bar and back: the second point is in the moved thumb's coordinates.
        const bool horizontal = bar->thumb->Axis() == SliderAxis::Horizontal;
        auto along = [&](int offset) { return horizontal ? Point(5 + offset, 5) : Point(5, 5 + offset); };
        bar->thumb->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, along(0));
        bar->thumb->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, along(40));
        const RECT away = ThumbRect(*bar);
        EXPECT_FALSE(::EqualRect(&before, &away)) << "the thumb follows the mouse";
        bar->thumb->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, along(-40));
        bar->thumb->SendMessage(WM_LBUTTONUP, 0, along(-40));
        EXPECT_TRUE(Reports().empty()) << bar->sliderId;
        const RECT after = ThumbRect(*bar);
        EXPECT_TRUE(::EqualRect(&before, &after)) << bar->sliderId;
        EXPECT_EQ(value, bar->thumb->value) << bar->sliderId;
        EXPECT_EQ(nullptr, ::GetCapture());
    }
}

TEST_F(SliderTest, AReleaseWithoutADragReportsNothing) {
    horizontal.thumb->SendMessage(WM_LBUTTONUP, 0, Point(7, 9));
    EXPECT_TRUE(Reports().empty());
}

TEST_F(SliderTest, LosingTheMouseEndsTheDragWhereTheThumbStands) {
    horizontal.SetRange(1, 4);
    horizontal.thumb->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, Point(7, 9));
    horizontal.thumb->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, Point(7 + 230, 9));
    ::SetCapture(page.m_hWnd);
    ::ReleaseCapture();
    auto reports = Reports();
    ASSERT_EQ(1u, reports.size());
    EXPECT_EQ(4u, reports[0].wParam);
    horizontal.thumb->SendMessage(WM_MOUSEMOVE, 0, Point(-100, 9));
    EXPECT_EQ(230, ThumbRect(horizontal).left) << "the thumb no longer follows the mouse";
}

TEST_F(SliderTest, DisablingTheBarShowsTheDisabledThumbWhenThereIsOne) {
    EXPECT_EQ(kTrack, PixelOf(horizontal.m_hWnd, 100, 2));
    horizontal.thumb->thumbImage = thumbColour.get();
    horizontal.thumb->disabledThumbImage = disabledColour.get();
    horizontal.thumb->Invalidate();
    EXPECT_EQ(kThumb, PixelOf(horizontal.thumb->m_hWnd, 7, 9));
    horizontal.EnableWindow(FALSE);
    EXPECT_FALSE(horizontal.thumb->enabled);
    EXPECT_EQ(kDisabledThumb, PixelOf(horizontal.thumb->m_hWnd, 7, 9));
    horizontal.EnableWindow(TRUE);
    EXPECT_EQ(kThumb, PixelOf(horizontal.thumb->m_hWnd, 7, 9));

    const COLORREF before = PixelOf(vertical.thumb->m_hWnd, 12, 6);
    vertical.EnableWindow(FALSE);
    EXPECT_EQ(before, PixelOf(vertical.thumb->m_hWnd, 12, 6)) << "no disabled image: nothing changes";
}

TEST_F(SliderTest, VerticalBarIsDarkGreyUnderItsTrackAndItsThumbIsShaped) {
    vertical.SetTrackImage(nullptr);
    EXPECT_EQ(RGB(0x32, 0x32, 0x32), PixelOf(vertical.m_hWnd, 12, 100));
    HRGN shape = ::CreateRectRgn(0, 0, 0, 0);
    EXPECT_NE(ERROR, ::GetWindowRgn(vertical.thumb->m_hWnd, shape)) << "the thumb has a window region";
    EXPECT_TRUE(::PtInRegion(shape, 12, 6));
    ::DeleteObject(shape);
    EXPECT_EQ(nullptr, horizontal.thumb->region);
}

TEST_F(SliderTest, MissingThumbImagesGiveAThumbOfNoSize) {
    missingThumb = LoadSkinImage(SkinFolder::Controls, L"no-such-thumb.png");
    CPngHSliderBar bar;
    ASSERT_TRUE(bar.Create(missingThumb.get(), nullptr, RECT{20, 100, 264, 118}, &page, 10005));
    const RECT rect = ThumbRect(bar);
    EXPECT_EQ(0, rect.right - rect.left);
    EXPECT_EQ(0, rect.bottom - rect.top);
    bar.SetRange(1, 4);
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, Point(243, 9));
    auto reports = Reports();
    ASSERT_EQ(1u, reports.size());
    EXPECT_EQ(4u, reports[0].wParam);
}

// Keys report the new value as the end of a drag does: one message each, with the bar's id, and
// none from a key that cannot move the thumb further.
TEST_F(SliderTest, KeysMoveTheFocusedThumbAndReportEachNewValue) {
    struct KeyStep {
        WPARAM key;
        int value;
        bool reported;
    };
    const std::vector<KeyStep> steps = {
        {VK_RIGHT, 6, true}, {VK_UP, 7, true},     {VK_LEFT, 6, true},  {VK_DOWN, 5, true},
        {VK_PRIOR, 10, true}, {VK_NEXT, 5, true},  {VK_END, 50, true},  {VK_RIGHT, 50, false},
        {VK_HOME, 0, true},  {VK_LEFT, 0, false},  {VK_SPACE, 0, false},
    };
    const std::vector<KeyStep> verticalSteps = {
        {VK_DOWN, 6, true},  {VK_UP, 5, true},     {VK_RIGHT, 6, true}, {VK_LEFT, 5, true},
        {VK_NEXT, 10, true}, {VK_PRIOR, 5, true},  {VK_END, 50, true},  {VK_DOWN, 50, false},
        {VK_HOME, 0, true},  {VK_UP, 0, false},    {VK_SPACE, 0, false},
    };
    for (CSliderBar* bar : {static_cast<CSliderBar*>(&horizontal), static_cast<CSliderBar*>(&vertical)}) {
        const bool upright = bar == &vertical;  // the smallest value at the top: Up goes there
        bar->SetRange(0, 50);  // a page is 5
        bar->SetPos(5);
        ::SetFocus(bar->m_hWnd);
        ASSERT_EQ(bar->thumb->m_hWnd, ::GetFocus()) << "the bar hands the focus to its thumb";
        EXPECT_EQ(DLGC_WANTARROWS, bar->thumb->SendMessage(WM_GETDLGCODE) & DLGC_WANTARROWS);
        Reports();
        for (const KeyStep& step : upright ? verticalSteps : steps) {
            bar->thumb->SendMessage(WM_KEYDOWN, step.key, 0);
            auto reports = Reports();
            EXPECT_EQ(step.value, bar->thumb->value) << "key " << step.key;
            ASSERT_EQ(step.reported ? 1u : 0u, reports.size()) << "key " << step.key;
            if (!step.reported) continue;
            EXPECT_EQ(static_cast<WPARAM>(step.value), reports[0].wParam);
            EXPECT_EQ(bar->sliderId, reports[0].lParam);
        }
        const RECT moved = ThumbRect(*bar);
        bar->SetPos(0);
        const RECT set = ThumbRect(*bar);
        EXPECT_TRUE(::EqualRect(&moved, &set)) << "the thumb stands where SetPos puts the value";
    }
}

TEST_F(SliderTest, DisabledSliderIgnoresKeys) {
    horizontal.SetRange(1, 20);
    horizontal.SetPos(5);
    horizontal.EnableWindow(FALSE);
    horizontal.thumb->SendMessage(WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(5, horizontal.thumb->value);
    EXPECT_TRUE(Reports().empty());
}
}  // namespace
