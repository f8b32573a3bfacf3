// The system static text control.
#pragma once
#include "framework/CWnd.h"

class CStatic : public CWnd {
public:
    BOOL Create(LPCWSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id = 0xFFFF) {
        return CreateEx(0, L"STATIC", text, style, rect, parent, id);
    }
};
