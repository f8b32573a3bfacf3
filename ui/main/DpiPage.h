// Page 2, the DPI stages: per stage its enable box, its X, Y and linked sliders with their value
// labels, and the link toggle; above them the current stage. Every edit changes the profile shown
// at once.
#pragma once
#include "profile/ProfileSet.h"
#include "ui/main/MainLayout.h"
#include "ui/main/MainPageState.h"

class DpiPage {
public:
    // All borrowed: the main window owns them and outlives the page.
    DpiPage(MainLayout& layout, MainPageState& state, ProfileSet& profiles)
        : layout(layout), state(state), profiles(profiles) {}

    // Fills every stage and the current stage from the profile shown.
    void Refresh();
    void RefreshDpiStages();
    // The stage's controls from its values; its sliders are shown only while page 2 is.
    void RefreshDpiStage(int stage);
    // "Current Stage : %d".
    void ShowCurrentStage(int stageNumber);

    // The sliders of a stage reported `position`: X, Y, or both axes at once.
    void OnXSlider(int stage, int position);
    void OnYSlider(int stage, int position);
    void OnLinkedSlider(int stage, int position);
    void OnStageEnableBox(int stage);
    void OnLinkToggle(int stage);

private:
    static bool IsStage(int stage) { return stage >= 0 && stage < kDpiStageCount; }
    DpiStage& Stage(int stage);

    MainLayout& layout;
    MainPageState& state;
    ProfileSet& profiles;
};
