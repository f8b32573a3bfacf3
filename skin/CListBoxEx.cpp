#include "skin/CListBoxEx.h"

#include "framework/Messages.h"
#include "res/resource.h"
#include "skin/ScopedSelect.h"
#include "skin/SkinFont.h"
#include "skin/SkinRegion.h"
#include "skin/WindowDpi.h"

#include <windowsx.h>

#include <cwchar>
#include <vector>

namespace {
constexpr COLORREF kSelectionColor = RGB(0x96, 0x96, 0x96);
constexpr COLORREF kSolidBackground = RGB(6, 6, 6);
constexpr int kFontHeight = 14;
// Row geometry at 96 DPI, drawn at the list's scale.
constexpr int kTextIndent = 8;
constexpr int kIconGap = 16;
constexpr int kEditorLeft = 168;
constexpr int kEditorWidth = 55;
constexpr RECT kArrowRect{5, 5, 12, 14};
constexpr int kIconLeft = 5;
constexpr int kEditorMaxDigits = 5;
constexpr int kEditTextMaxChars = 200;
constexpr DWORD kEditorStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_NUMBER | ES_WANTRETURN;

// The value a row shows: the number after its last blank.
int ValueAtEnd(const std::wstring& text) {
    const size_t blank = text.find_last_of(L' ');
    const std::wstring tail = blank == std::wstring::npos ? text : text.substr(blank + 1);
    return static_cast<int>(std::wcstol(tail.c_str(), nullptr, 10));
}
}  // namespace

CListBoxEx::CListBoxEx()
    : selectedTextColor(::GetSysColor(COLOR_HIGHLIGHTTEXT)),
      textColor(::GetSysColor(COLOR_WINDOWTEXT)),
      selectionColor(::GetSysColor(COLOR_HIGHLIGHT)),
      font(SkinFont(kFontHeight, 0)),
      editor(*this) {}

CListBoxEx::~CListBoxEx() { DestroyInDestructor(); }

BOOL CListBoxEx::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id, const wchar_t* name) {
    // The rows are measured while the list is created, so the scale is known before.
    scale = WindowScale(parent ? parent->m_hWnd : nullptr);
    if (!scale.IsBase()) font = SkinFont(scale.Scale(kFontHeight), 0);
    return CreateEx(0, L"LISTBOX", name, style, rect, parent, id);
}

void CListBoxEx::AttachList(HWND owner) {
    notifyWindow = owner;
    releaseImage = LoadSkinImage(SkinFolder::Background, L"424.png", scale);
    pressImage = LoadSkinImage(SkinFolder::Background, L"423.png", scale);
}

GdiObject<HBITMAP> CListBoxEx::StripesPicture() const {
    if (scale.IsBase()) return GdiObject<HBITMAP>(::LoadBitmapW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_LIST_STRIPES)));
    // The resource holds the 96 DPI picture; the other scales read theirs from the skin.
    GdiObject<HBITMAP> stripes;
    LoadRegionBitmap(SkinFolderPath(SkinFolder::Background) + L"list-stripes.bmp", stripes, scale);
    return stripes;
}

void CListBoxEx::SetListBackground() {
    selectionColor = kSelectionColor;
    if (notifyOnClick) {
        GdiObject<HBITMAP> stripes = StripesPicture();
        // The brush keeps its own copy of the picture.
        backgroundBrush.Reset(stripes ? ::CreatePatternBrush(stripes.Get()) : ::CreateSolidBrush(kSolidBackground));
    } else {
        backgroundBrush.Reset(::CreateSolidBrush(kSolidBackground));
    }
    Invalidate();
}

void CListBoxEx::AddRow(const std::wstring& text, int datum) const {
    const int index = AddString(text.c_str());
    if (index >= 0) SendMessage(LB_SETITEMDATA, static_cast<WPARAM>(index), datum);
}

void CListBoxEx::InsertRow(int index, const std::wstring& text, int datum) const {
    const int inserted = InsertString(index, text.c_str());
    if (inserted >= 0) SendMessage(LB_SETITEMDATA, static_cast<WPARAM>(inserted), datum);
}

