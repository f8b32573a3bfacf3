#include "skin/FocusOrder.h"

int NextFocusPosition(int count, int current, bool backwards, const std::function<bool(int)>& usable) {
    if (count <= 0) return -1;
    if (current < -1 || current >= count) current = -1;
    int position = current;
    for (int step = 0; step < count; ++step) {
        if (position == -1) {
            position = backwards ? count - 1 : 0;
        } else {
            position = backwards ? (position + count - 1) % count : (position + 1) % count;
        }
        if (usable(position)) return position;
    }
    return -1;
}

int FocusPosition(const std::vector<HWND>& order) {
    HWND focus = ::GetFocus();
    if (!focus) return -1;
    for (size_t i = 0; i < order.size(); ++i) {
        if (order[i] && (order[i] == focus || ::IsChild(order[i], focus))) return static_cast<int>(i);
    }
    return -1;
}

bool MoveFocusAlong(const std::vector<HWND>& order, bool backwards) {
    const int next = NextFocusPosition(static_cast<int>(order.size()), FocusPosition(order), backwards, [&order](int i) {
        HWND control = order[static_cast<size_t>(i)];
        return control && ::IsWindowVisible(control) && ::IsWindowEnabled(control);
    });
    if (next < 0) return false;
    ::SetFocus(order[static_cast<size_t>(next)]);
    return true;
}
