// What a window's child controls show apart from their layout: which are shown, which are
// enabled, their window texts, an edit field's selection (its caret) and which has the focus. Noted before a window makes its children
// anew (at a new display scale) and given to the new ones, which it made in the same order.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

class ChildWindowStates {
public:
    // Notes the state of every child of `parent`, in the order of the child list.
    explicit ChildWindowStates(HWND parent);
    // Gives the children of `parent` the states noted, child by child in the same order; a
    // child of another class than the one noted at its place keeps its own state.
    void Restore(HWND parent) const;

private:
    struct State {
        std::wstring windowClass;
        bool visible = false;
        bool enabled = false;
        std::wstring text;
        DWORD selection = 0;  // an edit field's: EM_GETSEL
    };
    static std::vector<HWND> Children(HWND parent);

    std::vector<State> states;
    int focused = -1;
};
