#include "framework/Folders.h"
#include "skin/GdiObject.h"
#include "skin/GdiplusSession.h"
#include "skin/SkinImageDecoder.h"
#include "skin/SkinImages.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
class SkinImages : public ::testing::Test {
protected:
    void SetUp() override { InitFolders(); }
    GdiplusSession gdiplus;
};

TEST_F(SkinImages, FoldersAreBelowTheToolsDirectory) {
    const std::wstring root = AppDirectory;
    EXPECT_EQ(root + L"images\\0409\\background\\", SkinFolderPath(SkinFolder::Background));
    EXPECT_EQ(root + L"images\\0409\\buttons\\", SkinFolderPath(SkinFolder::Buttons));
    EXPECT_EQ(root + L"images\\0409\\controls\\", SkinFolderPath(SkinFolder::Controls));
}

TEST_F(SkinImages, ArtworkDecodesWithItsSize) {
    struct ImageCase {
        SkinFolder folder;
        const wchar_t* name;
        LONG width;
        LONG height;
    };
    const ImageCase cases[] = {
        {SkinFolder::Background, L"menuitem-n.png", 150, 24},
        {SkinFolder::Buttons, L"ok-1.png", 93, 26},
        {SkinFolder::Controls, L"y.png", 14, 18},
        {SkinFolder::Background, L"list-stripes.bmp", 175, 299},
    };
    for (const ImageCase& c : cases) {
        SkinImage image = LoadSkinImage(c.folder, c.name);
        ASSERT_NE(nullptr, image);
        const SIZE size = SkinImageSize(image.get());
        EXPECT_EQ(c.width, size.cx);
        EXPECT_EQ(c.height, size.cy);
    }
}

// Draws `image` over a white 8 x 8 bitmap and returns the colour of its centre.
COLORREF CentreAfterDrawing(Gdiplus::Image* image) {
    Gdiplus::Bitmap canvas(8, 8, PixelFormat32bppARGB);
    {
        Gdiplus::Graphics graphics(&canvas);
        graphics.Clear(Gdiplus::Color(255, 255, 255, 255));
        DrawSkinImage(graphics, image, Gdiplus::RectF(0, 0, 8, 8));
        DrawSkinImage(graphics, image, Gdiplus::Rect(0, 0, 8, 8));
    }
    Gdiplus::Color colour;
    canvas.GetPixel(4, 4, &colour);
    return RGB(colour.GetR(), colour.GetG(), colour.GetB());
}

