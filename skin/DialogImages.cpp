#include "skin/DialogImages.h"

void DialogImages::Load() {
    background = LoadSkinImage(SkinFolder::Background, L"dlg.png");
    okNormal = LoadSkinImage(SkinFolder::Buttons, L"ok-1.png");
    okHover = LoadSkinImage(SkinFolder::Buttons, L"ok-3.png");
    okPressed = LoadSkinImage(SkinFolder::Buttons, L"ok-2.png");
}

void DialogImages::Release() {
    background.reset();
    okNormal.reset();
    okHover.reset();
    okPressed.reset();
}
