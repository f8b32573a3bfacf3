// What the main window's controls show apart from the profiles: which are shown, which are
// enabled, their window texts and which has the focus. Noted before the window makes its
// controls anew (at a new display scale) and given to the new ones, so that the device's
// state, a locked bottom row and the keyboard's place survive the new layout.
#pragma once
#include "ui/main/MainLayout.h"

#include <string>
#include <vector>

class LayoutSnapshot {
public:
    // Notes the state of every control of `layout`'s inventory.
    explicit LayoutSnapshot(MainLayout& layout);
    // Gives the controls of `layout`, made anew from the same inventory, the states noted.
    void Restore(MainLayout& layout) const;

private:
    struct ControlState {
        bool visible = false;
        bool enabled = false;
        std::wstring text;
    };
    static std::vector<CWnd*> Controls(MainLayout& layout);

    std::vector<ControlState> states;
    int focused = -1;
};
