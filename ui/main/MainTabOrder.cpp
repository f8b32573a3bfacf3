#include "ui/main/MainTabOrder.h"

namespace {
template <class Control, size_t N>
void Append(std::vector<HWND>& order, std::array<Control, N>& controls) {
    for (Control& control : controls) order.push_back(control.m_hWnd);
}

void AppendButtonsPage(std::vector<HWND>& order, MainLayout& layout) {
    Append(order, layout.functionButtons);
    Append(order, layout.pointerSliders);
    Append(order, layout.pollingButtons);
}

// Stage by stage, left to right: its box, its sliders (linked, or X and Y), its link toggle.
void AppendDpiPage(std::vector<HWND>& order, MainLayout& layout) {
    for (size_t s = 0; s < layout.stageEnableBoxes.size(); ++s) {
        order.push_back(layout.stageEnableBoxes[s].m_hWnd);
        order.push_back(layout.dpiXYSliders[s].m_hWnd);
        order.push_back(layout.dpiXSliders[s].m_hWnd);
        order.push_back(layout.dpiYSliders[s].m_hWnd);
        order.push_back(layout.linkToggles[s].m_hWnd);
    }
}

// The mode tabs in their two rows (the upper row holds modes 4, 5 and Running), the colour rows
// (slider, then field), then the option groups on the right.
void AppendLightingPage(std::vector<HWND>& order, MainLayout& layout) {
    for (size_t j : {3, 4}) order.push_back(layout.ledModeButtons[j].m_hWnd);
    order.push_back(layout.ledMode5Button.m_hWnd);
    for (size_t j : {0, 1, 2}) order.push_back(layout.ledModeButtons[j].m_hWnd);
    for (size_t k = 0; k < layout.colorSliders.size(); ++k) {
        order.push_back(layout.colorSliders[k].m_hWnd);
        order.push_back(layout.colorEdits[k].m_hWnd);
    }
    Append(order, layout.ledStateButtons);
    Append(order, layout.breathSpeedButtons);
    Append(order, layout.flashSpeedButtons);
    Append(order, layout.directionButtons);
}
}  // namespace

std::vector<HWND> MainTabOrder(MainLayout& layout, int page) {
    std::vector<HWND> order;
    Append(order, layout.profileTabs);
    Append(order, layout.pageTabs);
    switch (page) {
    case 1: AppendButtonsPage(order, layout); break;
    case 2: AppendDpiPage(order, layout); break;
    case 3: AppendLightingPage(order, layout); break;
    default: break;
    }
    for (CBitmapBtn* button : layout.BottomRow()) order.push_back(button->m_hWnd);
    order.push_back(layout.webLinkArea.m_hWnd);
    order.push_back(layout.minimizeButton.m_hWnd);
    order.push_back(layout.closeButton.m_hWnd);
    return order;
}
