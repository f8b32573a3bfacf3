// Page 3, the lighting: the mode buttons and the option groups each mode shows, and the colour
// (picture, swatch, fields and sliders). Every edit changes the profile shown at once; the
// colour is stored in profile GroupID.
#pragma once
#include "profile/ProfileSet.h"
#include "ui/main/MainLayout.h"
#include "ui/main/MainPageState.h"

class LightingPage {
public:
    // All borrowed: the main window owns them and outlives the page.
    LightingPage(CWnd& window, MainLayout& layout, MainPageState& state, ProfileSet& profiles)
        : window(window), layout(layout), state(state), profiles(profiles) {}

    // Fills the page from the profile shown.
    void Refresh();
    // Shows the option groups of a lighting mode; only while page 3 is shown.
    void ApplyLedMode(int mode);
    void OnLedModeButton(int mode);
    void OnLedMode5Button();
    void OnLedStateButton(int button);
    void OnBreathSpeedButton(int button);
    void OnFlashSpeedButton(int button);
    void OnDirectionButton(int button);
    // A click on the window's surface at client point (x, y): picks the colour under it when it
    // lies on the colour picture.
    void PickColor(int x, int y);
    // Colour slider `component` (red, green, blue) reported `position`.
    void OnColorSlider(int component, int position);
    // A key was released in the colour field with this tag.
    void OnColorFieldKeyUp(int tag);
    // The colour fields show the components of currentColor.
    void ShowColorFields();

private:
    ProfileRecord& Active();  // profile GroupID, where the colour is stored
    void ShowColor(COLORREF color, bool moveSliders);
    // The colour sliders at the components of currentColor, each one position above its value.
    void MoveColorSliders();
    void InvalidateColorArea(bool withPicture) const;

    CWnd& window;
    MainLayout& layout;
    MainPageState& state;
    ProfileSet& profiles;
};
