#include "skin/DisplayScale.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {
const UINT kScaledDpis[] = {120, 144, 168, 192};

TEST(DisplayScale, RoundsEveryValueToTheNearestPixel) {
    struct RoundingCase {
        UINT dpi;
        int value;
        int scaled;
    };
    const RoundingCase cases[] = {
        {96, 0, 0},      {96, 1, 1},       {96, 1004, 1004}, {96, -7, -7},
        {120, 1, 1},     {120, 2, 3},      {120, 6, 8},      {120, 1024, 1280},  // 1.25, 2.5 -> 3, 7.5 -> 8
        {144, 1, 2},     {144, 3, 5},      {144, 19, 29},    {144, 93, 140},     // halves away from zero
        {144, -1, -2},   {144, -3, -5},    {168, 4, 7},      {168, 13, 23},      // 22.75 -> 23
        {192, 1, 2},     {192, 700, 1400}, {192, -9, -18},   {0, 25, 25},        // 0: unknown, taken as 96
        {144, 0x7FFFFFFF / 2, 1610612735}};
    for (const RoundingCase& c : cases) {
        EXPECT_EQ(c.scaled, DisplayScale(c.dpi).Scale(c.value)) << c.value << " at " << c.dpi;
    }
}

TEST(DisplayScale, AtNinetySixDotsEverythingStaysAsItIs) {
    const DisplayScale base;
    EXPECT_TRUE(base.IsBase());
    const RECT rect{725, 219, 969, 237};
    const RECT same = base.Scale(rect);
    EXPECT_TRUE(::EqualRect(&rect, &same));
    EXPECT_EQ(1024, base.Scale(SIZE{1024, 700}).cx);
    EXPECT_EQ(700, base.Scale(SIZE{1024, 700}).cy);
    EXPECT_EQ(132, base.Scale(POINT{132, 123}).x);
    EXPECT_FALSE(DisplayScale(144).IsBase());
}

// A row of controls that touch and one with gaps of a single pixel, at the odd positions and
// widths of the tool's tables: the page tabs' 120-pixel steps, the bottom row's 90-pixel buttons
// 10 apart, the lighting mode buttons that touch (200, 401, 602) and the 19-pixel markers.
std::vector<RECT> Row(int left, int top, int height, const std::vector<int>& widths, int gap) {
    std::vector<RECT> row;
    int x = left;
    for (int width : widths) {
        row.push_back(RECT{x, top, x + width, top + height});
        x += width + gap;
    }
    return row;
}

TEST(DisplayScale, NeighboursNeitherOverlapNorPartAtAnyScale) {
    const std::vector<std::vector<RECT>> touching = {
        Row(200, 210, 26, {200, 201, 201}, 0),
        Row(499, 200, 20, {19, 2, 148}, 0),
        Row(725, 441, 16, {53, 55, 55, 53}, 0),
        Row(7, 3, 13, {1, 1, 3, 5, 7, 11, 13, 17}, 0),
    };
    const std::vector<std::vector<RECT>> apart = {
        Row(20, 650, 30, {90, 90, 90, 90, 90}, 10),
        Row(370, 88, 25, {120, 120, 120}, 20),
        Row(3, 5, 7, {1, 2, 3, 4, 5}, 1),
    };
    for (UINT dpi : kScaledDpis) {
        const DisplayScale scale(dpi);
        for (const std::vector<RECT>& row : touching) {
            for (size_t i = 1; i < row.size(); ++i) {
                EXPECT_EQ(scale.Scale(row[i - 1]).right, scale.Scale(row[i]).left) << "touching, " << dpi << " dpi";
            }
        }
        for (const std::vector<RECT>& row : apart) {
            for (size_t i = 1; i < row.size(); ++i) {
                const int gap = row[i].left - row[i - 1].right;
                const int scaledGap = scale.Scale(row[i]).left - scale.Scale(row[i - 1]).right;
                EXPECT_GE(scaledGap, gap) << "apart, " << dpi << " dpi";
                EXPECT_LE(scaledGap, scale.Scale(gap) + 1) << "apart, " << dpi << " dpi";
            }
        }
    }
}

