// The system single-line edit control.
#pragma once
#include "framework/CWnd.h"

class CEdit : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
        return CreateEx(0, L"EDIT", L"", style, rect, parent, id);
    }
    void SetLimitText(UINT maximum) const { SendMessage(EM_LIMITTEXT, maximum); }
    void SetSel(int start, int end) const { SendMessage(EM_SETSEL, static_cast<WPARAM>(start), end); }
};
