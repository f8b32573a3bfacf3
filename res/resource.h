// Resource identifiers of the tool's resource script.
#pragma once

#define IDR_MAINFRAME 5
#define IDD_MAIN_WINDOW 102
#define IDD_POPUP_MENU 130
#define IDD_WARNING_BOX 131
#define IDD_TEXT_INPUT 132
#define IDD_EDITOR_DIALOG 139
