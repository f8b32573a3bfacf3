// Resource identifiers of the tool's resource script.
#pragma once

#define IDR_MAINFRAME 5
#define IDD_MAIN_WINDOW 102
#define IDD_POPUP_MENU 130
#define IDD_WARNING_BOX 131
#define IDD_TEXT_INPUT 132
#define IDD_EDITOR_DIALOG 139

// The striped rows behind the macro list: 175 x 299 pixels, 13 bands of 23 rows.
#define IDB_LIST_STRIPES 140