std::wstring CListBoxEx::GetText(int index) const {
    const int length = static_cast<int>(SendMessage(LB_GETTEXTLEN, static_cast<WPARAM>(index)));
    if (length < 0) return L"";
    std::vector<wchar_t> text(static_cast<size_t>(length) + 1, L'\0');
    SendMessage(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    return text.data();
}

HBRUSH CListBoxEx::Background() const {
    if (!IsWindowEnabled() && !notifyOnClick) return ::GetSysColorBrush(COLOR_INACTIVEBORDER);
    return backgroundBrush ? backgroundBrush.Get() : static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
}

int CListBoxEx::RowAt(LPARAM point, bool* inside) const {
    const LRESULT found = SendMessage(LB_ITEMFROMPOINT, 0, point);
    if (inside) *inside = HIWORD(found) == 0 && LOWORD(found) < GetCount();
    return GetCount() > 0 ? static_cast<int>(LOWORD(found)) : -1;
}

void CListBoxEx::Notify(UINT message, int row) const {
    const int datum = GetItemData(row);
    if (datum == LB_ERR) return;
    if (notifyWindow) {
        ::PostMessageW(notifyWindow, message, static_cast<WPARAM>(row), datum);
    } else {
        ::PostMessageW(::GetParent(m_hWnd), message, static_cast<WPARAM>(row), 0);
    }
}

void CListBoxEx::DrawIcon(HDC dc, int datum, const RECT& row) {
    if (datum == ITEM_RELEASE || datum == ITEM_PRESS) {
        Gdiplus::Graphics graphics(dc);
        const RECT arrow = scale.Scale(kArrowRect);
        DrawSkinImage(graphics, datum == ITEM_PRESS ? pressImage.get() : releaseImage.get(),
                      GdiplusRect(RECT{row.left + arrow.left, row.top + arrow.top, row.left + arrow.right, row.top + arrow.bottom}));
        return;
    }
    if (datum == 1) return;
    GdiObject<HBITMAP> icon(::LoadBitmapW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(datum)));
    if (!icon) return;
    HDC iconDc = ::CreateCompatibleDC(dc);
    {
        ScopedSelect select(iconDc, icon.Get());
        ::StretchBlt(dc, row.left + scale.Scale(kIconLeft), row.top, scale.Scale(iconWidth), scale.Scale(iconHeight), iconDc,
                     0, 0, iconWidth, iconHeight, SRCCOPY);
    }
    ::DeleteDC(iconDc);
}

void CListBoxEx::DrawItem(const DRAWITEMSTRUCT& item) {
    if (static_cast<int>(item.itemID) < 0) return;
    HDC dc = item.hDC;
    const RECT& row = item.rcItem;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    bool highlighted = selected;
    if (!selectionFill) {
        POINT pointer{};
        ::GetCursorPos(&pointer);
        ::ScreenToClient(m_hWnd, &pointer);
        highlighted = ::PtInRect(&row, pointer) != 0;
    }
    if (highlighted) {
        GdiObject<HBRUSH> fill(::CreateSolidBrush(selectionColor));
        ::FillRect(dc, &row, fill.Get());
    } else {
        ::FillRect(dc, &row, Background());
    }

    COLORREF color = textColor;
    if ((item.itemAction & ODA_FOCUS) && (item.itemState & ODS_FOCUS) && selected) color = selectedTextColor;
    if (item.itemState & ODS_DISABLED) color = ::GetSysColor(COLOR_BTNSHADOW);
    ::SetTextColor(dc, color);
    ::SetBkMode(dc, TRANSPARENT);

    const int datum = static_cast<int>(item.itemData);
    int x = row.left + (noTextIndent ? 0 : scale.Scale(kTextIndent));
    if (datum != 0) {
        DrawIcon(dc, datum, row);
        x = row.left + scale.Scale(iconWidth + (noTextIndent ? 0 : kIconGap));
    }
    const std::wstring text = GetText(static_cast<int>(item.itemID));
    ScopedSelect selectFont(dc, font.Get());
    ::TextOutW(dc, x, row.top, text.c_str(), static_cast<int>(text.size()));
}

void CListBoxEx::OpenEditor(int row) {
    RECT rowRect{};
    SendMessage(LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rowRect));
    editOldValue = ValueAtEnd(GetText(row));
    editRow = row;
    DeleteString(row);
    InsertRow(row, L"", 0);
    SetCurSel(row);
    const RECT editRect{rowRect.left + scale.Scale(kEditorLeft), rowRect.top,
                        rowRect.left + scale.Scale(kEditorLeft + kEditorWidth), rowRect.top + scale.Scale(itemHeight)};
    if (!editor.Create(kEditorStyle, editRect, this, 0)) {
        editRow = -1;
        return;
    }
    editor.SetWindowText(std::to_wstring(editOldValue).c_str());
    editor.SetLimitText(kEditorMaxDigits);
    editor.SetFont(font.Get());
    editor.SetSel(0, -1);
    ::SetFocus(editor.m_hWnd);
}

