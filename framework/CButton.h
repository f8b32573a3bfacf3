// The system push button, check box or owner-drawn button.
#pragma once
#include "framework/CWnd.h"

class CButton : public CWnd {
public:
    BOOL Create(LPCWSTR caption, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
        return CreateEx(0, L"BUTTON", caption, style, rect, parent, id);
    }
    int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
    void SetCheck(int check) const { SendMessage(BM_SETCHECK, static_cast<WPARAM>(check)); }
};
