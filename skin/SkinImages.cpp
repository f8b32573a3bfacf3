#include "skin/SkinImages.h"

#include "framework/Folders.h"

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
    return SkinImage(new Gdiplus::Bitmap(path.c_str()));
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
