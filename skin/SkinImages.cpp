#include "skin/SkinImages.h"

#include "framework/Folders.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

namespace {
struct SkinFolderName {
    SkinFolder folder;
    const wchar_t* literal;
};

const SkinFolderName kSkinFolders[] = {
    {SkinFolder::Background, L"images\\0409\\background\\"},
    {SkinFolder::Buttons, L"images\\0409\\buttons\\"},
    {SkinFolder::Controls, L"images\\0409\\controls\\"},
};

// An image whose size is the destination's, at a whole pixel, is copied as it is: nothing to
// scale, so the system takes its plain copy instead of the resampling path.
bool OneToOne(const Gdiplus::Rect& destination, SIZE size) {
    return destination.Width == size.cx && destination.Height == size.cy;
}

bool OneToOne(const Gdiplus::RectF& destination, SIZE size) {
    return destination.Width == static_cast<Gdiplus::REAL>(size.cx) &&
           destination.Height == static_cast<Gdiplus::REAL>(size.cy) &&
           destination.X == static_cast<Gdiplus::REAL>(static_cast<INT>(destination.X)) &&
           destination.Y == static_cast<Gdiplus::REAL>(static_cast<INT>(destination.Y));
}

// Scaling samples beyond the image's border; mirrored edges keep a stretched picture from fading
// into transparency along its sides.
template <class Rectangle>
void DrawScaled(Gdiplus::Graphics& graphics, Gdiplus::Image* image, const Rectangle& destination) {
    const SIZE size = SkinImageSize(image);
    if (size.cx <= 0 || size.cy <= 0) return;
    if (OneToOne(destination, size)) {
        graphics.DrawImage(image, static_cast<INT>(destination.X), static_cast<INT>(destination.Y), size.cx, size.cy);
        return;
    }
    Gdiplus::ImageAttributes edges;
    edges.SetWrapMode(Gdiplus::WrapModeTileFlipXY);
    graphics.DrawImage(image, destination, 0, 0, size.cx, size.cy, Gdiplus::UnitPixel, &edges);
}

bool EveryPixelOpaque(const Gdiplus::BitmapData& argb) {
    for (UINT y = 0; y < argb.Height; ++y) {
        const BYTE* row = static_cast<const BYTE*>(argb.Scan0) + static_cast<ptrdiff_t>(y) * argb.Stride;
        for (UINT x = 0; x < argb.Width; ++x) {
            if (row[4 * x + 3] != 0xFF) return false;
        }
    }
    return true;
}

// A PNG stored with 24 bits a pixel (the larger backgrounds) keeps them: a copy as it is touches
// a quarter less fresh memory than one widened to 32 bits, and draws as a copy too.
bool KeepsItsBits(Gdiplus::Bitmap& decoded) {
    GUID stored{};
    return decoded.GetPixelFormat() == PixelFormat24bppRGB && decoded.GetRawFormat(&stored) == Gdiplus::Ok &&
           ::IsEqualGUID(stored, Gdiplus::ImageFormatPNG);
}

// The decoded picture in the form that draws fastest, in memory of its own: the decoder keeps
// the file's pixels a second time for as long as the decoded bitmap lives. A picture without
// transparency becomes a plain 32-bit bitmap, drawn as a copy; one with transparency is
// premultiplied once here instead of at every drawing. Null when the copy cannot be made.
SkinImage DrawingCopy(Gdiplus::Bitmap& decoded) {
    Gdiplus::Rect whole(0, 0, static_cast<INT>(decoded.GetWidth()), static_cast<INT>(decoded.GetHeight()));
    if (whole.Width <= 0 || whole.Height <= 0) return nullptr;
    // Without an alpha channel (and without a palette, which may hold transparent colours) the
    // picture is opaque: no need to look.
    const Gdiplus::PixelFormat format = decoded.GetPixelFormat();
    if (!Gdiplus::IsAlphaPixelFormat(format) && !Gdiplus::IsIndexedPixelFormat(format)) {
        SkinImage copy(decoded.Clone(whole, KeepsItsBits(decoded) ? format : PixelFormat32bppRGB));
        if (!copy || copy->GetLastStatus() != Gdiplus::Ok) return nullptr;
        return copy;
    }
    Gdiplus::BitmapData argb{};
    if (decoded.LockBits(&whole, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB, &argb) != Gdiplus::Ok) return nullptr;
    const bool opaque = EveryPixelOpaque(argb);
    decoded.UnlockBits(&argb);
    SkinImage copy(decoded.Clone(whole, opaque ? PixelFormat32bppRGB : PixelFormat32bppPARGB));
    if (!copy || copy->GetLastStatus() != Gdiplus::Ok) return nullptr;
    return copy;
}

// Larger than any picture of a skin: a header beyond it is not one.
constexpr DWORD kMaxPictureSide = 1u << 15;

// Width and height from the header of a PNG file: its signature, then the IHDR chunk, both
// numbers stored most significant byte first. 0 x 0 when the file does not start so.
SIZE PngFileSize(const std::wstring& path) {
    static const BYTE kStart[16] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return SIZE{0, 0};
    BYTE header[24] = {};
    DWORD read = 0;
    const BOOL complete = ::ReadFile(file, header, sizeof(header), &read, nullptr) && read == sizeof(header);
    ::CloseHandle(file);
    if (!complete || !std::equal(std::begin(kStart), std::end(kStart), header)) return SIZE{0, 0};
    auto number = [&header](int at) {
        return (static_cast<DWORD>(header[at]) << 24) | (static_cast<DWORD>(header[at + 1]) << 16) |
               (static_cast<DWORD>(header[at + 2]) << 8) | static_cast<DWORD>(header[at + 3]);
    };
    const DWORD width = number(16);
    const DWORD height = number(20);
    if (width == 0 || height == 0 || width > kMaxPictureSide || height > kMaxPictureSide) return SIZE{0, 0};
    return SIZE{static_cast<LONG>(width), static_cast<LONG>(height)};
}

SIZE Measured(const SkinImage& image) { return SkinImageSize(image.get()); }
SIZE Measured(SIZE size) { return size; }

// What `read` gives for the file of `path` in the artwork set of `scale`, or for the 96 DPI file
// when that one measures nothing (a file that did not decode measures 0 x 0); `set` tells which.
template <class Read>
auto ReadForScale(const std::wstring& path, const DisplayScale& scale, ArtworkSet& set, Read read) {
    set = scale.Artwork();
    auto result = read(ArtworkPath(path, set));
    if (Measured(result).cx <= 0) {
        set = ArtworkSet::Normal;
        result = read(path);
    }
    return result;
}

// `image` drawn at `size` with high-quality filtering; null when the drawing fails.
SkinImage Resampled(Gdiplus::Bitmap& image, SIZE size) {
    if (size.cx <= 0 || size.cy <= 0) return nullptr;
    SkinImage target(new Gdiplus::Bitmap(size.cx, size.cy, PixelFormat32bppPARGB));
    if (target->GetLastStatus() != Gdiplus::Ok) return nullptr;
    {
        Gdiplus::Graphics graphics(target.get());
        graphics.SetCompositingMode(Gdiplus::CompositingModeSourceCopy);
        graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
        graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHighQuality);
        Gdiplus::ImageAttributes edges;
        edges.SetWrapMode(Gdiplus::WrapModeTileFlipXY);
        const Gdiplus::Rect whole(0, 0, size.cx, size.cy);
        if (graphics.DrawImage(&image, whole, 0, 0, static_cast<INT>(image.GetWidth()), static_cast<INT>(image.GetHeight()),
                               Gdiplus::UnitPixel, &edges) != Gdiplus::Ok) {
            return nullptr;
        }
    }
    SkinImage copy = DrawingCopy(*target);
    return copy ? std::move(copy) : std::move(target);
}
}  // namespace

