// What a key does in the main window before the control with the focus sees it: Tab and
// Shift+Tab move the focus along the window's reading order, Ctrl+Tab and Ctrl+Shift+Tab switch
// the page, Ctrl+1 to Ctrl+5 the profile, Enter and Escape do nothing; every other key goes on to
// the focused control (Space, the slider keys) or the system (Alt+F4). Plain logic, no windows.
#pragma once
#include <windows.h>

enum class MainKeyAction { PassOn, Swallow, NextControl, PreviousControl, NextPage, PreviousPage, SelectProfile };

struct MainKeyCommand {
    MainKeyAction action;
    int profile;  // SelectProfile: 0 to 4
};

// The command of a key press `virtualKey` with the given modifiers held.
MainKeyCommand MainWindowKey(UINT virtualKey, bool control, bool shift, bool alt);

// The page after `page` of the pages 1 to `pageCount` (before it, `backwards`), going round.
int PageAfter(int page, int pageCount, bool backwards);
