#include "ui/main/LayoutSnapshot.h"

std::vector<CWnd*> LayoutSnapshot::Controls(MainLayout& layout) {
    std::vector<CWnd*> controls;
    for (LayoutPart part : {LayoutPart::Top, LayoutPart::Page1, LayoutPart::Page2, LayoutPart::Page3, LayoutPart::Bottom}) {
        for (const ControlRow& row : layout.Rows(part)) controls.push_back(WindowOf(row.control));
    }
    return controls;
}

LayoutSnapshot::LayoutSnapshot(MainLayout& layout) {
    const HWND focus = ::GetFocus();
    for (CWnd* control : Controls(layout)) {
        ControlState state;
        if (control && ::IsWindow(control->m_hWnd)) {
            state.visible = (::GetWindowLongW(control->m_hWnd, GWL_STYLE) & WS_VISIBLE) != 0;
            state.enabled = control->IsWindowEnabled() != FALSE;
            state.text = control->GetWindowText();
            if (control->m_hWnd == focus) focused = static_cast<int>(states.size());
        }
        states.push_back(state);
    }
}

void LayoutSnapshot::Restore(MainLayout& layout) const {
    const std::vector<CWnd*> controls = Controls(layout);
    if (controls.size() != states.size()) return;
    for (size_t i = 0; i < controls.size(); ++i) {
        CWnd* control = controls[i];
        if (!control || !::IsWindow(control->m_hWnd)) continue;
        const ControlState& state = states[i];
        if (control->GetWindowText() != state.text) control->SetWindowText(state.text.c_str());
        control->EnableWindow(state.enabled);
        control->ShowWindow(state.visible ? SW_SHOWNOACTIVATE : SW_HIDE);
    }
    if (focused >= 0 && controls[focused] && ::IsWindow(controls[focused]->m_hWnd)) ::SetFocus(controls[focused]->m_hWnd);
}
