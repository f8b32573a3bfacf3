#include "skin/BitmapBtnLook.h"

namespace {
ButtonLook PushButtonLook(const ButtonState& state) {
    if (state.checked) return {ButtonImageRole::Pressed, ButtonTextRole::Normal};
    if (state.selected) return {ButtonImageRole::Pressed, ButtonTextRole::Pressed};
    if (state.hover) return {ButtonImageRole::Hover, ButtonTextRole::Hover};
    return {state.disabled ? ButtonImageRole::Disabled : ButtonImageRole::Normal, ButtonTextRole::Normal};
}

// The pressed state does not show in check-box mode: the tick does.
ButtonLook CheckBoxLook(const ButtonState& state) {
    if (state.checked && state.disabled) {
        return {state.checkedShowsPressed ? ButtonImageRole::Pressed : ButtonImageRole::Disabled, ButtonTextRole::Normal};
    }
    if (state.checked) return {ButtonImageRole::Pressed, ButtonTextRole::Hover};
    if (state.hover) return {ButtonImageRole::Hover, ButtonTextRole::Hover};
    return {state.disabled ? ButtonImageRole::Disabled : ButtonImageRole::Normal, ButtonTextRole::Normal};
}
}

ButtonLook ChooseButtonLook(const ButtonState& state) {
    return state.checkBoxMode ? CheckBoxLook(state) : PushButtonLook(state);
}

int CaptionEscapement(int textMode) {
    switch (textMode) {
    case kTextRotated90: return 900;
    case kTextRotated270: return 2700;
    default: return 0;
    }
}

POINT CaptionOrigin(int textMode, int width, int height, SIZE extent) {
    switch (textMode) {
    case kTextRotated90: return POINT{width / 2 - extent.cy / 2, height / 2 + extent.cx / 2};
    case kTextRotated270: return POINT{width / 2 + extent.cy / 2, height / 2 - extent.cx / 2};
    case kTextLeft: return POINT{0, height / 2 - extent.cy / 2};
    default: return POINT{width / 2 - extent.cx / 2, height / 2 - extent.cy / 2};
    }
}
