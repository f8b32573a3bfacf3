#include "skin/SkinImages.h"

#include "app/Folders.h"

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

bool Decoded(Gdiplus::Image* image) {
    SIZE size = SkinImageSize(image);
    return size.cx > 0 && size.cy > 0;
}
}

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
    if (Decoded(image)) graphics.DrawImage(image, destination);
}

void DrawSkinImage(Gdiplus::Graphics& graphics, Gdiplus::Image* image, const Gdiplus::Rect& destination) {
    if (Decoded(image)) graphics.DrawImage(image, destination);
}
