#include "framework/Folders.h"
#include "res/resource.h"
#include "skin/CSkinDialog.h"
#include "window/SkinTestSupport.h"

#include <string>
#include <vector>

namespace {
constexpr COLORREF kBody = RGB(37, 37, 37);
constexpr COLORREF kPicture = RGB(0, 180, 240);

// A dialog of the key dialogs' size and outline with a plain body and one picture.
class ShapedDialog : public CSkinDialog {
public:
    ShapedDialog(const wchar_t* regionName, SkinPaintDC::Mode mode, BOOL eraseResult)
        : CSkinDialog(IDD_WARNING_BOX, nullptr, mode, eraseResult), regionName(regionName) {}

    std::vector<std::string> calls;
    const GdiObject<HBITMAP>& RegionBitmap() const { return regionBitmap; }
    SIZE RegionBitmapSize() const { return regionBitmapSize; }
    HRGN WindowRegion() const { return windowRegion; }

protected:
    void CreateSkinLayout() override {
        calls.push_back("layout");
        background = SolidImage(kBody);
        picture = SolidImage(kPicture);
        MoveWindow(0, 0, 478, 292, TRUE);
    }
    const wchar_t* RegionBitmapName() const override { return regionName; }
    Gdiplus::Image* BackgroundImage() const override { return background.get(); }
    void PaintSkin(Gdiplus::Graphics& graphics, HDC) override {
        DrawSkinImage(graphics, picture.get(), Gdiplus::Rect(100, 100, 50, 40));
    }
    void ReleaseSkin() override {
        calls.push_back("release");
        background.reset();
        picture.reset();
    }

private:
    const wchar_t* regionName;
    SkinImage background;
    SkinImage picture;
};

// A dialog laid out at its scale: 478 x 292 with one child at (100, 50)-(220, 80), at 96 DPI.
class ScaledDialog : public CSkinDialog {
public:
    ScaledDialog() : CSkinDialog(IDD_WARNING_BOX, nullptr, SkinPaintDC::Mode::Direct) {}

    int layouts = 0;
    HWND child = nullptr;
    HRGN WindowRegion() const { return windowRegion; }
    UINT Dpi() const { return displayScale.Dpi(); }

protected:
    void CreateSkinLayout() override {
        ++layouts;
        MoveWindow(0, 0, displayScale.Scale(478), displayScale.Scale(292), TRUE);
        const RECT rect = displayScale.Scale(RECT{100, 50, 220, 80});
        child = ::CreateWindowExW(0, L"STATIC", L"child", WS_CHILD | WS_VISIBLE, rect.left, rect.top, rect.right - rect.left,
                                  rect.bottom - rect.top, m_hWnd, nullptr, nullptr, nullptr);
    }
    const wchar_t* RegionBitmapName() const override { return L"cfgMainback2.bmp"; }
};

class SkinDialogTest : public SkinWindowTest {
protected:
    void SetUp() override {
        SkinWindowTest::SetUp();
        InitFolders();
    }
};

TEST_F(SkinDialogTest, LayoutThenRegionFromTheBitmapThenPaintedFromItsImages) {
    for (SkinPaintDC::Mode mode : {SkinPaintDC::Mode::Direct, SkinPaintDC::Mode::Buffered}) {
        ShapedDialog dialog(L"cfgMainback2.bmp", mode, TRUE);
        ASSERT_TRUE(dialog.Create());
        dialog.ShowWindow(SW_SHOW);
        EXPECT_EQ(std::vector<std::string>{"layout"}, dialog.calls);
        EXPECT_EQ(478, dialog.RegionBitmapSize().cx);
        EXPECT_EQ(292, dialog.RegionBitmapSize().cy);
        EXPECT_NE(nullptr, dialog.RegionBitmap().Get());

        HRGN shape = ::CreateRectRgn(0, 0, 0, 0);
        ASSERT_EQ(COMPLEXREGION, ::GetWindowRgn(dialog.m_hWnd, shape));
        EXPECT_FALSE(::PtInRegion(shape, 0, 0)) << "the corner lies outside the outline";
        EXPECT_TRUE(::PtInRegion(shape, 239, 146));
        ::DeleteObject(shape);
        EXPECT_NE(nullptr, dialog.WindowRegion());

        EXPECT_EQ(kBody, PixelOf(dialog.m_hWnd, 239, 200));
        EXPECT_EQ(kPicture, PixelOf(dialog.m_hWnd, 120, 120));
        dialog.DestroyWindow();
        EXPECT_EQ((std::vector<std::string>{"layout", "release"}), dialog.calls);
    }
}

TEST_F(SkinDialogTest, WithoutAUsableRegionBitmapTheWindowStaysRectangular) {
    for (const wchar_t* name : {static_cast<const wchar_t*>(nullptr), L"no-such-outline.bmp"}) {
        ShapedDialog dialog(name, SkinPaintDC::Mode::Direct, TRUE);
        ASSERT_TRUE(dialog.Create());
        HRGN shape = ::CreateRectRgn(0, 0, 0, 0);
        EXPECT_EQ(ERROR, ::GetWindowRgn(dialog.m_hWnd, shape));
        ::DeleteObject(shape);
        EXPECT_EQ(nullptr, dialog.WindowRegion());
        EXPECT_EQ(478, dialog.GetWindowRect().right - dialog.GetWindowRect().left);
    }
}

TEST_F(SkinDialogTest, PressOnTheSurfaceGrabsTheWindowAsByItsCaption) {
    ShapedDialog dialog(nullptr, SkinPaintDC::Mode::Direct, TRUE);
    ASSERT_TRUE(dialog.Create());
    dialog.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, Point(30, 40));
    MSG message{};
    // Taken off the queue here, so that no move loop starts in the test.
    ASSERT_TRUE(::PeekMessageW(&message, dialog.m_hWnd, WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE));
    EXPECT_EQ(static_cast<WPARAM>(HTCAPTION), message.wParam);
    EXPECT_EQ(Point(30, 40), message.lParam);
}

