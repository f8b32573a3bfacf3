#include "framework/Folders.h"
#include "skin/SkinImages.h"
#include "skin/SkinRegion.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
// A 32-bit bitmap drawn from rows of characters, top row first: '.' pure white, '#' dark grey,
// 'a' (254, 255, 255); `fourthByte` goes into every pixel's unused byte.
GdiObject<HBITMAP> Picture(const std::vector<std::string>& rows, BYTE fourthByte = 0) {
    const int width = static_cast<int>(rows.front().size());
    const int height = static_cast<int>(rows.size());
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down, unlike the scan's own copy
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    GdiObject<HBITMAP> bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    auto* pixels = static_cast<DWORD*>(bits);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const char c = rows[static_cast<size_t>(y)][static_cast<size_t>(x)];
            const DWORD colour = c == '.' ? 0xFFFFFF : c == 'a' ? 0xFEFFFF : 0x404040;
            pixels[y * width + x] = (static_cast<DWORD>(fourthByte) << 24) | colour;
        }
    }
    return bitmap;
}

GdiObject<HRGN> RegionOf(const std::vector<RECT>& rects) {
    GdiObject<HRGN> region(::CreateRectRgn(0, 0, 0, 0));
    for (const RECT& r : rects) {
        GdiObject<HRGN> part(::CreateRectRgnIndirect(&r));
        ::CombineRgn(region.Get(), region.Get(), part.Get(), RGN_OR);
    }
    return region;
}

bool SameRegion(HRGN actual, const std::vector<RECT>& expected) {
    GdiObject<HRGN> wanted = RegionOf(expected);
    return actual && ::EqualRgn(actual, wanted.Get());
}

struct RegionCase {
    const char* name;
    std::vector<std::string> rows;
    BYTE fourthByte;
    std::vector<RECT> region;
};

const RegionCase kRegionCases[] = {
    {"every pixel white: empty region", {"...", "..."}, 0, {}},
    {"a row without white: the whole row", {"####"}, 0, {{0, 0, 4, 1}}},
    {"one white pixel splits its row", {"#####", "##.##"}, 0, {{0, 0, 5, 1}, {0, 1, 2, 2}, {3, 1, 5, 2}}},
    {"254, 255, 255 is inside", {"a.a"}, 0, {{0, 0, 1, 1}, {2, 0, 3, 1}}},
    {"fourth byte 0xFF changes nothing", {".##.", "#..#"}, 0xFF, {{1, 0, 3, 1}, {0, 1, 1, 2}, {3, 1, 4, 2}}},
    {"fourth byte 0x00 changes nothing", {".##.", "#..#"}, 0x00, {{1, 0, 3, 1}, {0, 1, 1, 2}, {3, 1, 4, 2}}},
    {"row 0 is the top of the picture", {"#..", "...", "..#"}, 0, {{0, 0, 1, 1}, {2, 2, 3, 3}}},
    {"equal rows cover what their runs cover", {"#.#", "#.#", "###", "#.#"}, 0,
     {{0, 0, 1, 1}, {2, 0, 3, 1}, {0, 1, 1, 2}, {2, 1, 3, 2}, {0, 2, 3, 3}, {0, 3, 1, 4}, {2, 3, 3, 4}}},
};

TEST(CreateRegionFromBitmap, ShapeOfEachPicture) {
    for (const RegionCase& c : kRegionCases) {
        GdiObject<HBITMAP> bitmap = Picture(c.rows, c.fourthByte);
        GdiObject<HRGN> region = CreateRegionFromBitmap(bitmap.Get());
        ASSERT_TRUE(region) << c.name;
        EXPECT_TRUE(SameRegion(region.Get(), c.region)) << c.name;
    }
}

TEST(CreateRegionFromBitmap, MoreThan2000RunsGiveTheSameRegionAsOneBatch) {
    // 60 rows of 40 runs each: 2400 runs, no two rows alike.
    std::vector<std::string> rows(60, std::string());
    std::vector<RECT> runs;
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 80; ++x) rows[static_cast<size_t>(y)] += (x + y) % 2 ? '.' : '#';
        for (int x = y % 2; x < 80; x += 2) runs.push_back(RECT{x, y, x + 1, y + 1});
    }
    GdiObject<HBITMAP> bitmap = Picture(rows);
    GdiObject<HRGN> region = CreateRegionFromBitmap(bitmap.Get());
    EXPECT_TRUE(SameRegion(region.Get(), runs));

    std::vector<BYTE> block(sizeof(RGNDATAHEADER) + runs.size() * sizeof(RECT));
    auto* data = reinterpret_cast<RGNDATA*>(block.data());
    data->rdh = RGNDATAHEADER{sizeof(RGNDATAHEADER), RDH_RECTANGLES, static_cast<DWORD>(runs.size()), 0, {0, 0, 80, 60}};
    memcpy(data->Buffer, runs.data(), runs.size() * sizeof(RECT));
    GdiObject<HRGN> oneBatch(::ExtCreateRegion(nullptr, static_cast<DWORD>(block.size()), data));
    EXPECT_TRUE(::EqualRgn(region.Get(), oneBatch.Get()));
}

