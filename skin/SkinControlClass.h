// The window class of the skin's plain controls (the slider bars and thumbs): no background brush,
// since they paint everything themselves, and no double-click translation, so that every press
// arrives as a press.
#pragma once
#include <windows.h>

// Registers the class when it is not registered yet and returns its name.
const wchar_t* SkinControlClass();
