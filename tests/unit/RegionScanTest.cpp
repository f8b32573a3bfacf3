#include "skin/RegionRects.h"
#include "skin/RegionScan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// Pixels given top row first as 0xXXRRGGBB values, stored bottom-up like a DIB of positive height.
class BottomUpPixels {
public:
    BottomUpPixels(int width, const std::vector<std::vector<DWORD>>& topDownRows)
        : width(width), height(static_cast<int>(topDownRows.size())) {
        for (auto row = topDownRows.rbegin(); row != topDownRows.rend(); ++row) {
            stored.insert(stored.end(), row->begin(), row->end());
        }
    }
    DibPixels View() const {
        return DibPixels{reinterpret_cast<const BYTE*>(stored.data()), width, height, width * 4};
    }

private:
    int width;
    int height;
    std::vector<DWORD> stored;
};

std::vector<RECT> Scan(const DibPixels& pixels, COLORREF outside) {
    const RegionRects rects = ScanRegionRuns(pixels, outside);
    std::vector<RECT> all;
    for (DWORD i = 0; i < rects.Count(); ++i) all.push_back(rects.At(i));
    return all;
}

std::string Describe(const std::vector<RECT>& rects) {
    std::string text;
    for (const RECT& r : rects) {
        text += "(" + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
                std::to_string(r.bottom) + ")";
    }
    return text;
}

constexpr DWORD W = 0x00FFFFFF;  // pure white
constexpr DWORD D = 0x00303030;  // dark

struct ScanCase {
    const char* name;
    COLORREF outside;
    int width;
    std::vector<std::vector<DWORD>> rows;  // top row first
    const char* runs;
};

const ScanCase kScanCases[] = {
    {"all white gives no runs", kWhite, 3, {{W, W, W}, {W, W, W}}, ""},
    {"a row without white is one run", kWhite, 4, {{D, D, D, D}}, "(0,0,4,1)"},
    {"one white pixel splits a row", kWhite, 5, {{D, D, W, D, D}}, "(0,0,2,1)(3,0,5,1)"},
    {"white at both ends", kWhite, 4, {{W, D, D, W}}, "(1,0,3,1)"},
    {"254, 255, 255 is not white", kWhite, 3, {{D, 0x00FEFFFF, W}}, "(0,0,2,1)"},
    {"255, 254, 255 is not white", kWhite, 2, {{0x00FFFEFF, W}}, "(0,0,1,1)"},
    {"the fourth byte does not count", kWhite, 4, {{0xFFFFFFFF, 0x80303030, 0x00303030, 0x7FFFFFFF}}, "(1,0,3,1)"},
    {"row 0 is the top row", kWhite, 2, {{D, W}, {W, W}, {W, D}}, "(0,0,1,1)(1,2,2,3)"},
    {"equal rows make one band", kWhite, 3, {{D, W, D}, {D, W, D}, {D, W, D}}, "(0,0,1,3)(2,0,3,3)"},
    {"a different row ends the band", kWhite, 2, {{D, D}, {D, W}, {D, D}, {D, D}}, "(0,0,2,1)(0,1,1,2)(0,2,2,4)"},
    {"a band of one equal run does not take a longer one", kWhite, 3, {{D, W, W}, {D, D, W}}, "(0,0,1,1)(0,1,2,2)"},
    {"empty rows end a band", kWhite, 1, {{D}, {W}, {W}, {D}}, "(0,0,1,1)(0,3,1,4)"},
    {"black outside for thumbs", kBlack, 4, {{0x00000000, D, 0xFF000000, 0x00010000}}, "(1,0,2,1)(3,0,4,1)"},
};

TEST(RegionScan, RunsOfEachPicture) {
    for (const ScanCase& c : kScanCases) {
        BottomUpPixels pixels(c.width, c.rows);
        EXPECT_EQ(c.runs, Describe(Scan(pixels.View(), c.outside))) << c.name;
    }
}