// The pixels of a memory device context after `image` is drawn over a coloured ground into
// `destination`, as the windows draw into their paint device contexts.
std::vector<int> PixelsAfterDrawing(Gdiplus::Image* image, const Gdiplus::RectF& destination) {
    const int width = static_cast<int>(destination.GetRight()) + 2;
    const int height = static_cast<int>(destination.GetBottom()) + 2;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    GdiObject<HBITMAP> canvas(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    HDC dc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ previous = ::SelectObject(dc, canvas.Get());
    {
        GdiObject<HBRUSH> ground(::CreateSolidBrush(RGB(40, 90, 160)));
        RECT all{0, 0, width, height};
        ::FillRect(dc, &all, ground.Get());
        Gdiplus::Graphics graphics(dc);
        DrawSkinImage(graphics, image, destination);
    }
    ::GdiFlush();
    const BYTE* first = static_cast<const BYTE*>(bits);
    std::vector<int> pixels(first, first + static_cast<size_t>(width) * height * 4);
    ::SelectObject(dc, previous);
    ::DeleteDC(dc);
    return pixels;
}

// A picture of a skin folder and a size: its size at 96 DPI, or the size it is drawn at.
struct PictureAndSize {
    SkinFolder folder;
    const wchar_t* name;
    SIZE size;
};

int LargestDifference(const std::vector<int>& a, const std::vector<int>& b) {
    if (a.size() != b.size()) return 256;
    int largest = 0;
    for (size_t i = 0; i < a.size(); ++i) largest = std::max(largest, std::abs(a[i] - b[i]));
    return largest;
}

TEST_F(SkinImages, PicturesAreKeptReadyToDrawAndDrawAsDecoded) {
    struct ImageCase {
        SkinFolder folder;
        const wchar_t* name;
        Gdiplus::PixelFormat format;
        int stretchedTolerance;
    };
    // Opaque pictures become plain bitmaps and draw exactly as decoded, at any size; those stored
    // without an alpha channel stay at the 24 bits they are stored with. Pictures with transparent
    // pixels are premultiplied: exact at their own size, which is the only size the windows draw
    // them at; stretched, the premultiplied samples round differently.
    const ImageCase cases[] = {
        {SkinFolder::Background, L"cfgMainback.png", PixelFormat32bppRGB, 0},
        {SkinFolder::Background, L"cfgMainback@1.5x.png", PixelFormat24bppRGB, 0},
        {SkinFolder::Background, L"dlg@2x.png", PixelFormat24bppRGB, 0},
        {SkinFolder::Background, L"mouse-layout-front.png", PixelFormat32bppPARGB, 2},
        {SkinFolder::Background, L"list-stripes.bmp", PixelFormat32bppRGB, 0},
        {SkinFolder::Buttons, L"ok-1.png", PixelFormat32bppRGB, 0},
        {SkinFolder::Buttons, L"close-3.png", PixelFormat32bppPARGB, 2},
        {SkinFolder::Controls, L"y.png", PixelFormat32bppRGB, 0},
    };
    for (const ImageCase& c : cases) {
        SkinImage image = LoadSkinImage(c.folder, c.name);
        Gdiplus::Bitmap decoded((SkinFolderPath(c.folder) + c.name).c_str());
        ASSERT_EQ(Gdiplus::Ok, decoded.GetLastStatus()) << c.name;
        EXPECT_EQ(c.format, image->GetPixelFormat()) << c.name;
        const auto width = static_cast<Gdiplus::REAL>(decoded.GetWidth());
        const auto height = static_cast<Gdiplus::REAL>(decoded.GetHeight());
        EXPECT_EQ(static_cast<UINT>(width), image->GetWidth()) << c.name;
        EXPECT_EQ(static_cast<UINT>(height), image->GetHeight()) << c.name;
        const Gdiplus::RectF ownSize(1, 2, width, height);
        EXPECT_EQ(0, LargestDifference(PixelsAfterDrawing(&decoded, ownSize), PixelsAfterDrawing(image.get(), ownSize)))
            << c.name;
        const Gdiplus::RectF stretched(2, 1, width * 2, height * 1.5f);
        EXPECT_LE(LargestDifference(PixelsAfterDrawing(&decoded, stretched), PixelsAfterDrawing(image.get(), stretched)),
                  c.stretchedTolerance)
            << c.name;
    }
}

// A copy fitted to a button draws, one to one, what the picture draws stretched into the button:
// the windows draw buttons with either and must look the same.
TEST_F(SkinImages, AFittedCopyDrawsWhatThePictureDrawsStretched) {
    const PictureAndSize cases[] = {
        {SkinFolder::Buttons, L"ok-1.png", {148, 20}},            // opaque, wider and lower
        {SkinFolder::Buttons, L"profile_normal2.png", {120, 25}},  // opaque, wider
        {SkinFolder::Buttons, L"close-3.png", {31, 17}},           // transparent pixels
    };
    for (const PictureAndSize& c : cases) {
        for (UINT dpi : {96u, 192u}) {
            const DisplayScale scale(dpi);
            SkinImage image = LoadSkinImage(c.folder, c.name, scale);
            const SIZE size = scale.Scale(c.size);
            SkinImage fitted = FittedSkinImage(image.get(), size);
            ASSERT_NE(nullptr, fitted) << c.name;
            EXPECT_EQ(static_cast<UINT>(size.cx), fitted->GetWidth()) << c.name;
            EXPECT_EQ(static_cast<UINT>(size.cy), fitted->GetHeight()) << c.name;
            const Gdiplus::RectF button(0, 0, static_cast<Gdiplus::REAL>(size.cx), static_cast<Gdiplus::REAL>(size.cy));
            EXPECT_EQ(0, LargestDifference(PixelsAfterDrawing(image.get(), button), PixelsAfterDrawing(fitted.get(), button)))
                << c.name << " at " << dpi;
        }
    }
    EXPECT_EQ(nullptr, FittedSkinImage(nullptr, SIZE{10, 10}));
    SkinImage ok = LoadSkinImage(SkinFolder::Buttons, L"ok-1.png");
    EXPECT_EQ(nullptr, FittedSkinImage(ok.get(), SIZE{0, 10}));
}

// Pictures decoded on a thread of their own are the pictures LoadSkinImage gives, each in its place.
TEST_F(SkinImages, ADecoderOnAThreadOfItsOwnGivesEachPictureInItsPlace) {
    const DisplayScale scale(192);
    const SkinImageDecoder decoder({{SkinFolder::Background, L"cfgMainback.png"},
                                    {SkinFolder::Background, L"missing.png"},
                                    {SkinFolder::Buttons, L"ok-1.png"}},
                                   scale);
    SkinImage background = LoadSkinImage(SkinFolder::Background, L"cfgMainback.png", scale);
    SkinImage ok = LoadSkinImage(SkinFolder::Buttons, L"ok-1.png", scale);
    // The last first: a look waits for its own picture, whatever the order.
    ASSERT_NE(nullptr, decoder.Picture(2));
    EXPECT_EQ(ok->GetWidth(), decoder.Picture(2)->GetWidth());
    const Gdiplus::RectF okSize(0, 0, static_cast<Gdiplus::REAL>(ok->GetWidth()), static_cast<Gdiplus::REAL>(ok->GetHeight()));
    EXPECT_EQ(0, LargestDifference(PixelsAfterDrawing(ok.get(), okSize), PixelsAfterDrawing(decoder.Picture(2), okSize)));
    ASSERT_NE(nullptr, decoder.Picture(0));
    EXPECT_EQ(background->GetWidth(), decoder.Picture(0)->GetWidth());
    EXPECT_EQ(background->GetHeight(), decoder.Picture(0)->GetHeight());
    ASSERT_NE(nullptr, decoder.Picture(1)) << "a failed picture is still an object";
    EXPECT_EQ(0, SkinImageSize(decoder.Picture(1)).cx);
    EXPECT_EQ(nullptr, decoder.Picture(3));
    EXPECT_EQ(decoder.Picture(0), decoder.Picture(0)) << "a second look gives the same picture";
}

TEST_F(SkinImages, MissingOrUndecodableFilesGiveImagesThatMeasureNothingAndDrawNothing) {
    TestFolder folder;
    TestFolder::WriteBytes(folder.File(L"broken.png"), std::string("\x89PNG\r\n\x1a\n garbage", 17));
    const std::wstring paths[] = {folder.File(L"missing.png"), folder.File(L"broken.png"), folder.Path()};
    for (const std::wstring& path : paths) {
        SkinImage image = LoadSkinImageFile(path);
        ASSERT_NE(nullptr, image) << "a failed image is still an object";
        for (UINT dpi : {96u, 192u}) EXPECT_EQ(0, SkinImageFileSize(path, DisplayScale(dpi)).cx);
        EXPECT_EQ(0, SkinImageSize(image.get()).cx);
        EXPECT_EQ(0, SkinImageSize(image.get()).cy);
        EXPECT_EQ(RGB(255, 255, 255), CentreAfterDrawing(image.get()));
    }
    EXPECT_EQ(RGB(255, 255, 255), CentreAfterDrawing(nullptr));
    EXPECT_EQ(0, SkinImageSize(nullptr).cx);
}

TEST_F(SkinImages, DrawingScalesTheWholeImageIntoTheRectangle) {
    Gdiplus::Bitmap red(2, 2, PixelFormat32bppARGB);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 2; ++x) red.SetPixel(x, y, Gdiplus::Color(255, 200, 10, 10));
    }
    EXPECT_EQ(RGB(200, 10, 10), CentreAfterDrawing(&red));
}