std::wstring SkinFolderPath(SkinFolder folder) {
    for (const SkinFolderName& entry : kSkinFolders) {
        if (entry.folder == folder) return std::wstring(AppDirectory) + entry.literal;
    }
    return AppDirectory;
}

SkinImage LoadSkinImage(const std::wstring& folderPath, const wchar_t* fileName) {
    return LoadSkinImageFile(folderPath + (fileName ? fileName : L""));
}

SkinImage LoadSkinImage(SkinFolder folder, const wchar_t* fileName) {
    return LoadSkinImage(SkinFolderPath(folder), fileName);
}

SkinImage LoadSkinImageFile(const std::wstring& path) {
    SkinImage decoded(new Gdiplus::Bitmap(path.c_str()));
    if (decoded->GetLastStatus() != Gdiplus::Ok) return decoded;
    SkinImage copy = DrawingCopy(*decoded);
    return copy ? std::move(copy) : std::move(decoded);
}

SkinImage LoadSkinImage(SkinFolder folder, const wchar_t* fileName, const DisplayScale& scale) {
    return LoadSkinImageFile(SkinFolderPath(folder) + (fileName ? fileName : L""), scale);
}

SkinImage LoadSkinImageFile(const std::wstring& path, const DisplayScale& scale) {
    if (scale.IsBase()) return LoadSkinImageFile(path);
    ArtworkSet set = ArtworkSet::Normal;
    SkinImage image = ReadForScale(path, scale, set, [](const std::wstring& file) { return LoadSkinImageFile(file); });
    const SIZE drawn = SkinImageSize(image.get());
    if (drawn.cx <= 0 || drawn.cy <= 0) return image;
    const SIZE wanted = scale.Scale(ArtworkBaseSize(drawn, set));
    if (wanted.cx == drawn.cx && wanted.cy == drawn.cy) return image;
    SkinImage resampled = Resampled(*image, wanted);
    return resampled ? std::move(resampled) : std::move(image);
}

