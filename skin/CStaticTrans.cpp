#include "skin/CStaticTrans.h"

#include "skin/AccessibleControl.h"
#include "skin/SkinFont.h"
#include "skin/WindowDpi.h"

std::unique_ptr<CStaticTrans> CStaticTrans::CreateLabel(CWnd& parent, const RECT& rect, const std::wstring& text,
                                                       DWORD style, int fontHeight, BYTE italic) {
    auto label = std::make_unique<CStaticTrans>();
    label->labelFontHeight = fontHeight;
    label->labelItalic = italic;
    label->Create(text.c_str(), WS_CHILD | style, rect, &parent);
    return label;
}


// The font is kept while the label lives, and made again only when the owner changes its look or
// the label moves to a monitor of another scale.
HFONT CStaticTrans::LabelFont() {
    const UINT dpi = WindowDpi(m_hWnd);
    if (!font || fontHeight != labelFontHeight || fontWeight != labelFontWeight || fontItalic != labelItalic ||
        fontDpi != dpi) {
        font = SkinFont(DisplayScale(dpi).Scale(labelFontHeight), labelFontWeight, 0, labelItalic != 0);
        fontDpi = dpi;
        fontHeight = labelFontHeight;
        fontWeight = labelFontWeight;
        fontItalic = labelItalic;
    }
    return font.Get();
}

LRESULT CStaticTrans::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETTEXT) InvalidateParentUnder(m_hWnd, TRUE);
    if (message == WM_GETOBJECT) {
        if (LRESULT object = AccessibleControl::Answer(m_hWnd, wParam, lParam)) return object;
    }
    return CStatic::WindowProc(message, wParam, lParam);
}

BOOL CStaticTrans::OnChildNotify(UINT message, WPARAM wParam, LPARAM, LRESULT* result) {
    if (message != WM_CTLCOLORSTATIC) return FALSE;
    HDC dc = reinterpret_cast<HDC>(wParam);
    HBRUSH brush = nullptr;
    if (backColor == kTransparent) {
        ::SelectObject(dc, LabelFont());
        brush = static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
        ::SetBkMode(dc, TRANSPARENT);
    } else {
        brush = backBrush.Get(static_cast<COLORREF>(backColor));
        ::SetBkColor(dc, static_cast<COLORREF>(backColor));
    }
    ::SetTextColor(dc, textColor);
    *result = reinterpret_cast<LRESULT>(brush);
    return TRUE;
}
