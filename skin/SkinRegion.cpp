#include "skin/SkinRegion.h"

#include "skin/RegionScan.h"
#include "skin/ScopedSelect.h"

namespace {
// Region bitmaps are window outlines of a few megabytes at most; anything larger is not one.
constexpr ULONGLONG kMaxRegionFileBytes = 64ull * 1024ull * 1024ull;
// The outline is read as 32-bit pixels this many rows at a time: a strip stays in the cache, where
// a copy of the whole outline (11 MB at 200%) would be memory touched once and thrown away.
constexpr int kStripRows = 64;

class MemoryDC {
public:
    explicit MemoryDC(HDC compatibleWith) : dc(::CreateCompatibleDC(compatibleWith)) {}
    ~MemoryDC() {
        if (dc) ::DeleteDC(dc);
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    HDC Get() const { return dc; }

private:
    HDC dc;
};
}  // namespace

SIZE LoadRegionBitmap(const std::wstring& path, GdiObject<HBITMAP>& bitmap) {
    bitmap.Reset();
    WIN32_FILE_ATTRIBUTE_DATA file{};
    if (!::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &file) ||
        (file.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return SIZE{0, 0};
    }
    const ULONGLONG bytes = (static_cast<ULONGLONG>(file.nFileSizeHigh) << 32) | file.nFileSizeLow;
    if (bytes == 0 || bytes > kMaxRegionFileBytes) return SIZE{0, 0};
    // The system's own reader of .bmp files decodes straight into a DIB section, without the
    // detour through a stream and a picture object.
    bitmap.Reset(static_cast<HBITMAP>(
        ::LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
    BITMAP info{};
    if (!bitmap || !::GetObjectW(bitmap.Get(), sizeof(info), &info)) return SIZE{0, 0};
    return SIZE{info.bmWidth, info.bmHeight};
}

namespace {
// `source` stretched to `size` without blending; empty when the drawing calls fail.
GdiObject<HBITMAP> Stretched(HBITMAP source, SIZE from, SIZE size) {
    GdiObject<HBITMAP> result;
    MemoryDC sourceDc(nullptr);
    MemoryDC targetDc(nullptr);
    if (!sourceDc.Get() || !targetDc.Get()) return result;
    BITMAPINFOHEADER header{};
    header.biSize = sizeof(header);
    header.biWidth = size.cx;
    header.biHeight = size.cy;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    void* bits = nullptr;
    GdiObject<HBITMAP> target(
        ::CreateDIBSection(targetDc.Get(), reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!target) return result;
    ScopedSelect sourceSelection(sourceDc.Get(), source);
    ScopedSelect targetSelection(targetDc.Get(), target.Get());
    ::SetStretchBltMode(targetDc.Get(), COLORONCOLOR);
    if (!::StretchBlt(targetDc.Get(), 0, 0, size.cx, size.cy, sourceDc.Get(), 0, 0, from.cx, from.cy, SRCCOPY)) return result;
    return target;
}
}  // namespace

SIZE LoadRegionBitmap(const std::wstring& path, GdiObject<HBITMAP>& bitmap, const DisplayScale& scale) {
    if (scale.IsBase()) return LoadRegionBitmap(path, bitmap);
    ArtworkSet set = scale.Artwork();
    SIZE drawn = LoadRegionBitmap(ArtworkPath(path, set), bitmap);
    if (!bitmap) {
        set = ArtworkSet::Normal;
        drawn = LoadRegionBitmap(path, bitmap);
    }
    if (!bitmap) return drawn;
    const SIZE wanted = scale.Scale(ArtworkBaseSize(drawn, set));
    if (wanted.cx == drawn.cx && wanted.cy == drawn.cy) return drawn;
    GdiObject<HBITMAP> stretched = Stretched(bitmap.Get(), drawn, wanted);
    if (!stretched) return drawn;
    bitmap = std::move(stretched);
    return wanted;
}

GdiObject<HRGN> CreateRegionFromBitmap(HBITMAP bitmap, COLORREF outside) {
    GdiObject<HRGN> result;
    if (!bitmap) return result;
    MemoryDC stripDc(nullptr);
    if (!stripDc.Get()) return result;
    BITMAP source{};
    if (!::GetObjectW(bitmap, sizeof(source), &source) || source.bmWidth <= 0 || source.bmHeight <= 0) return result;
    const int width = source.bmWidth;
    const int height = source.bmHeight;
    const int stripRows = height < kStripRows ? height : kStripRows;

    BITMAPINFOHEADER header{};
    header.biSize = sizeof(header);
    header.biWidth = width;
    header.biHeight = -stripRows;  // negative: rows stored top-down
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    void* bits = nullptr;
    GdiObject<HBITMAP> strip(::CreateDIBSection(stripDc.Get(), reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS,
                                                &bits, nullptr, 0));
    if (!strip || !bits) return result;
    ScopedSelect selectedStrip(stripDc.Get(), strip.Get());
    MemoryDC sourceDc(stripDc.Get());
    if (!sourceDc.Get()) return result;
    ScopedSelect selectedSource(sourceDc.Get(), bitmap);

    const size_t stride = static_cast<size_t>(width) * 4;
    int stripTop = -1;
    bool failed = false;
    const RegionRects rects = ScanRegionRows(
        width, height,
        [&](int y) -> const BYTE* {
            if (stripTop < 0 || y < stripTop || y >= stripTop + stripRows) {
                stripTop = y;
                const int rows = height - y < stripRows ? height - y : stripRows;
                failed = !::BitBlt(stripDc.Get(), 0, 0, width, rows, sourceDc.Get(), 0, y, SRCCOPY);
                ::GdiFlush();
                if (failed) return nullptr;
            }
            return static_cast<const BYTE*>(bits) + static_cast<size_t>(y - stripTop) * stride;
        },
        outside);
    if (failed) return result;
    result.Reset(::ExtCreateRegion(nullptr, rects.DataSize(), rects.Data()));
    return result;
}
