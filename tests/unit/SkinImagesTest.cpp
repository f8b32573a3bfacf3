#include "framework/Folders.h"
#include "skin/GdiplusSession.h"
#include "skin/SkinImages.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <string>

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

TEST_F(SkinImages, MissingOrUndecodableFilesGiveImagesThatMeasureNothingAndDrawNothing) {
    TestFolder folder;
    TestFolder::WriteBytes(folder.File(L"broken.png"), std::string("\x89PNG\r\n\x1a\n garbage", 17));
    const std::wstring paths[] = {folder.File(L"missing.png"), folder.File(L"broken.png"), folder.Path()};
    for (const std::wstring& path : paths) {
        SkinImage image = LoadSkinImageFile(path);
        ASSERT_NE(nullptr, image) << "a failed image is still an object";
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
}  // namespace
