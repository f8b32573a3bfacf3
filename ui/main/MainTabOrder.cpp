#include "ui/main/MainTabOrder.h"

bool TakesFocus(ControlStyle style) {
    switch (style) {
    case ControlStyle::Marker:
    case ControlStyle::Label:
    case ControlStyle::ValueLabel:
    case ControlStyle::LetterLabel:
    case ControlStyle::AbsentLabel:
    case ControlStyle::PresentLabel:
        return false;
    default:
        return true;
    }
}

std::vector<HWND> MainTabOrder(MainLayout& layout, int page) {
    std::vector<HWND> order;
    for (const ControlRow& row : layout.ReadingOrder(page)) {
        if (!TakesFocus(row.style)) continue;
        if (CWnd* control = WindowOf(row.control)) order.push_back(control->m_hWnd);
    }
    return order;
}