SIZE SkinImageFileSize(SkinFolder folder, const wchar_t* fileName, const DisplayScale& scale) {
    return SkinImageFileSize(SkinFolderPath(folder) + (fileName ? fileName : L""), scale);
}

SIZE SkinImageFileSize(const std::wstring& path, const DisplayScale& scale) {
    if (scale.IsBase()) return PngFileSize(path);
    ArtworkSet set = ArtworkSet::Normal;
    const SIZE drawn = ReadForScale(path, scale, set, PngFileSize);
    if (drawn.cx <= 0) return drawn;
    return scale.Scale(ArtworkBaseSize(drawn, set));
}

SkinImage FittedSkinImage(Gdiplus::Image* image, SIZE size) {
    const SIZE drawn = SkinImageSize(image);
    if (drawn.cx <= 0 || drawn.cy <= 0 || size.cx <= 0 || size.cy <= 0) return nullptr;
    SkinImage fitted(new Gdiplus::Bitmap(size.cx, size.cy, PixelFormat32bppPARGB));
    if (fitted->GetLastStatus() != Gdiplus::Ok) return nullptr;
    Gdiplus::Graphics graphics(fitted.get());
    // The drawing's pixels as they are, not blended onto the empty bitmap.
    graphics.SetCompositingMode(Gdiplus::CompositingModeSourceCopy);
    DrawScaled(graphics, image, Gdiplus::Rect(0, 0, size.cx, size.cy));
    if (graphics.GetLastStatus() != Gdiplus::Ok) return nullptr;
    return fitted;
}

SIZE SkinImageSize(Gdiplus::Image* image) {
    if (!image) return SIZE{0, 0};
    return SIZE{static_cast<LONG>(image->GetWidth()), static_cast<LONG>(image->GetHeight())};
}

void DrawSkinImage(Gdiplus::Graphics& graphics, Gdiplus::Image* image, const Gdiplus::RectF& destination) {
    DrawScaled(graphics, image, destination);
}

void DrawSkinImage(Gdiplus::Graphics& graphics, Gdiplus::Image* image, const Gdiplus::Rect& destination) {
    DrawScaled(graphics, image, destination);
}
