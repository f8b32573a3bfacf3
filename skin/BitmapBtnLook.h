// What a bitmap button shows in a given state: which of its four images, which of its three text
// colours, and where its caption starts. Plain logic, no windows.
#pragma once
#include <windows.h>

// Caption layouts of a bitmap button; any other value centres the caption.
constexpr int kTextCentred = 1;
constexpr int kTextRotated90 = 2;   // reads bottom to top
constexpr int kTextRotated270 = 3;  // reads top to bottom
constexpr int kTextLeft = 4;

enum class ButtonImageRole { Normal, Hover, Pressed, Disabled };
enum class ButtonTextRole { Normal, Hover, Pressed };

struct ButtonState {
    bool checkBoxMode;
    bool checked;              // check-box mode: ticked; push-button mode: latched
    bool checkedShowsPressed;  // check-box mode, ticked and disabled: pressed image instead of disabled
    bool hover;
    bool selected;             // pressed right now (ODS_SELECTED)
    bool disabled;             // ODS_DISABLED
};

struct ButtonLook {
    ButtonImageRole image;
    ButtonTextRole text;
};

ButtonLook ChooseButtonLook(const ButtonState& state);

// Escapement of the caption font, in tenths of a degree.
int CaptionEscapement(int textMode);

// Start of a caption of `extent` (from GetTextExtentPoint32W) in a client area of width x height.
POINT CaptionOrigin(int textMode, int width, int height, SIZE extent);