TEST(CreateRegionFromBitmap, AnOutlineTallerThanTheStripsItIsReadInKeepsEveryRowInPlace) {
    // The outline is read a few rows at a time: one outside pixel on the diagonal shows each row
    // where it belongs, on both sides of every strip's edge and in the last, shorter strip.
    constexpr int kSize = 150;
    std::vector<std::string> rows(kSize, std::string(kSize, '#'));
    std::vector<RECT> runs;
    for (int y = 0; y < kSize; ++y) {
        rows[static_cast<size_t>(y)][static_cast<size_t>(y)] = '.';
        if (y > 0) runs.push_back(RECT{0, y, y, y + 1});
        if (y < kSize - 1) runs.push_back(RECT{y + 1, y, kSize, y + 1});
    }
    GdiObject<HBITMAP> bitmap = Picture(rows);
    GdiObject<HRGN> region = CreateRegionFromBitmap(bitmap.Get());
    EXPECT_TRUE(SameRegion(region.Get(), runs));
}

TEST(CreateRegionFromBitmap, NoBitmapGivesNoRegion) { EXPECT_FALSE(CreateRegionFromBitmap(nullptr)); }

TEST(CreateRegionFromBitmap, BlackCanMarkTheOutside) {
    const std::vector<std::string> rows = {"#.#"};
    GdiObject<HBITMAP> bitmap = Picture(rows);
    GdiObject<HRGN> region = CreateRegionFromBitmap(bitmap.Get(), RGB(0x40, 0x40, 0x40));
    EXPECT_TRUE(SameRegion(region.Get(), {{1, 0, 2, 1}}));
}

// A 24-bit .bmp file of the picture, as the artwork's region bitmaps are.
std::string BmpFile(const std::vector<std::string>& rows) {
    const int width = static_cast<int>(rows.front().size());
    const int height = static_cast<int>(rows.size());
    const int stride = (width * 3 + 3) & ~3;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + static_cast<DWORD>(stride * height);
    info.biSize = sizeof(info);
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof(file));
    bytes.append(reinterpret_cast<const char*>(&info), sizeof(info));
    for (int y = height - 1; y >= 0; --y) {
        std::string row(static_cast<size_t>(stride), '\0');
        for (int x = 0; x < width; ++x) {
            const char value = rows[static_cast<size_t>(y)][static_cast<size_t>(x)] == '.' ? '\xFF' : '\x20';
            row.replace(static_cast<size_t>(x) * 3, 3, 3, value);
        }
        bytes += row;
    }
    return bytes;
}

TEST(LoadRegionBitmap, DecodesABmpFileIntoTheBitmapAndGivesItsSize) {
    TestFolder folder;
    const std::vector<std::string> rows = {"..##.", "#####", "#...#"};
    TestFolder::WriteBytes(folder.File(L"shape.bmp"), BmpFile(rows));
    GdiObject<HBITMAP> bitmap;
    const SIZE size = LoadRegionBitmap(folder.File(L"shape.bmp"), bitmap);
    EXPECT_EQ(5, size.cx);
    EXPECT_EQ(3, size.cy);
    GdiObject<HRGN> region = CreateRegionFromBitmap(bitmap.Get());
    EXPECT_TRUE(SameRegion(region.Get(), {{2, 0, 4, 1}, {0, 1, 5, 2}, {0, 2, 1, 3}, {4, 2, 5, 3}}));
}

