#include "skin/BmpMenuInfo.h"

#include <cwchar>

namespace {
const size_t kAlternativeImagePositions[] = {9, 10, 11, 12, 14, 16};

// The low 16 bits of each value; the words are unsigned, so the packed value never sign-extends.
LPARAM PackWords(int high, int low) {
    return static_cast<LPARAM>((static_cast<DWORD>(high & 0xFFFF) << 16) | static_cast<DWORD>(low & 0xFFFF));
}
}

tagBMPMENUINFO MakeMenuItem(const wchar_t* text, int id) {
    tagBMPMENUINFO item{};
    wcsncpy_s(item.text, kMenuTextChars, text ? text : L"", _TRUNCATE);
    item.id = id;
    return item;
}

bool UsesAlternativeItemImages(size_t position) {
    for (size_t alternative : kAlternativeImagePositions) {
        if (alternative == position) return true;
    }
    return false;
}

MenuPick MainItemPick(int index, int itemId) {
    return MenuPick{static_cast<WPARAM>(PackWords(index, 0)), PackWords(itemId, 0)};
}

MenuPick SubItemPick(int parentIndex, int subIndex, int subItemId) {
    return MenuPick{static_cast<WPARAM>(PackWords(parentIndex, subIndex)), PackWords(0, subItemId)};
}

MenuPick ForwardedSubItemPick(const MenuPick& subPick, int itemId) {
    return MenuPick{subPick.wParam, PackWords(itemId, static_cast<int>(LOWORD(subPick.lParam)))};
}

POINT SubMenuOrigin(POINT menu, SIZE item, int index, int subImageWidth, int screenWidth, const DisplayScale& scale) {
    const int menuWidth = item.cx + scale.Scale(kMenuExtraWidth);
    const int subMenuWidth = subImageWidth + scale.Scale(kMenuExtraWidth);
    POINT origin{menu.x + menuWidth, menu.y + index * item.cy};
    if (origin.x + subMenuWidth > screenWidth) origin.x = menu.x - subMenuWidth;
    return origin;
}
