#include "skin/SkinFont.h"

GdiObject<HFONT> SkinFont(int height, int weight, int escapement, bool italic) {
    return GdiObject<HFONT>(::CreateFontW(height, 0, escapement, 0, weight, italic ? TRUE : FALSE, FALSE, FALSE,
                                          DEFAULT_CHARSET, 0, 0, CLEARTYPE_NATURAL_QUALITY, 14, L"Arial"));
}
