// Every control of the main window and the skin images it draws with. The inventory lists the
// controls part by part, one row each, in the order a reader meets them: the top of the window
// (profile tabs, device state, page tabs), the controls of each page, the bottom (the bottom row,
// the web link, minimise and close). Create makes every control from its row, and the page
// switch shows and hides the rows of each page; what the controls edit lives in the pages
// (MainPages) and CMoxCfgDlg.
#pragma once
#include "skin/CBitmapBtn.h"
#include "skin/CClrEdit.h"
#include "skin/CPngHSliderBar.h"
#include "skin/CPngSliderBar.h"
#include "skin/CStaticTrans.h"
#include "skin/CaptionedButton.h"
#include "skin/SkinImageDecoder.h"
#include "skin/SkinImages.h"
#include "skin/SliderMath.h"
#include "text/TextIds.h"
#include "text/UiTextSection.h"

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <tuple>
#include <variant>
#include <vector>

// Slider ids: WM_SLIDER_CHANGED carries them as lParam, and the window finds the slider by them.
constexpr int kAccelerationSliderId = 10004;
constexpr int kSensitivitySliderId = 10005;
constexpr int kScrollLinesSliderId = 10006;
constexpr int kDoubleClickSliderId = 10007;
constexpr int kDpiXSliderId = 10008;   // + stage
constexpr int kDpiYSliderId = 10013;   // + stage
constexpr int kDpiXYSliderId = 10018;  // + stage
constexpr int kColorSliderId = 10023;  // + component: red, green, blue
constexpr int kColorFieldTag = 255;    // + component: the colour fields' WM_EDIT_KEYUP tags

// The painted parts of the window, in client coordinates (left, top, right, bottom) at 96 DPI.
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

// The parts of the inventory, in reading order; a page's controls are read between the top and
// the bottom of the window.
enum class LayoutPart { Top, Page1, Page2, Page3, Bottom };

// How a row's control is made and looks.
enum class ControlStyle {
    TitleBarButton,  // a picture on the title bar's colour; `text` names it (minimise, close)
    ClickArea,       // neither picture nor caption; `text` names it (the web link)
    TextButton,      // caption centred in white on the title bar's colour
    Marker,          // a text button that only labels its row: disabled, red under the mouse
    ProfileTab,      // a tab (a text button in check-box mode) on the title bar's colour
    PageTab,         // a tab on the panel's colour
    ModeTab,         // a tab on black, light grey under the mouse (lighting modes)
    ModeButton,      // a text button on black, red under the mouse (the running mode)
    OptionBox,       // a square box with its caption beside it, one option of a group
    StageBox,        // a box with a wider, left-aligned caption (DPI stages)
    LinkToggle,      // a picture in check-box mode on the link colour; `text` names it
    Label,           // a transparent label, left-aligned
    ValueLabel,      // a label centred in a smaller font
    LetterLabel,     // a label right-aligned in a smaller font
    AbsentLabel,     // centred, red, hidden until the device link shows it
    PresentLabel,    // centred, green, hidden until the device link shows it
    Slider,          // a slider with the row's images, id and range
    ColorField,      // a colour value field; the row's id is its key-up tag
};

// Which of the layout's images a row's control shows.
enum class ControlImages {
    None, Minimize, Close, TextButton, Tab, Circle, OptionBox, StageBox, Link,
    HorizontalSlider, DpiXSlider, DpiYSlider, DpiXYSlider,
};

// WithPage: shown with its page. ByValues: only hidden with the others; the page shows it when
// its values call for it (the DPI sliders of a stage's link state, a lighting mode's options).
enum class PageShow { WithPage, ByValues };

using Label = std::unique_ptr<CStaticTrans>;
using LayoutControl = std::variant<CBitmapBtn*, Label*, CPngHSliderBar*, CPngSliderBar*, CClrEdit*>;

// The text id of a row whose control shows its own text.
constexpr TextId::General kOwnText{};

// One control of the inventory.
struct ControlRow {
    LayoutControl control;
    RECT rect;                // in the window's client coordinates
    ControlImages images;
    TextId::General textId;   // its text; kOwnText: `text`
    const wchar_t* text;      // the caption, or the window text of a control without a caption
    ControlStyle style;
    int id = 0;               // sliders: the id of their reports; colour fields: their tag
    SliderRange range{0, 0};  // sliders
    PageShow show = PageShow::WithPage;
};

// The window of a row's control.
CWnd* WindowOf(const LayoutControl& control);

// The pictures no control borrows: the window draws them in its paint.
enum class PaintedPicture { Background, MouseLayout, ColorPicture };

class MainLayout {
public:
    // Loads the images below the tool's directory, creates every control as its child (every
    // rectangle of the rows, given at 96 DPI, at `windowScale`, with the pictures of that scale)
    // and sizes `window` to the background. The pictures the window paints itself then decode on
    // a thread of their own while the window goes on with its start: while the controls are
    // made, the thread would take the processor from them.
    void Create(CWnd& window, const DisplayScale& windowScale);
    // The scale the layout was made at: the painted parts and the hit tests use it too.
    DisplayScale scale;
    // The steps of Create, apart so that they can be measured one by one: the controls'
    // pictures, the controls, the start of the painted pictures' decoding.
    void LoadImages();
    void CreateControls(CWnd& window);
    void StartPaintedPictures();
    // A picture the window paints itself; the first look waits for its decoding.
    Gdiplus::Image* Picture(PaintedPicture picture) const;
    // Shows the controls of `page` (1 to 3) and hides the others. The rows shown ByValues are
    // only hidden here: the pages show what their values call for.
    void ShowPageControls(int page);

    // The rows of one part of the inventory, in reading order.
    std::vector<ControlRow> Rows(LayoutPart part);
    // Every row a reader meets while `page` (1 to 3) is shown, in reading order.
    std::vector<ControlRow> ReadingOrder(int page);

    // The five bottom-row buttons, export to apply.
    std::array<CBitmapBtn*, 5> BottomRow() { return {&exportButton, &importButton, &resetButton, &resetAllButton, &applyButton}; }

    // Images, owned here and borrowed by the controls.
    SkinImage circle;
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
    std::array<Label, kPointerSliderCount * 2> pointerScaleLabels;  // minimum and maximum of each slider
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
    // The one way a row becomes a control: every rectangle of the window passes through here.
    void CreateControl(CWnd& window, const ControlRow& row);
    void CreateButton(CWnd& window, CBitmapBtn& button, const RECT& rect, const ControlRow& row);
    ButtonImageSet ButtonImages(ControlImages images) const;
    // `images` fitted to a button of `size` that they fill: resampled once for every button of
    // that size (FittedSkinImage), not at each of its paints.
    ButtonImageSet FittedImages(const ButtonImageSet& images, SIZE size);
    Gdiplus::Image* Fitted(Gdiplus::Image* image, SIZE size);
    // The thumb, disabled thumb and track of a slider's images.
    struct SliderImages {
        Gdiplus::Bitmap* thumb;
        Gdiplus::Bitmap* disabledThumb;
        Gdiplus::Image* track;
    };
    SliderImages SliderImagesOf(ControlImages images) const;
    // A row's text: its General text, or its own.
    std::wstring TextOf(const ControlRow& row) const;

    UiTextSection generalTexts{nullptr};
    // The fitted copies, by picture and size.
    std::map<std::tuple<Gdiplus::Image*, LONG, LONG>, SkinImage> fittedImages;
    // The pictures of PaintedPicture, in its order.
    std::optional<SkinImageDecoder> paintedPictures;
};
