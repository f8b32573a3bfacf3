// Skin images: decoded PNG or BMP files of the three skin folders below the tool's directory,
// held as GDI+ bitmaps ready to draw, apart from the file and its decoder: 32-bit without alpha
// for opaque pictures (24-bit for PNGs stored so, the larger backgrounds), premultiplied 32-bit
// for the others. An image that failed to decode is still an object: it draws nothing and
// measures 0 x 0. The window that loads an image owns it; its controls borrow it.
#pragma once
#include <windows.h>
#include <gdiplus.h>

#include "skin/DisplayScale.h"

#include <memory>
#include <string>

using SkinImage = std::unique_ptr<Gdiplus::Bitmap>;

enum class SkinFolder { Background, Buttons, Controls };

// The folder's path: the tool's directory (AppDirectory) followed by "images\0409\...\".
std::wstring SkinFolderPath(SkinFolder folder);

// The image of `fileName` in `folderPath` (a path ending with a backslash).
SkinImage LoadSkinImage(const std::wstring& folderPath, const wchar_t* fileName);
SkinImage LoadSkinImage(SkinFolder folder, const wchar_t* fileName);
// The image of a full file path.
SkinImage LoadSkinImageFile(const std::wstring& path);

// The picture of `fileName` for a window at `scale`: the file of the scale's artwork set (see
// ArtworkPath), or the 96 DPI file when that set lacks it. A picture of a set drawn for another
// scale is resampled once, with high-quality filtering, to the scale's size of its 96 DPI size,
// so that it measures what the window's scaled rectangles expect.
SkinImage LoadSkinImage(SkinFolder folder, const wchar_t* fileName, const DisplayScale& scale);
SkinImage LoadSkinImageFile(const std::wstring& path, const DisplayScale& scale);

// The size LoadSkinImage gives the picture at `scale`, read from the header of its PNG file
// without decoding it; 0 x 0 for a file that cannot be read or is no PNG.
SIZE SkinImageFileSize(SkinFolder folder, const wchar_t* fileName, const DisplayScale& scale);
SIZE SkinImageFileSize(const std::wstring& path, const DisplayScale& scale);

// `image` as DrawSkinImage draws it into a rectangle of `size`, kept: drawn one to one, the copy
// gives the same pixels without resampling at every paint. Null for none, an image that did not
// decode or a drawing that failed.
SkinImage FittedSkinImage(Gdiplus::Image* image, SIZE size);

// Width and height in pixels; 0 x 0 for none or an image that did not decode.
SIZE SkinImageSize(Gdiplus::Image* image);

// A RECT (left, top, right, bottom) as GDI+ takes it: left, top, width, height.
inline Gdiplus::Rect GdiplusRect(const RECT& rect) {
    return Gdiplus::Rect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

// The whole image scaled into the rectangle, alpha honoured; none or an undecoded image draws nothing.
void DrawSkinImage(Gdiplus::Graphics& graphics, Gdiplus::Image* image, const Gdiplus::RectF& destination);
void DrawSkinImage(Gdiplus::Graphics& graphics, Gdiplus::Image* image, const Gdiplus::Rect& destination);