TEST_F(SkinDialogTest, EraseBackgroundErasesNothingAndAnswersAsConfigured) {
    for (BOOL answer : {TRUE, FALSE}) {
        ShapedDialog dialog(nullptr, SkinPaintDC::Mode::Direct, answer);
        ASSERT_TRUE(dialog.Create());
        HDC dc = ::CreateCompatibleDC(nullptr);
        EXPECT_EQ(answer, dialog.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc)));
        ::DeleteDC(dc);
    }
}

// A move to a monitor of another scale lays the window out again at the new scale, with the
// outline of that scale, at the place the system suggests; the old controls are gone.
TEST_F(SkinDialogTest, ANewDpiLaysTheWindowOutAgainAtTheSuggestedPlace) {
    ScaledDialog dialog;
    ASSERT_TRUE(dialog.Create());
    dialog.ShowWindow(SW_SHOW);
    const UINT startDpi = dialog.Dpi();
    const UINT newDpi = startDpi == 192 ? 144 : 192;
    const DisplayScale scale(newDpi);
    HWND first = dialog.child;
    RECT suggested{40, 30, 40 + scale.Scale(478), 30 + scale.Scale(292)};
    dialog.SendMessage(WM_DPICHANGED, MAKEWPARAM(newDpi, newDpi), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(2, dialog.layouts);
    EXPECT_EQ(newDpi, dialog.Dpi());
    EXPECT_FALSE(::IsWindow(first)) << "the controls of the old scale are destroyed";
    const RECT window = dialog.GetWindowRect();
    EXPECT_EQ(40, window.left);
    EXPECT_EQ(30, window.top);
    EXPECT_EQ(scale.Scale(478), window.right - window.left);
    EXPECT_EQ(scale.Scale(292), window.bottom - window.top);
    RECT child{};
    ::GetWindowRect(dialog.child, &child);
    ::MapWindowPoints(nullptr, dialog.m_hWnd, reinterpret_cast<POINT*>(&child), 2);
    EXPECT_EQ(scale.Scale(100), child.left);
    EXPECT_EQ(scale.Scale(80), child.bottom);
    HRGN shape = ::CreateRectRgn(0, 0, 0, 0);
    ASSERT_EQ(COMPLEXREGION, ::GetWindowRgn(dialog.m_hWnd, shape));
    EXPECT_TRUE(::PtInRegion(shape, scale.Scale(478) - 2, scale.Scale(146))) << "the outline has the new size";
    EXPECT_FALSE(::PtInRegion(shape, scale.Scale(478) - 1, scale.Scale(292) - 1));
    ::DeleteObject(shape);

    dialog.SendMessage(WM_DPICHANGED, MAKEWPARAM(newDpi, newDpi), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(2, dialog.layouts) << "the same DPI again changes nothing";
    dialog.DestroyWindow();
}
}  // namespace
