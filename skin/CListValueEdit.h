// The in-place number editor of a CListBoxEx row: a framed edit child of the list
// that hands Enter and Escape (on their release) back to its list.
#pragma once
#include "framework/CEdit.h"

class CListBoxEx;

class CListValueEdit : public CEdit {
public:
    // `list` is borrowed: the edit is the list's child and dies before it.
    explicit CListValueEdit(CListBoxEx& list) : list(list) {}

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    CListBoxEx& list;
};
