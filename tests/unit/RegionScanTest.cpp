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

std::vector<std::vector<RECT>> Batches(const DibPixels& pixels, COLORREF outside) {
    std::vector<std::vector<RECT>> batches;
    ScanRegionRuns(pixels, outside, [&batches](const RegionRects& rects) {
        std::vector<RECT> batch;
        for (DWORD i = 0; i < rects.Count(); ++i) batch.push_back(rects.At(i));
        batches.push_back(batch);
    });
    return batches;
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
    {"black outside for thumbs", kBlack, 4, {{0x00000000, D, 0xFF000000, 0x00010000}}, "(1,0,2,1)(3,0,4,1)"},
};

TEST(RegionScan, RunsOfEachPicture) {
    for (const ScanCase& c : kScanCases) {
        BottomUpPixels pixels(c.width, c.rows);
        auto batches = Batches(pixels.View(), c.outside);
        ASSERT_EQ(1u, batches.size()) << c.name;
        EXPECT_EQ(c.runs, Describe(batches[0])) << c.name;
    }
}

// 100 pixels a row alternating dark and white: 50 runs a row.
BottomUpPixels Stripes(int rowCount) {
    std::vector<DWORD> row(100);
    for (size_t x = 0; x < row.size(); ++x) row[x] = x % 2 ? W : D;
    return BottomUpPixels(100, std::vector<std::vector<DWORD>>(static_cast<size_t>(rowCount), row));
}

TEST(RegionScan, BatchesHoldAtMost2000RectanglesAndTheRestComesLast) {
    struct BatchCase {
        int rows;
        std::vector<size_t> batchSizes;
    };
    const BatchCase cases[] = {
        {39, {1950}},
        {40, {2000, 0}},  // a full batch goes at once; the last one is empty
        {45, {2000, 250}},
        {81, {2000, 2000, 50}},
    };
    for (const BatchCase& c : cases) {
        auto batches = Batches(Stripes(c.rows).View(), kWhite);
        std::vector<size_t> sizes;
        for (const auto& batch : batches) sizes.push_back(batch.size());
        EXPECT_EQ(c.batchSizes, sizes) << c.rows << " rows";
    }
    auto batches = Batches(Stripes(45).View(), kWhite);
    EXPECT_EQ(40, batches[1].front().top) << "the second batch goes on where the first stopped";
}

TEST(RegionScan, UnusablePixelsGiveOneEmptyBatch) {
    const DWORD pixel = D;
    const DibPixels cases[] = {
        {nullptr, 1, 1, 4},
        {reinterpret_cast<const BYTE*>(&pixel), 0, 1, 4},
        {reinterpret_cast<const BYTE*>(&pixel), 1, -1, 4},
        {reinterpret_cast<const BYTE*>(&pixel), 2, 1, 4},  // rows shorter than their pixels
    };
    for (const DibPixels& pixels : cases) {
        auto batches = Batches(pixels, kWhite);
        ASSERT_EQ(1u, batches.size());
        EXPECT_TRUE(batches[0].empty());
    }
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