void CListBoxEx::CloseEditor(bool commit) {
    if (!IsEditing()) return;
    int value = editOldValue;
    if (commit) {
        wchar_t typed[kEditTextMaxChars + 1] = L"";
        ::GetWindowTextW(editor.m_hWnd, typed, kEditTextMaxChars + 1);
        value = static_cast<int>(std::wcstol(typed, nullptr, 10));
    }
    if (editRow >= 0 && editRow < GetCount()) {
        DeleteString(editRow);
        InsertRow(editRow, valueRowText ? valueRowText(value) : std::to_wstring(value), 0);
        SetCurSel(editRow);
    }
    editRow = -1;
    editor.DestroyWindow();
    Invalidate();
    if (commit && notifyWindow) ::PostMessageW(notifyWindow, WM_LIST_VALUE_EDITED, static_cast<WPARAM>(value), GetCurSel());
}

bool CListBoxEx::OnLeftButtonDown(LPARAM point) {
    if (ignoreMouse) return false;
    CloseEditor(true);
    const int row = RowAt(point);
    if (row >= 0) SetCurSel(row);
    if (notifyOnClick && row >= 0) Notify(WM_LIST_CLICK, row);
    return true;
}

bool CListBoxEx::OnDoubleClick(LPARAM point) {
    bool inside = false;
    const int row = RowAt(point, &inside);
    if (!editOnDoubleClick || !inside) return false;
    SetCurSel(row);
    const int datum = GetItemData(row);
    if (datum != ITEM_RELEASE && datum != ITEM_PRESS && notifyWindow && !IsEditing()) OpenEditor(row);
    return true;
}

void CListBoxEx::OnArrowKey(bool down) {
    const int count = GetCount();
    if (ignoreMouse || count <= 0) return;
    const int current = GetCurSel();
    int row = current < 0 ? 0 : current + (down ? 1 : -1);
    if (row < 0 || row >= count) return;
    SetCurSel(row);
    if (notifyOnClick) Notify(WM_LIST_CLICK, row);
}

void CListBoxEx::OnRightButtonUp(LPARAM point) {
    const int row = RowAt(point);
    if (row < 0) return;
    SetCurSel(row);
    Notify(WM_LIST_RIGHTCLICK, row);
}

LRESULT CListBoxEx::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_KEYDOWN:
        if (IsEditing()) break;
        if (wParam == VK_UP || wParam == VK_DOWN) OnArrowKey(wParam == VK_DOWN);
        return 0;
    case WM_KEYUP:
    case WM_CHAR:
        // Paging and type-ahead never move the selection.
        if (!IsEditing()) return 0;
        break;
    case WM_LBUTTONDOWN:
        if (!OnLeftButtonDown(lParam)) return 0;
        break;
    case WM_LBUTTONDBLCLK:
        if (!OnDoubleClick(lParam)) return 0;
        break;
    case WM_RBUTTONUP:
        if (ignoreMouse) return 0;
        if (!noRightClick) OnRightButtonUp(lParam);
        break;
    case WM_MBUTTONDOWN:
        if (ignoreMouse) return 0;
        break;
    case LB_RESETCONTENT:
    case WM_DESTROY:
        // The row the editor belongs to is going: the editor goes too, storing nothing.
        if (IsEditing()) editor.DestroyWindow();
        editRow = -1;
        break;
    default:
        break;
    }
    return CListBox::WindowProc(message, wParam, lParam);
}

BOOL CListBoxEx::OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT* result) {
    switch (message) {
    case WM_DRAWITEM:
        DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        *result = TRUE;
        return TRUE;
    case WM_MEASUREITEM:
        reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = static_cast<UINT>(scale.Scale(itemHeight));
        *result = TRUE;
        return TRUE;
    case WM_CTLCOLORLISTBOX:
        *result = reinterpret_cast<LRESULT>(Background());
        return TRUE;
    default:
        return FALSE;
    }
}