// A picture loaded for a scale measures its 96 DPI size scaled: its own set at 144 and 192 DPI,
// the nearest larger set resampled in between, the plain file at 96 DPI. Its file's header tells
// the same size before it is decoded.
TEST_F(SkinImages, PicturesForAScaleMeasureTheScaledSize) {
    const PictureAndSize cases[] = {
        {SkinFolder::Buttons, L"ok-1.png", {93, 26}},
        {SkinFolder::Background, L"circle.png", {19, 20}},
        {SkinFolder::Background, L"mouse-layout-front.png", {265, 470}},
        {SkinFolder::Controls, L"x2.png", {24, 13}},
        {SkinFolder::Background, L"cfgMainback.png", {1024, 700}},
    };
    for (const PictureAndSize& c : cases) {
        for (UINT dpi : {72u, 96u, 120u, 144u, 168u, 192u, 240u}) {
            const DisplayScale scale(dpi);
            SkinImage image = LoadSkinImage(c.folder, c.name, scale);
            const SIZE size = SkinImageSize(image.get());
            EXPECT_EQ(scale.Scale(c.size.cx), size.cx) << c.name << " at " << dpi;
            EXPECT_EQ(scale.Scale(c.size.cy), size.cy) << c.name << " at " << dpi;
            const SIZE header = SkinImageFileSize(c.folder, c.name, scale);
            EXPECT_EQ(size.cx, header.cx) << c.name << " at " << dpi;
            EXPECT_EQ(size.cy, header.cy) << c.name << " at " << dpi;
        }
    }
}

