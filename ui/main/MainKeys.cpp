#include "ui/main/MainKeys.h"

#include "profile/ProfileSet.h"

namespace {
// The profile of a digit key 1 to 5, on the main block or the number pad; -1 for other keys.
int ProfileOfDigit(UINT virtualKey) {
    for (int profile = 0; profile < kProfileCount; ++profile) {
        if (virtualKey == static_cast<UINT>('1' + profile) || virtualKey == static_cast<UINT>(VK_NUMPAD1 + profile)) {
            return profile;
        }
    }
    return -1;
}
}  // namespace

MainKeyCommand MainWindowKey(UINT virtualKey, bool control, bool shift, bool alt) {
    if (alt) return {MainKeyAction::PassOn, 0};
    if (virtualKey == VK_RETURN || virtualKey == VK_ESCAPE) return {MainKeyAction::Swallow, 0};
    if (virtualKey == VK_TAB) {
        if (control) return {shift ? MainKeyAction::PreviousPage : MainKeyAction::NextPage, 0};
        return {shift ? MainKeyAction::PreviousControl : MainKeyAction::NextControl, 0};
    }
    const int profile = control ? ProfileOfDigit(virtualKey) : -1;
    if (profile >= 0) return {MainKeyAction::SelectProfile, profile};
    return {MainKeyAction::PassOn, 0};
}

int PageAfter(int page, int pageCount, bool backwards) {
    if (pageCount <= 0) return page;
    if (page < 1 || page > pageCount) return backwards ? pageCount : 1;
    return backwards ? (page + pageCount - 2) % pageCount + 1 : page % pageCount + 1;
}
