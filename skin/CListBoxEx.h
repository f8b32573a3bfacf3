// The owner-drawn list of the macro editor: dark rows of one height, a press or release arrow in
// front of key rows, clicks reported to its owner, and an in-place number editor for a row's
// value. Of the keys only Up and Down reach it: they move the selection one row, as a left press
// on that row does (and are refused while the mouse is); paging and type-ahead never move it. Rows hold their text and a datum only; the owner knows their meaning.
// Emptying the list (LB_RESETCONTENT) closes an open editor without storing its value.
//
// Posts to notifyWindow (to the parent with lParam 0 when there is none):
//   WM_LIST_CLICK(row, datum)        left press on a row, or Up or Down onto it, with notifyOnClick
//   WM_LIST_RIGHTCLICK(row, datum)   right release over the list, without noRightClick
//   WM_LIST_VALUE_EDITED(value, row) an in-place edit was committed (notifyWindow only)
#pragma once
#include "framework/CListBox.h"
#include "skin/CListValueEdit.h"
#include "skin/DisplayScale.h"
#include "skin/GdiObject.h"
#include "skin/SkinImages.h"

#include <functional>
#include <string>

// Row data: a release or press arrow before the text. 0 is a plain row, 1 a row indented as if
// it had an icon, any other value the icon of the program's bitmap resource of that number.
constexpr int ITEM_RELEASE = 137;
constexpr int ITEM_PRESS = 138;

class CListBoxEx : public CListBox {
public:
    CListBoxEx();
    ~CListBoxEx() override;

    // The style of the list without its scroll bar.
    static constexpr DWORD kStyle = WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS | LBS_NOTIFY;
    // The list named `name` (its window text) at `rect` of `parent`.
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id, const wchar_t* name);

    // Reports to `owner` from now on and loads the two arrow images.
    void AttachList(HWND owner);
    // The selection colour and the background: stripes in step with the rows with
    // notifyOnClick, else a solid near-black; repaints the list.
    void SetListBackground();

    // The owner sets these after creation.
    BOOL editOnDoubleClick = 0;  // a double click on a plain row opens the in-place editor
    BOOL notifyOnClick = 0;      // a left press posts WM_LIST_CLICK; striped background
    BOOL selectionFill = 0;      // fill the selected row; else the row under the pointer
    BOOL ignoreMouse = 0;
    BOOL noRightClick = 1;
    BOOL noTextIndent = 0;
    // The text of a row showing `value`, given by the owner with editOnDoubleClick: an edited
    // row gets it when the in-place editor closes.
    std::function<std::wstring(int value)> valueRowText;
    COLORREF selectedTextColor;
    COLORREF textColor;
    COLORREF selectionColor;
    // Sizes at 96 DPI; the list draws them at the scale of the window it was created in.
    int iconWidth = 16;
    int iconHeight = 16;
    int itemHeight = 23;

    int editRow = -1;  // the row edited in place, -1 when none
    int editOldValue = 0;
    bool IsEditing() const { return editor.m_hWnd != nullptr; }

    // Row helpers over the list box messages.
    void AddRow(const std::wstring& text, int datum) const;
    void InsertRow(int index, const std::wstring& text, int datum) const;
    int GetItemData(int index) const { return static_cast<int>(SendMessage(LB_GETITEMDATA, static_cast<WPARAM>(index))); }
    std::wstring GetText(int index) const;

    // Ends the in-place edit: with `commit` the typed value, else the old one (nothing posted).
    void CloseEditor(bool commit);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    void DrawItem(const DRAWITEMSTRUCT& item);
    void DrawIcon(HDC dc, int datum, const RECT& row);
    HBRUSH Background() const;
    // The striped background picture at the list's scale.
    GdiObject<HBITMAP> StripesPicture() const;
    // The row under a client point, and whether the point is inside it.
    int RowAt(LPARAM point, bool* inside = nullptr) const;
    void Notify(UINT message, int row) const;
    bool OnLeftButtonDown(LPARAM point);
    bool OnDoubleClick(LPARAM point);
    void OnRightButtonUp(LPARAM point);
    // OnArrowKey(bool down): Up or Down, outside an edit
    void OnArrowKey(bool down);
    void OpenEditor(int row);

    HWND notifyWindow = nullptr;  // borrowed: the owner
    GdiObject<HFONT> font;
    DisplayScale scale;
    GdiObject<HBRUSH> backgroundBrush;
    SkinImage pressImage;
    SkinImage releaseImage;
    CListValueEdit editor;
};
