#include "skin/DialogImages.h"

void DialogImages::Load(const DisplayScale& scale) {
    background = LoadSkinImage(SkinFolder::Background, L"dlg.png", scale);
    okNormal = LoadSkinImage(SkinFolder::Buttons, L"ok-1.png", scale);
    okHover = LoadSkinImage(SkinFolder::Buttons, L"ok-3.png", scale);
    okPressed = LoadSkinImage(SkinFolder::Buttons, L"ok-2.png", scale);
}

void DialogImages::Release() {
    background.reset();
    okNormal.reset();
    okHover.reset();
    okPressed.reset();
}
