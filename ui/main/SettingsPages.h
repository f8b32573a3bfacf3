// What the controls of pages 1 to 3 edit: the pointer sliders and the polling rate, the DPI
// stages, and the lighting. Every edit changes the working profiles in memory at once; the
// refresh fills the pages from the profile shown.
#pragma once
#include "profile/ProfileSet.h"
#include "ui/main/MainLayout.h"
#include "ui/main/MainPageState.h"

class SettingsPages {
public:
    // All borrowed: the main window owns them and outlives the pages.
    SettingsPages(CWnd& window, MainLayout& layout, MainPageState& state, ProfileSet& profiles)
        : window(window), layout(layout), state(state), profiles(profiles) {}

    // Fills pages 1 to 3 from profile GroupID, which becomes the profile shown.
    void RefreshSettingsPages();
    void RefreshDpiStages();
    void RefreshDpiStage(int stage);
    // "Current Stage : %d" with the shown profile's stage number.
    void ShowCurrentStage(int stageNumber);
    void SelectPollingButton(int button);
    // A pointer slider of page 1 at `value`, with its title showing the value.
    void ShowPointerSlider(int slider, int value);

    // OnSliderChanged(int position, int sliderId)
    void OnSliderChanged(int position, int sliderId);
    void OnPollingButton(int button);
    void OnStageEnableBox(int stage);
    void OnLinkToggle(int stage);

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
    // OnColorFieldKeyUp(int tag): a key was released in the colour field with this tag.
    void OnColorFieldKeyUp(int tag);
    // The colour fields show the components of currentColor.
    void ShowColorFields();

private:
    ProfileRecord& Shown();
    ProfileRecord& Active();  // profile GroupID, where the colour is stored
    void RefreshLighting();
    void ShowColor(COLORREF color, bool moveSliders);
    // The colour sliders at the components of currentColor, each one position above its value.
    void MoveColorSliders();
    void InvalidateColorArea(bool withPicture) const;

    CWnd& window;
    MainLayout& layout;
    MainPageState& state;
    ProfileSet& profiles;
};
