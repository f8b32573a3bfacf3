// The scale of a window's layout: its monitor's DPI over the 96 DPI every fixed rectangle of the
// tool is given in. One rounding rule for every coordinate: a value is multiplied by DPI / 96 and
// rounded to the nearest pixel, halves away from zero. A rectangle is scaled edge by edge, never
// as an origin plus a size, so controls that touch at 96 DPI still touch at every scale and
// controls apart stay apart. At 96 DPI every value is returned unchanged.
#pragma once
#include <windows.h>

#include <string>

// The sets of pictures drawn for their own scale, beside the 96 DPI files.
enum class ArtworkSet { Normal, OneAndAHalf, Double };

class DisplayScale {
public:
    static constexpr UINT kBaseDpi = 96;

    // A DPI of 0 (unknown) counts as 96.
    explicit DisplayScale(UINT dpi = kBaseDpi);

    UINT Dpi() const { return dpi; }
    bool IsBase() const { return dpi == kBaseDpi; }

    int Scale(int value) const;
    POINT Scale(POINT point) const;
    RECT Scale(const RECT& rect) const;
    // A size that stands alone (a picture, a window, a font height), not a rectangle's width.
    SIZE Scale(SIZE size) const;

    // The set drawn at this scale, or the nearest larger one; above the largest set, the largest.
    ArtworkSet Artwork() const;

private:
    UINT dpi;
};

// The DPI a set is drawn for: 96, 144 or 192.
UINT ArtworkDpi(ArtworkSet set);

// The file of `path` (a 96 DPI picture) in `set`: "ok-1.png" becomes "ok-1@1.5x.png" and
// "ok-1@2x.png"; the normal set is the path itself. The suffix goes before the last extension
// of the file name, or at its end when the name has none.
std::wstring ArtworkPath(const std::wstring& path, ArtworkSet set);

// The 96 DPI size of a picture of `drawn` pixels in `set`, the inverse of scaling to the set.
SIZE ArtworkBaseSize(SIZE drawn, ArtworkSet set);
