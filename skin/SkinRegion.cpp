#include "skin/SkinRegion.h"

#include "skin/RegionScan.h"
#include "skin/ScopedSelect.h"

namespace {
// Region bitmaps are window outlines of a few megabytes at most; anything larger is not one.
constexpr ULONGLONG kMaxRegionFileBytes = 64ull * 1024ull * 1024ull;

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
    MemoryDC dibDc(nullptr);
    if (!dibDc.Get()) return result;
    BITMAP source{};
    if (!::GetObjectW(bitmap, sizeof(source), &source) || source.bmWidth <= 0 || source.bmHeight <= 0) return result;

    BITMAPINFOHEADER header{};
    header.biSize = sizeof(header);
    header.biWidth = source.bmWidth;
    header.biHeight = source.bmHeight;  // positive: rows stored bottom-up
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    void* bits = nullptr;
    GdiObject<HBITMAP> dib(::CreateDIBSection(dibDc.Get(), reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits,
                                              nullptr, 0));
    if (!dib || !bits) return result;
    ScopedSelect selectedDib(dibDc.Get(), dib.Get());
    {
        MemoryDC sourceDc(dibDc.Get());
        if (sourceDc.Get()) {
            ScopedSelect selectedSource(sourceDc.Get(), bitmap);
            ::BitBlt(dibDc.Get(), 0, 0, source.bmWidth, source.bmHeight, sourceDc.Get(), 0, 0, SRCCOPY);
            ::GdiFlush();
            DIBSECTION dibInfo{};
            ::GetObjectW(dib.Get(), sizeof(dibInfo), &dibInfo);
            const int stride = (dibInfo.dsBm.bmWidthBytes + 3) & ~3;
            const RegionRects rects =
                ScanRegionRuns(DibPixels{static_cast<const BYTE*>(bits), source.bmWidth, source.bmHeight, stride}, outside);
            result.Reset(::ExtCreateRegion(nullptr, rects.DataSize(), rects.Data()));
        }
    }
    return result;
}
