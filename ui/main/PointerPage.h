// The pointer settings of page 1: the four pointer sliders (acceleration, sensitivity, scroll
// lines, double-click speed) with their titles, and the polling rate buttons. Every edit changes
// the profile shown at once.
#pragma once
#include "profile/ProfileSet.h"
#include "ui/main/MainLayout.h"
#include "ui/main/MainPageState.h"

class PointerPage {
public:
    // All borrowed: the main window owns them and outlives the page.
    PointerPage(MainLayout& layout, MainPageState& state, ProfileSet& profiles)
        : layout(layout), state(state), profiles(profiles) {}

    // Fills the sliders and the polling buttons from the profile shown.
    void Refresh();
    // A pointer slider (0 to 3, in layout order) at `value`, with its title showing the value.
    void ShowPointerSlider(int slider, int value);
    void SelectPollingButton(int button);

    // Pointer slider `slider` reported `position`.
    void OnPointerSlider(int slider, int position);
    void OnPollingButton(int button);

private:
    MainLayout& layout;
    MainPageState& state;
    ProfileSet& profiles;
};
