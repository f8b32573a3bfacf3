#include "skin/SkinRegion.h"

#include "skin/RegionScan.h"

#include <ole2.h>
#include <olectl.h>

namespace {
// Region bitmaps are window outlines of a few megabytes at most; anything larger is not one.
constexpr DWORD kMaxRegionFileBytes = 64u * 1024u * 1024u;

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle(handle) {}
    ~FileHandle() {
        if (Valid()) ::CloseHandle(handle);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    bool Valid() const { return handle != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle; }

private:
    HANDLE handle;
};

template <class Interface>
class ComPointer {
public:
    ComPointer() = default;
    ~ComPointer() {
        if (pointer) pointer->Release();
    }
    ComPointer(const ComPointer&) = delete;
    ComPointer& operator=(const ComPointer&) = delete;
    Interface* Get() const { return pointer; }
    Interface* operator->() const { return pointer; }
    Interface** Out() { return &pointer; }
    explicit operator bool() const { return pointer != nullptr; }

private:
    Interface* pointer = nullptr;
};

// The whole file in a movable global block, or null.
HGLOBAL ReadFileIntoGlobal(const std::wstring& path) {
    FileHandle file(::CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) return nullptr;
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.Get(), &size) || size.QuadPart <= 0 || size.QuadPart > kMaxRegionFileBytes) return nullptr;
    const DWORD bytes = static_cast<DWORD>(size.QuadPart);
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!block) return nullptr;
    void* data = ::GlobalLock(block);
    DWORD read = 0;
    bool complete = data && ::ReadFile(file.Get(), data, bytes, &read, nullptr) && read == bytes;
    if (data) ::GlobalUnlock(block);
    if (!complete) {
        ::GlobalFree(block);
        return nullptr;
    }
    return block;
}

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
}

SIZE LoadRegionBitmap(const std::wstring& path, CBitmap& bitmap) {
    bitmap.DeleteObject();
    HGLOBAL block = ReadFileIntoGlobal(path);
    if (!block) return SIZE{0, 0};
    ComPointer<IStream> stream;
    if (FAILED(::CreateStreamOnHGlobal(block, TRUE, stream.Out()))) {
        ::GlobalFree(block);
        return SIZE{0, 0};
    }
    STATSTG status{};
    stream->Stat(&status, STATFLAG_NONAME);
    ComPointer<IPicture> picture;
    if (FAILED(::OleLoadPicture(stream.Get(), static_cast<LONG>(status.cbSize.QuadPart), FALSE, IID_IPicture,
                                reinterpret_cast<void**>(picture.Out()))) ||
        !picture) {
        return SIZE{0, 0};
    }
    SHORT type = PICTYPE_NONE;
    OLE_HANDLE handle = 0;
    if (FAILED(picture->get_Type(&type)) || type != PICTYPE_BITMAP || FAILED(picture->get_Handle(&handle))) {
        return SIZE{0, 0};
    }
    // The picture deletes its bitmap when released, so the window keeps a copy of its own.
    HBITMAP pictureBitmap = reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle));
    bitmap.Attach(static_cast<HBITMAP>(::CopyImage(pictureBitmap, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    return bitmap.GetSize();
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
    HGDIOBJ previousDib = ::SelectObject(dibDc.Get(), dib.Get());
    {
        MemoryDC sourceDc(dibDc.Get());
        if (sourceDc.Get()) {
            HGDIOBJ previousSource = ::SelectObject(sourceDc.Get(), bitmap);
            ::BitBlt(dibDc.Get(), 0, 0, source.bmWidth, source.bmHeight, sourceDc.Get(), 0, 0, SRCCOPY);
            ::GdiFlush();
            DIBSECTION dibInfo{};
            ::GetObjectW(dib.Get(), sizeof(dibInfo), &dibInfo);
            const int stride = (dibInfo.dsBm.bmWidthBytes + 3) & ~3;
            const RegionRects rects =
                ScanRegionRuns(DibPixels{static_cast<const BYTE*>(bits), source.bmWidth, source.bmHeight, stride}, outside);
            result.Reset(::ExtCreateRegion(nullptr, rects.DataSize(), rects.Data()));
            ::SelectObject(sourceDc.Get(), previousSource);
        }
    }
    ::SelectObject(dibDc.Get(), previousDib);
    return result;
}
