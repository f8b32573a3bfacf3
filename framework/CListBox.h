// The system list box.
#pragma once
#include "framework/CWnd.h"

class CListBox : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
        return CreateEx(0, L"LISTBOX", L"", style, rect, parent, id);
    }
    int AddString(LPCWSTR text) const { return static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text))); }
    int InsertString(int index, LPCWSTR text) const {
        return static_cast<int>(SendMessage(LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text)));
    }
    int DeleteString(int index) const { return static_cast<int>(SendMessage(LB_DELETESTRING, static_cast<WPARAM>(index))); }
    void ResetContent() const { SendMessage(LB_RESETCONTENT); }
    int GetCount() const { return static_cast<int>(SendMessage(LB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(LB_GETCURSEL)); }
    int SetCurSel(int index) const { return static_cast<int>(SendMessage(LB_SETCURSEL, static_cast<WPARAM>(index))); }
    int GetTopIndex() const { return static_cast<int>(SendMessage(LB_GETTOPINDEX)); }
    int SetTopIndex(int index) const { return static_cast<int>(SendMessage(LB_SETTOPINDEX, static_cast<WPARAM>(index))); }
    int SetItemHeight(int index, UINT height) const {
        return static_cast<int>(SendMessage(LB_SETITEMHEIGHT, static_cast<WPARAM>(index), height));
    }
};