TEST(DisplayScale, ARectangleKeepsItsSizeWithinOnePixel) {
    for (UINT dpi : kScaledDpis) {
        const DisplayScale scale(dpi);
        for (int left = 0; left < 200; ++left) {
            for (int width : {1, 13, 20, 90, 244}) {
                const RECT scaled = scale.Scale(RECT{left, left, left + width, left + width});
                const int exact = width * static_cast<int>(dpi);
                EXPECT_LE(std::abs((scaled.right - scaled.left) * 96 - exact), 96) << left << "+" << width << " at " << dpi;
                EXPECT_GE(scaled.right - scaled.left, 1);
            }
        }
    }
}

TEST(DisplayScale, ArtworkSetIsTheNearestLargerOne) {
    struct SetCase {
        UINT dpi;
        ArtworkSet set;
    };
    const SetCase cases[] = {
        {72, ArtworkSet::Normal},       {96, ArtworkSet::Normal},       {97, ArtworkSet::OneAndAHalf},
        {120, ArtworkSet::OneAndAHalf}, {144, ArtworkSet::OneAndAHalf}, {145, ArtworkSet::Double},
        {168, ArtworkSet::Double},      {192, ArtworkSet::Double},      {288, ArtworkSet::Double},
    };
    for (const SetCase& c : cases) {
        EXPECT_EQ(c.set, DisplayScale(c.dpi).Artwork()) << c.dpi;
    }
    EXPECT_EQ(96u, ArtworkDpi(ArtworkSet::Normal));
    EXPECT_EQ(144u, ArtworkDpi(ArtworkSet::OneAndAHalf));
    EXPECT_EQ(192u, ArtworkDpi(ArtworkSet::Double));
}

TEST(DisplayScale, ArtworkFilesStandBesideTheNormalOnes) {
    struct PathCase {
        const wchar_t* path;
        ArtworkSet set;
        const wchar_t* expected;
    };
    const PathCase cases[] = {
        {L"C:\\t\\images\\0409\\buttons\\ok-1.png", ArtworkSet::Normal, L"C:\\t\\images\\0409\\buttons\\ok-1.png"},
        {L"C:\\t\\images\\0409\\buttons\\ok-1.png", ArtworkSet::OneAndAHalf, L"C:\\t\\images\\0409\\buttons\\ok-1@1.5x.png"},
        {L"C:\\t\\images\\0409\\background\\cfgMainback.bmp", ArtworkSet::Double,
         L"C:\\t\\images\\0409\\background\\cfgMainback@2x.bmp"},
        {L"C:\\t.d\\picture", ArtworkSet::Double, L"C:\\t.d\\picture@2x"},  // a dot in a folder is no extension
        {L"a.b.png", ArtworkSet::Double, L"a.b@2x.png"},
        {L"C:\\t\\.png", ArtworkSet::Double, L"C:\\t\\.png@2x"},
        {L"", ArtworkSet::OneAndAHalf, L"@1.5x"},
    };
    for (const PathCase& c : cases) {
        EXPECT_EQ(std::wstring(c.expected), ArtworkPath(c.path, c.set));
    }
}

TEST(DisplayScale, BaseSizeOfAPictureDrawnForItsSet) {
    for (ArtworkSet set : {ArtworkSet::Normal, ArtworkSet::OneAndAHalf, ArtworkSet::Double}) {
        const DisplayScale scale(ArtworkDpi(set));
        for (int width = 1; width <= 1100; ++width) {
            const SIZE drawn = scale.Scale(SIZE{width, width / 3 + 1});
            const SIZE base = ArtworkBaseSize(drawn, set);
            ASSERT_EQ(width, base.cx);
            ASSERT_EQ(width / 3 + 1, base.cy);
        }
    }
}
}  // namespace
