// Every control of the main window and the skin images it draws with: created once by Create, in
// the order of the inventory, at fixed client rectangles. Which page shows which controls is
// here too; what the controls edit lives in SettingsPages and CMoxCfgDlg.
#pragma once
#include "skin/CBitmapBtn.h"
#include "skin/CClrEdit.h"
#include "skin/CPngHSliderBar.h"
#include "skin/CPngSliderBar.h"
#include "skin/CStaticTrans.h"
#include "skin/CaptionedButton.h"
#include "skin/SkinImages.h"
#include "text/UiTextSection.h"

#include <array>
#include <memory>
#include <vector>

using Label = std::unique_ptr<CStaticTrans>;

// Slider ids: WM_SLIDER_CHANGED carries them as lParam.
constexpr int kAccelerationSliderId = 10004;
constexpr int kSensitivitySliderId = 10005;
constexpr int kScrollLinesSliderId = 10006;
constexpr int kDoubleClickSliderId = 10007;
constexpr int kDpiXSliderId = 10008;   // + stage
constexpr int kDpiYSliderId = 10013;   // + stage
constexpr int kDpiXYSliderId = 10018;  // + stage
constexpr int kColorSliderId = 10023;  // + component: red, green, blue
constexpr int kColorFieldTag = 255;    // + component: the colour fields' WM_EDIT_KEYUP tags

// The painted parts of the window, in client coordinates (left, top, right, bottom).
constexpr RECT kPageArea{132, 123, 981, 631};          // repainted when the page changes
constexpr RECT kMouseLayoutRect{132, 123, 397, 593};   // the mouse picture of page 1
constexpr RECT kColorPictureRect{210, 282, 418, 431};  // the colour picture of page 3
constexpr RECT kColorPickRect{209, 281, 416, 429};     // where a click on it picks a colour
// The colour swatch: a one-pixel white outline around the colour. GDI+ draws an outline of a
// 64 x 64 rectangle over 65 pixels each way.
constexpr RECT kSwatchFrameRect{518, 299, 583, 364};
constexpr RECT kSwatchColorRect{519, 300, 582, 363};

// The page 1 slider rows: accelerationSlider, sensitivitySlider, scrollLinesSlider, doubleClickSlider.
constexpr int kPointerSliderCount = 4;

class MainLayout {
public:
    // Loads the images below the tool's directory, sizes `window` to the background and creates
    // every control as its child.
    void Create(CWnd& window);
    // The steps of Create, apart so that they can be measured one by one.
    void LoadImages();
    void CreateControls(CWnd& window);
    // Shows the controls of `page` (1 to 3) and hides the others. The DPI sliders and the
    // lighting option groups are only hidden here: the pages show what their values call for.
    void ShowPageControls(int page);

    // The five bottom-row buttons, export to apply.
    std::array<CBitmapBtn*, 5> BottomRow() { return {&exportButton, &importButton, &resetButton, &resetAllButton, &applyButton}; }

    // Images, owned here and borrowed by the controls.
    SkinImage background, mouseLayout, circle, colorPicture;
    SkinImage minimizeImages[3], closeImages[3], okImages[2], tabImages[2];
    SkinImage horizontalTrack, dpiTracks[3], checkBoxImages[2], linkImages[2];
    // Slider thumbs, enabled and disabled: the horizontal sliders' and, in the order of dpiTracks,
    // the DPI sliders'.
    SkinImage horizontalThumbs[2], dpiThumbs[3][2];

    CBitmapBtn minimizeButton, closeButton, webLinkArea;
    CBitmapBtn exportButton, importButton, resetButton, resetAllButton, applyButton;
    std::array<CBitmapBtn, 8> functionButtons;
    Label deviceAbsentLabel, devicePresentLabel;
    std::array<CBitmapBtn, 3> pageTabs;
    std::array<CBitmapBtn, 5> profileTabs;
    std::array<CBitmapBtn, 8> buttonMarkers;

    std::array<CPngHSliderBar, kPointerSliderCount> pointerSliders;
    std::array<Label, kPointerSliderCount> pointerSliderTitles;
    std::array<Label, kPointerSliderCount * 2> pointerScaleLabels;
    Label pollingTitle;
    std::array<CBitmapBtn, 4> pollingButtons;

    std::array<CBitmapBtn, 3> ledStateButtons, breathSpeedButtons, flashSpeedButtons;
    std::array<CBitmapBtn, 2> directionButtons;
    std::array<Label, 3> colorLetterLabels;
    std::array<CClrEdit, 3> colorEdits;
    std::array<CPngHSliderBar, 3> colorSliders;

    std::array<Label, 5> xAxisLabels, yAxisLabels, dpiXValueLabels, dpiYValueLabels;
    Label currentStageLabel;
    std::array<CBitmapBtn, 5> linkToggles;
    std::array<CPngSliderBar, 5> dpiXSliders, dpiYSliders, dpiXYSliders;
    std::array<CBitmapBtn, 5> stageEnableBoxes;

    std::array<CBitmapBtn, 5> ledModeButtons;
    CBitmapBtn ledMode5Button;
    std::array<Label, 3> lightingTitles;
    Label breathTitle, flashTitle, directionTitle;

private:
    // A text of section "General", from the copy read when the controls were created.
    std::wstring General(int id) const { return generalTexts.Get(id); }
    ButtonImageSet TextButtonImages() const;
    ButtonImageSet TabImages() const;
    void CreateTitleBar(CWnd& window);
    void CreateBottomRow(CWnd& window);
    void CreateFunctionButtons(CWnd& window);
    void CreateTabs(CWnd& window);
    void CreateMarkers(CWnd& window);
    void CreatePointerSliders(CWnd& window);
    void CreateCheckBoxes(CWnd& window);
    void CreateColorFields(CWnd& window);
    void CreateDpiPage(CWnd& window);
    void CreateLightingModes(CWnd& window);

    std::vector<CWnd*> PageControls(int page);

    UiTextSection generalTexts{nullptr};
};
