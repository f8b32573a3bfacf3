#include "skin/ChildWindowStates.h"

namespace {
constexpr int kClassNameChars = 64;
constexpr wchar_t kEditClass[] = L"Edit";

std::wstring ClassOf(HWND window) {
    wchar_t name[kClassNameChars] = {};
    ::GetClassNameW(window, name, kClassNameChars);
    return name;
}

std::wstring TextOf(HWND window) {
    const int length = ::GetWindowTextLengthW(window);
    if (length <= 0) return std::wstring();
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(::GetWindowTextW(window, text.data(), length + 1)));
    return text;
}
}  // namespace

std::vector<HWND> ChildWindowStates::Children(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    return children;
}

ChildWindowStates::ChildWindowStates(HWND parent) {
    const HWND focus = ::GetFocus();
    for (HWND child : Children(parent)) {
        if (child == focus) focused = static_cast<int>(states.size());
        State state{ClassOf(child), (::GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE) != 0,
                    ::IsWindowEnabled(child) != FALSE, TextOf(child)};
        if (::lstrcmpiW(state.windowClass.c_str(), kEditClass) == 0) {
            state.selection = static_cast<DWORD>(::SendMessageW(child, EM_GETSEL, 0, 0));
        }
        states.push_back(state);
    }
}

void ChildWindowStates::Restore(HWND parent) const {
    const std::vector<HWND> children = Children(parent);
    for (size_t i = 0; i < children.size() && i < states.size(); ++i) {
        const HWND child = children[i];
        const State& state = states[i];
        if (ClassOf(child) != state.windowClass) continue;
        if (TextOf(child) != state.text) ::SetWindowTextW(child, state.text.c_str());
        if (::lstrcmpiW(state.windowClass.c_str(), kEditClass) == 0) {
            ::SendMessageW(child, EM_SETSEL, LOWORD(state.selection), HIWORD(state.selection));
        }
        ::EnableWindow(child, state.enabled);
        ::ShowWindow(child, state.visible ? SW_SHOWNOACTIVATE : SW_HIDE);
        if (static_cast<int>(i) == focused) ::SetFocus(child);
    }
}
