#include "skin/CListValueEdit.h"

#include "skin/CListBoxEx.h"

LRESULT CListValueEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYUP && (wParam == VK_RETURN || wParam == VK_ESCAPE)) {
        // The edit window is gone afterwards; nothing of it may run on.
        list.CloseEditor(wParam == VK_RETURN);
        return 0;
    }
    return CEdit::WindowProc(message, wParam, lParam);
}
