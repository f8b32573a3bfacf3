#include "support/MenuClicks.h"

#include "support/WindowTestSupport.h"

namespace {
struct OwnedSearch {
    HWND owner;
    HWND found;
};

BOOL CALLBACK FindVisibleOwned(HWND candidate, LPARAM context) {
    auto& search = *reinterpret_cast<OwnedSearch*>(context);
    if (!::IsWindowVisible(candidate) || ::GetWindow(candidate, GW_OWNER) != search.owner) return TRUE;
    search.found = candidate;
    return FALSE;
}
}  // namespace

HWND MenuItemButton(HWND column, int index, int firstTop) {
    if (!column) return nullptr;
    HWND button = ::ChildWindowFromPoint(column, POINT{5, firstTop + index * kMenuItemHeight + 5});
    return button != column ? button : nullptr;
}

void ClickMenuItem(HWND item) {
    ::SendMessageW(item, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ::SendMessageW(item, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    PumpMessages();
}

HWND OpenSubMenu(HWND menu, int index) {
    HWND item = MenuItemButton(menu, index);
    if (!item) return nullptr;
    ::SendMessageW(item, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    PumpMessages();
    OwnedSearch search{menu, nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), FindVisibleOwned, reinterpret_cast<LPARAM>(&search));
    return search.found;
}