TEST_F(SkinImages, APictureOfItsOwnSetIsTakenAsDrawn) {
    for (UINT dpi : {144u, 192u}) {
        const DisplayScale scale(dpi);
        const std::wstring file = ArtworkPath(SkinFolderPath(SkinFolder::Buttons) + L"ok-2.png", scale.Artwork());
        Gdiplus::Bitmap decoded(file.c_str());
        ASSERT_EQ(Gdiplus::Ok, decoded.GetLastStatus());
        SkinImage image = LoadSkinImage(SkinFolder::Buttons, L"ok-2.png", scale);
        const Gdiplus::RectF ownSize(0, 0, static_cast<Gdiplus::REAL>(decoded.GetWidth()),
                                     static_cast<Gdiplus::REAL>(decoded.GetHeight()));
        EXPECT_EQ(0, LargestDifference(PixelsAfterDrawing(&decoded, ownSize), PixelsAfterDrawing(image.get(), ownSize)));
    }
}

TEST_F(SkinImages, APictureWithoutItsSetFallsBackToTheNormalFileScaled) {
    TestFolder folder;
    Gdiplus::Bitmap picture(10, 4, PixelFormat32bppARGB);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 10; ++x) picture.SetPixel(x, y, Gdiplus::Color(255, 30, 160, 90));
    }
    CLSID png{};
    ASSERT_EQ(S_OK, ::CLSIDFromString(L"{557CF406-1A04-11D3-9A73-0000F81EF32E}", &png));
    ASSERT_EQ(Gdiplus::Ok, picture.Save(folder.File(L"plain.png").c_str(), &png, nullptr));
    SkinImage image = LoadSkinImageFile(folder.File(L"plain.png"), DisplayScale(144));
    EXPECT_EQ(15, SkinImageSize(image.get()).cx);
    EXPECT_EQ(6, SkinImageSize(image.get()).cy);
    EXPECT_EQ(RGB(30, 160, 90), CentreAfterDrawing(image.get()));
    EXPECT_EQ(15, SkinImageFileSize(folder.File(L"plain.png"), DisplayScale(144)).cx);
    SkinImage missing = LoadSkinImageFile(folder.File(L"missing.png"), DisplayScale(192));
    ASSERT_NE(nullptr, missing);
    EXPECT_EQ(0, SkinImageSize(missing.get()).cx);
}
}  // namespace
