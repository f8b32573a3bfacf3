#include "skin/CStaticTrans.h"
#include "window/SkinTestSupport.h"

#include <string>
#include <vector>

namespace {
constexpr COLORREF kPicture = RGB(20, 120, 40);

// A parent whose picture is one colour, painted whole on every WM_PAINT.
class PicturedParent : public RecordingWindow {
public:
    PicturedParent() : RecordingWindow(RECT{50, 50, 350, 200}, {}) {}
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_ERASEBKGND) return TRUE;
        if (message == WM_PAINT) {
            PAINTSTRUCT paint;
            HDC dc = ::BeginPaint(m_hWnd, &paint);
            HBRUSH brush = ::CreateSolidBrush(kPicture);
            ::FillRect(dc, &paint.rcPaint, brush);
            ::DeleteObject(brush);
            ::EndPaint(m_hWnd, &paint);
            return 0;
        }
        return RecordingWindow::WindowProc(message, wParam, lParam);
    }
};

class StaticTransTest : public SkinWindowTest {
protected:
    void SetUp() override {
        SkinWindowTest::SetUp();
        ASSERT_TRUE(label.Create(L"WWWWWWWW", WS_CHILD | WS_VISIBLE, RECT{20, 20, 220, 50}, &parent));
        PumpMessages();
    }

    // How many pixels of the label's area show each of `colours`.
    std::vector<int> Count(const std::vector<COLORREF>& colours) {
        PumpMessages();
        ::UpdateWindow(parent.m_hWnd);
        std::vector<int> counts(colours.size(), 0);
        HDC dc = ::GetDC(parent.m_hWnd);
        for (int y = 20; y < 50; ++y) {
            for (int x = 20; x < 220; ++x) {
                const COLORREF pixel = ::GetPixel(dc, x, y);
                for (size_t i = 0; i < colours.size(); ++i) counts[i] += pixel == colours[i];
            }
        }
        ::ReleaseDC(parent.m_hWnd, dc);
        return counts;
    }

    int NotPicture() {
        const int area = 200 * 30;
        return area - Count({kPicture})[0];
    }

    // What the label does to a fresh device context when its parent asks for its colours.
    struct Colouring {
        HBRUSH brush;
        LOGFONTW font;
        COLORREF text;
        COLORREF back;
        int mode;
    };
    Colouring ColouringOf() {
        HDC dc = ::CreateCompatibleDC(nullptr);
        Colouring result{};
        result.brush = reinterpret_cast<HBRUSH>(
            parent.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label.m_hWnd)));
        ::GetObjectW(::GetCurrentObject(dc, OBJ_FONT), sizeof(result.font), &result.font);
        result.text = ::GetTextColor(dc);
        result.back = ::GetBkColor(dc);
        result.mode = ::GetBkMode(dc);
        ::DeleteDC(dc);
        return result;
    }

    PicturedParent parent;
    CStaticTrans label;
};

TEST_F(StaticTransTest, TransparentTextLeavesNoTraceWhenItChanges) {
    EXPECT_GT(Count({RGB(255, 255, 255)})[0], 50) << "white text on the picture";
    EXPECT_EQ(0, Count({RGB(0, 0, 0)})[0]) << "no background of its own";
    label.SetWindowText(L"");
    EXPECT_EQ(0, NotPicture());
    label.SetWindowText(L"WW");
    label.SetWindowText(L"ii");
    const int narrow = NotPicture();
    label.SetWindowText(L"WW");
    EXPECT_GT(NotPicture(), narrow) << "the wide letters are gone after the narrow ones";
}

TEST_F(StaticTransTest, TransparentLabelDrawsInItsArialFont) {
    label.labelFontHeight = 13;
    label.labelFontWeight = 700;
    label.labelItalic = 1;
    label.textColor = RGB(0, 0, 255);
    const Colouring colouring = ColouringOf();
    EXPECT_EQ(::GetStockObject(NULL_BRUSH), colouring.brush);
    EXPECT_STREQ(L"Arial", colouring.font.lfFaceName);
    EXPECT_EQ(13, colouring.font.lfHeight);
    EXPECT_EQ(700, colouring.font.lfWeight);
    EXPECT_TRUE(colouring.font.lfItalic);
    EXPECT_EQ(RGB(0, 0, 255), colouring.text);
    EXPECT_EQ(TRANSPARENT, colouring.mode);
}

TEST_F(StaticTransTest, SolidLabelPaintsABoxInTheControlsOwnFont) {
    label.backColor = 0x000000;
    label.Invalidate();
    EXPECT_GT(Count({RGB(0, 0, 0)})[0], 1000) << "a black box behind the text";
    const Colouring colouring = ColouringOf();
    EXPECT_STRNE(L"Arial", colouring.font.lfFaceName);
    LOGBRUSH brush{};
    ::GetObjectW(colouring.brush, sizeof(brush), &brush);
    EXPECT_EQ(RGB(0, 0, 0), brush.lbColor);
    EXPECT_EQ(RGB(0, 0, 0), colouring.back);
}

TEST_F(StaticTransTest, FontIsMadeOnceAndAgainOnlyForANewLook) {
    HDC dc = ::CreateCompatibleDC(nullptr);
    auto fontAfterColouring = [&]() {
        parent.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label.m_hWnd));
        return ::GetCurrentObject(dc, OBJ_FONT);
    };
    HGDIOBJ first = fontAfterColouring();
    EXPECT_EQ(first, fontAfterColouring());
    label.labelFontHeight = 20;
    HGDIOBJ second = fontAfterColouring();
    EXPECT_NE(first, second);
    LOGFONTW font{};
    ::GetObjectW(second, sizeof(font), &font);
    EXPECT_EQ(20, font.lfHeight);
    ::DeleteDC(dc);
}

TEST_F(StaticTransTest, InvalidateUnderLabelMarksTheParentsPictureUnderIt) {
    ::ValidateRect(parent.m_hWnd, nullptr);
    label.InvalidateUnderLabel();
    RECT update{};
    EXPECT_TRUE(::GetUpdateRect(parent.m_hWnd, &update, FALSE));
    EXPECT_EQ((std::vector<LONG>{20, 20, 220, 50}), (std::vector<LONG>{update.left, update.top, update.right, update.bottom}));
}
}  // namespace