// 100 pixels a row alternating dark and white, 50 runs a row; every second row shifted by one
// pixel when `shifted`, so that no row equals the one above.
BottomUpPixels Stripes(int rowCount, bool shifted) {
    std::vector<std::vector<DWORD>> rows;
    for (int y = 0; y < rowCount; ++y) {
        std::vector<DWORD> row(101, W);
        for (size_t x = 0; x < 100; ++x) row[x + (shifted && y % 2 ? 1 : 0)] = x % 2 ? W : D;
        rows.push_back(row);
    }
    return BottomUpPixels(101, rows);
}

TEST(RegionScan, EveryRunGoesIntoOneBlock) {
    struct BlockCase {
        int rows;
        bool shifted;
        size_t rectangles;
        LONG lastBottom;
    };
    const BlockCase cases[] = {
        {81, false, 50, 81},    // one band of 81 equal rows
        {81, true, 4050, 81},   // more than 2000 runs, none merged
        {1, true, 50, 1},
    };
    for (const BlockCase& c : cases) {
        const std::vector<RECT> rects = Scan(Stripes(c.rows, c.shifted).View(), kWhite);
        ASSERT_EQ(c.rectangles, rects.size()) << c.rows << " rows";
        EXPECT_EQ(c.lastBottom, rects.back().bottom) << c.rows << " rows";
    }
}

TEST(RegionScan, UnusablePixelsGiveNoRectangles) {
    const DWORD pixel = D;
    const DibPixels cases[] = {
        {nullptr, 1, 1, 4},
        {reinterpret_cast<const BYTE*>(&pixel), 0, 1, 4},
        {reinterpret_cast<const BYTE*>(&pixel), 1, -1, 4},
        {reinterpret_cast<const BYTE*>(&pixel), 2, 1, 4},  // rows shorter than their pixels
    };
    for (const DibPixels& pixels : cases) {
        EXPECT_TRUE(Scan(pixels, kWhite).empty());
    }
}

TEST(RegionScan, ARowThatCannotBeHadGivesNoRectanglesAtAll) {
    const DWORD row[] = {D, D};
    const RegionRects rects = ScanRegionRows(
        2, 3, [&row](int y) { return y == 2 ? nullptr : reinterpret_cast<const BYTE*>(row); }, kWhite);
    EXPECT_EQ(rects.Count(), 0u);
}

TEST(RegionRects, StartsWithRoomFor100AndGrowsBy100) {
    RegionRects rects;
    EXPECT_EQ(100u, rects.Capacity());
    EXPECT_EQ(32u + 16u * 100u, rects.DataSize());
    for (int i = 0; i < 101; ++i) rects.Add(RECT{i, 0, i + 1, 1});
    EXPECT_EQ(101u, rects.Count());
    EXPECT_EQ(200u, rects.Capacity());
    EXPECT_EQ(32u + 16u * 200u, rects.DataSize());
    EXPECT_EQ(100, rects.At(100).left);
    EXPECT_EQ(0, rects.At(101).right) << "beyond the count: an empty rectangle";
}

TEST(RegionRects, HeaderDescribesTheRectanglesForExtCreateRegion) {
    RegionRects rects;
    const RGNDATAHEADER& header = rects.Data()->rdh;
    EXPECT_EQ(32u, header.dwSize);
    EXPECT_EQ(static_cast<DWORD>(RDH_RECTANGLES), header.iType);
    EXPECT_EQ(MAXLONG, header.rcBound.left);
    EXPECT_EQ(0, header.rcBound.right);

    rects.Add(RECT{5, 2, 9, 3});
    rects.Add(RECT{1, 7, 4, 8});
    const RECT bound = rects.Bounds();
    EXPECT_EQ((std::vector<LONG>{1, 2, 9, 8}), (std::vector<LONG>{bound.left, bound.top, bound.right, bound.bottom}));
    EXPECT_EQ(2u, header.nCount);

    rects.Clear();
    EXPECT_EQ(0u, rects.Count());
    EXPECT_EQ(MAXLONG, rects.Bounds().top);
    EXPECT_EQ(100u, rects.Capacity()) << "clearing keeps the room";
}
}  // namespace
