// Small helpers the main window's pages share for their groups of controls.
#pragma once
#include "profile/ProfileSet.h"
#include "skin/CBitmapBtn.h"
#include "ui/main/MainPageState.h"

#include <array>

// The radio pattern: only button `index` checked; each button repaints only when it changes.
template <size_t N>
void SelectRadio(std::array<CBitmapBtn, N>& buttons, int index) {
    for (size_t i = 0; i < N; ++i) buttons[i].SetCheck(static_cast<int>(i) == index);
}

inline void ShowControl(CWnd& control, bool show) { control.ShowWindow(show ? SW_SHOW : SW_HIDE); }

// A profile index as the pages use it: one out of range stands for profile 0.
inline int ProfileIndex(int index) { return index >= 0 && index < kProfileCount ? index : 0; }

// The profile the pages show.
inline ProfileRecord& ShownProfile(ProfileSet& profiles, const MainPageState& state) {
    return profiles.Profiles[ProfileIndex(state.currentProfile)];
}
