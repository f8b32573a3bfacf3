// The standard pictures of a skinned dialog, loaded once by its layout routine and owned by the
// dialog: the background "dlg.png" (background folder) and the images of its captioned buttons,
// "ok-1.png" (normal and disabled), "ok-3.png" (hover) and "ok-2.png" (pressed) (buttons folder).
// The buttons borrow them; Release at WM_DESTROY, or let the dialog's destructor do it.
#pragma once
#include "skin/CaptionedButton.h"
#include "skin/SkinImages.h"

class DialogImages {
public:
    // The pictures in the set of the dialog's scale.
    void Load(const DisplayScale& scale = DisplayScale());
    void Release();

    Gdiplus::Image* Background() const { return background.get(); }
    // For OK, Cancel and every other captioned button of the dialog.
    ButtonImageSet OkButton() const { return {okNormal.get(), okHover.get(), okPressed.get(), okNormal.get()}; }

private:
    SkinImage background, okNormal, okHover, okPressed;
};