TEST(LoadRegionBitmap, MissingEmptyOrGarbageFilesLeaveTheBitmapEmpty) {
    TestFolder folder;
    TestFolder::WriteBytes(folder.File(L"empty.bmp"), "");
    TestFolder::WriteBytes(folder.File(L"garbage.bmp"), std::string("BM\x10\x00garbage, not a picture", 27));
    TestFolder::WriteBytes(folder.File(L"text.bmp"), "just some text in a file");
    for (const wchar_t* name : {L"missing.bmp", L"empty.bmp", L"garbage.bmp", L"text.bmp"}) {
        GdiObject<HBITMAP> bitmap(::CreateBitmap(2, 2, 1, 32, nullptr));
        const SIZE size = LoadRegionBitmap(folder.File(name), bitmap);
        EXPECT_EQ(0, size.cx);
        EXPECT_EQ(0, size.cy);
        EXPECT_EQ(nullptr, bitmap.Get());
        EXPECT_FALSE(CreateRegionFromBitmap(bitmap.Get()));
    }
}

TEST(LoadRegionBitmap, WindowOutlinesOfTheSkinLeaveTheirCornersOutside) {
    InitFolders();
    const wchar_t* outlines[] = {L"cfgMainback.bmp", L"cfgMainback2.bmp", L"cfgMainback3.bmp"};
    for (const wchar_t* name : outlines) {
        GdiObject<HBITMAP> bitmap;
        const SIZE size = LoadRegionBitmap(SkinFolderPath(SkinFolder::Background) + name, bitmap);
        ASSERT_GT(size.cx, 0);
        GdiObject<HRGN> region = CreateRegionFromBitmap(bitmap.Get());
        ASSERT_TRUE(region);
        EXPECT_FALSE(::PtInRegion(region.Get(), 0, 0));
        EXPECT_FALSE(::PtInRegion(region.Get(), size.cx - 1, size.cy - 1));
        EXPECT_TRUE(::PtInRegion(region.Get(), size.cx / 2, size.cy / 2));
    }
}

// Every scale takes the outline of its own set, or of the nearest larger set stretched to its
// size, so the window's shape fits the window at every scale.
TEST(LoadRegionBitmap, WindowOutlinesAtEveryScaleHaveTheScaledSize) {
    InitFolders();
    struct OutlineCase {
        const wchar_t* name;
        SIZE base;
    };
    const OutlineCase outlines[] = {
        {L"cfgMainback.bmp", {1024, 700}}, {L"cfgMainback2.bmp", {478, 292}}, {L"cfgMainback3.bmp", {757, 582}}};
    for (const OutlineCase& outline : outlines) {
        for (UINT dpi : {96u, 120u, 144u, 168u, 192u}) {
            const DisplayScale scale(dpi);
            GdiObject<HBITMAP> bitmap;
            const SIZE size = LoadRegionBitmap(SkinFolderPath(SkinFolder::Background) + outline.name, bitmap, scale);
            EXPECT_EQ(scale.Scale(outline.base.cx), size.cx) << dpi;
            EXPECT_EQ(scale.Scale(outline.base.cy), size.cy) << dpi;
            BITMAP info{};
            ASSERT_TRUE(::GetObjectW(bitmap.Get(), sizeof(info), &info));
            EXPECT_EQ(size.cx, info.bmWidth);
            GdiObject<HRGN> region = CreateRegionFromBitmap(bitmap.Get());
            ASSERT_TRUE(region);
            EXPECT_FALSE(::PtInRegion(region.Get(), 0, 0)) << dpi;
            EXPECT_FALSE(::PtInRegion(region.Get(), size.cx - 1, 0)) << dpi;
            EXPECT_TRUE(::PtInRegion(region.Get(), size.cx / 2, size.cy / 2)) << dpi;
            EXPECT_TRUE(::PtInRegion(region.Get(), size.cx / 2, size.cy - 1)) << dpi;
            EXPECT_TRUE(::PtInRegion(region.Get(), 0, size.cy / 2)) << dpi;
        }
    }
}

TEST(LoadRegionBitmap, AScaleWithoutItsOwnFileStretchesTheNormalOne) {
    TestFolder folder;
    TestFolder::WriteBytes(folder.File(L"shape.bmp"), BmpFile({"..##", "####"}));
    GdiObject<HBITMAP> bitmap;
    const SIZE size = LoadRegionBitmap(folder.File(L"shape.bmp"), bitmap, DisplayScale(192));
    EXPECT_EQ(8, size.cx);
    EXPECT_EQ(4, size.cy);
    GdiObject<HRGN> region = CreateRegionFromBitmap(bitmap.Get());
    EXPECT_TRUE(SameRegion(region.Get(), {{4, 0, 8, 2}, {0, 2, 8, 4}}));
}
}  // namespace
