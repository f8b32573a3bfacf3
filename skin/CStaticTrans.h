// A text label drawn straight onto the parent's picture (transparent), or on a solid colour.
// Changing its text has the parent repaint the picture under it first, so no trace of the old
// text stays. Accessibility clients read it as static text named by its text.
#pragma once
#include "framework/CStatic.h"
#include "skin/AccessibleSource.h"
#include "skin/CachedSolidBrush.h"
#include "skin/GdiObject.h"
#include "skin/ParentSurface.h"

#include <memory>
#include <string>

class CStaticTrans : public CStatic, public AccessibleSource {
public:
    static constexpr int kTransparent = -1;

    // A transparent label of `parent` at `rect`, id 0xFFFF. `style` holds the alignment
    // (SS_LEFT, SS_CENTER, SS_RIGHT) and WS_VISIBLE when the label shows at once.
    static std::unique_ptr<CStaticTrans> CreateLabel(CWnd& parent, const RECT& rect, const std::wstring& text,
                                                     DWORD style, int fontHeight, BYTE italic = 0);

    COLORREF textColor = RGB(255, 255, 255);
    int backColor = kTransparent;  // a colour: solid background in the control's own font
    int labelFontHeight = 15;      // the transparent label's font, at 96 DPI: drawn at the label's scale
    int labelFontWeight = 400;
    BYTE labelItalic = 0;

    // Has the parent repaint its picture under the label, without erasing.
    void InvalidateUnderLabel() const { InvalidateParentUnder(m_hWnd, FALSE); }

    AccessibleFacts Accessibility() const override { return LabelFacts(); }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    HFONT LabelFont();

    CachedSolidBrush backBrush;
    GdiObject<HFONT> font;
    int fontHeight = 0;  // what `font` was made with
    int fontWeight = 0;
    BYTE fontItalic = 0;
    UINT fontDpi = 0;
};
