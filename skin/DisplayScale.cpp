#include "skin/DisplayScale.h"

#include <cstdint>

namespace {
// value * numerator / denominator, rounded to the nearest whole number, halves away from zero.
int MultiplyRounded(int value, UINT numerator, UINT denominator) {
    const std::int64_t product = static_cast<std::int64_t>(value) * numerator;
    const std::int64_t half = denominator / 2;
    const std::int64_t rounded = product >= 0 ? (product + half) / denominator : -((-product + half) / denominator);
    return static_cast<int>(rounded);
}

struct ArtworkSetFile {
    ArtworkSet set;
    UINT dpi;
    const wchar_t* suffix;
};

// From the smallest set to the largest.
const ArtworkSetFile kArtworkSets[] = {
    {ArtworkSet::Normal, 96, L""},
    {ArtworkSet::OneAndAHalf, 144, L"@1.5x"},
    {ArtworkSet::Double, 192, L"@2x"},
};

const ArtworkSetFile& SetFile(ArtworkSet set) {
    for (const ArtworkSetFile& entry : kArtworkSets) {
        if (entry.set == set) return entry;
    }
    return kArtworkSets[0];
}
}  // namespace

DisplayScale::DisplayScale(UINT dpi) : dpi(dpi ? dpi : kBaseDpi) {}

int DisplayScale::Scale(int value) const { return MultiplyRounded(value, dpi, kBaseDpi); }

POINT DisplayScale::Scale(POINT point) const { return POINT{Scale(point.x), Scale(point.y)}; }

RECT DisplayScale::Scale(const RECT& rect) const {
    return RECT{Scale(rect.left), Scale(rect.top), Scale(rect.right), Scale(rect.bottom)};
}

SIZE DisplayScale::Scale(SIZE size) const { return SIZE{Scale(size.cx), Scale(size.cy)}; }

ArtworkSet DisplayScale::Artwork() const {
    for (const ArtworkSetFile& entry : kArtworkSets) {
        if (dpi <= entry.dpi) return entry.set;
    }
    return kArtworkSets[sizeof(kArtworkSets) / sizeof(kArtworkSets[0]) - 1].set;
}

UINT ArtworkDpi(ArtworkSet set) { return SetFile(set).dpi; }

std::wstring ArtworkPath(const std::wstring& path, ArtworkSet set) {
    const wchar_t* suffix = SetFile(set).suffix;
    if (!*suffix) return path;
    const size_t nameStart = path.find_last_of(L"\\/");
    const size_t dot = path.find_last_of(L'.');
    const bool hasExtension = dot != std::wstring::npos && (nameStart == std::wstring::npos || dot > nameStart + 1);
    if (!hasExtension) return path + suffix;
    return path.substr(0, dot) + suffix + path.substr(dot);
}

SIZE ArtworkBaseSize(SIZE drawn, ArtworkSet set) {
    const UINT setDpi = ArtworkDpi(set);
    return SIZE{MultiplyRounded(drawn.cx, DisplayScale::kBaseDpi, setDpi),
                MultiplyRounded(drawn.cy, DisplayScale::kBaseDpi, setDpi)};
}
