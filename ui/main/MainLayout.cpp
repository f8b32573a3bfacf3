#include "ui/main/MainLayout.h"

#include "text/LocalisedText.h"

#include <string>
#include <type_traits>

namespace {
constexpr COLORREF kTitleBarColor = RGB(0x1F, 0x1F, 0x1F);
constexpr COLORREF kPanelColor = RGB(0x25, 0x25, 0x25);
constexpr COLORREF kWhite = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF kRed = RGB(0xFF, 0x00, 0x00);
constexpr COLORREF kGreen = RGB(0x00, 0xFF, 0x00);
constexpr COLORREF kBlack = RGB(0x00, 0x00, 0x00);
constexpr COLORREF kModeHoverColor = RGB(0xE6, 0xE6, 0xE6);
constexpr COLORREF kLinkBackground = RGB(0x64, 0x65, 0x66);
constexpr COLORREF kColorFieldBackground = RGB(0x5E, 0x5E, 0x5E);
constexpr UINT kColorFieldId = 0x5001;
constexpr SliderRange kDpiRange{2, 80};
constexpr const wchar_t* kBackgroundFile = L"cfgMainback.png";

using Img = ControlImages;
using Style = ControlStyle;
using Show = PageShow;
using TextId::General;

// A caption centred over the whole button in white, on a filled background.
void CreateTextButton(CBitmapBtn& button, CWnd& parent, const RECT& rect, const ButtonImageSet& images,
                      const std::wstring& text, COLORREF background) {
    CreateCaptionedButton(button, parent, rect, images, text);
    button.fillBackground = 1;
    button.backgroundColor = background;
}

void CreateTab(CBitmapBtn& button, CWnd& parent, const RECT& rect, const ButtonImageSet& images,
               const std::wstring& text, COLORREF background) {
    CreateTextButton(button, parent, rect, images, text, background);
    button.checkBoxMode = 1;
    button.accessibleRole = ButtonRole::Tab;
}

// A square box image with its caption beside it, at `textOffset` from the box.
void CreateCheckBox(CBitmapBtn& button, CWnd& parent, const RECT& rect, const ButtonImageSet& images,
                    const std::wstring& text, int textOffset, int fontHeight) {
    CreateSkinButton(button, parent, rect, images);
    button.checkBoxMode = 1;
    button.squareImage = 1;
    button.textVisible = 1;
    button.fontHeight = fontHeight;
    button.normalTextColor = button.hoverTextColor = button.pressedTextColor = kWhite;
    button.fillBackground = 1;
    button.backgroundColor = kPanelColor;
    button.SetText(text, textOffset, kTextCentred);
}

Label CreateLabel(CWnd& parent, const RECT& rect, const std::wstring& text, DWORD align, int fontHeight,
                  bool visible) {
    return CStaticTrans::CreateLabel(parent, rect, text, align | (visible ? WS_VISIBLE : 0), fontHeight);
}

}  // namespace

CWnd* WindowOf(const LayoutControl& control) {
    return std::visit(
        [](auto* held) -> CWnd* {
            if constexpr (std::is_same_v<decltype(held), Label*>) {
                return held->get();
            } else {
                return held;
            }
        },
        control);
}

// Columns: control, rectangle, images, text id (kOwnText: the own text), own text, style; sliders add
// their id and range, colour fields their tag; rows a page shows by its values say so last.
std::vector<ControlRow> MainLayout::Rows(LayoutPart part) {
    switch (part) {
    case LayoutPart::Top:
        return {
            {&profileTabs[0], {160, 42, 260, 67}, Img::Tab, General::Profile1Tab, L"", Style::ProfileTab},
            {&profileTabs[1], {275, 42, 375, 67}, Img::Tab, General::Profile2Tab, L"", Style::ProfileTab},
            {&profileTabs[2], {390, 42, 490, 67}, Img::Tab, General::Profile3Tab, L"", Style::ProfileTab},
            {&profileTabs[3], {505, 42, 605, 67}, Img::Tab, General::Profile4Tab, L"", Style::ProfileTab},
            {&profileTabs[4], {620, 42, 720, 67}, Img::Tab, General::Profile5Tab, L"", Style::ProfileTab},
            {&deviceAbsentLabel, {16, 88, 129, 108}, Img::None, General::DeviceAbsent, L"", Style::AbsentLabel},
            {&devicePresentLabel, {16, 88, 129, 108}, Img::None, General::DevicePresent, L"", Style::PresentLabel},
            {&pageTabs[0], {370, 88, 490, 113}, Img::Tab, General::ButtonsPageTab, L"", Style::PageTab},
            {&pageTabs[1], {510, 88, 630, 113}, Img::Tab, General::DpiPageTab, L"", Style::PageTab},
            {&pageTabs[2], {650, 88, 770, 113}, Img::Tab, General::LightingPageTab, L"", Style::PageTab},
        };
    case LayoutPart::Page1:
        return {
            {&buttonMarkers[0], {499, 200, 518, 220}, Img::Circle, kOwnText, L"1", Style::Marker},
            {&functionButtons[0], {520, 200, 668, 220}, Img::TextButton, kOwnText, L"", Style::TextButton},
            {&buttonMarkers[1], {499, 228, 518, 248}, Img::Circle, kOwnText, L"2", Style::Marker},
            {&functionButtons[1], {520, 228, 668, 248}, Img::TextButton, kOwnText, L"", Style::TextButton},
            {&buttonMarkers[2], {499, 256, 518, 276}, Img::Circle, kOwnText, L"3", Style::Marker},
            {&functionButtons[2], {520, 256, 668, 276}, Img::TextButton, kOwnText, L"", Style::TextButton},
            {&buttonMarkers[3], {499, 284, 518, 304}, Img::Circle, kOwnText, L"4", Style::Marker},
            {&functionButtons[3], {520, 284, 668, 304}, Img::TextButton, kOwnText, L"", Style::TextButton},
            {&buttonMarkers[4], {499, 312, 518, 332}, Img::Circle, kOwnText, L"5", Style::Marker},
            {&functionButtons[4], {520, 312, 668, 332}, Img::TextButton, kOwnText, L"", Style::TextButton},
            {&buttonMarkers[5], {499, 340, 518, 360}, Img::Circle, kOwnText, L"6", Style::Marker},
            {&functionButtons[5], {520, 340, 668, 360}, Img::TextButton, kOwnText, L"", Style::TextButton},
            {&buttonMarkers[6], {499, 368, 518, 388}, Img::Circle, kOwnText, L"7", Style::Marker},
            {&functionButtons[6], {520, 368, 668, 388}, Img::TextButton, kOwnText, L"", Style::TextButton},
            {&buttonMarkers[7], {499, 396, 518, 416}, Img::Circle, kOwnText, L"8", Style::Marker},
            {&functionButtons[7], {520, 396, 668, 416}, Img::TextButton, kOwnText, L"", Style::TextButton},
            {&pointerSliderTitles[0], {725, 200, 969, 216}, Img::None, General::AccelerationLabel, L"", Style::Label},
            {&pointerScaleLabels[0], {710, 219, 723, 237}, Img::None, kOwnText, L"1", Style::Label},
            {&pointerSliders[0], {725, 219, 969, 237}, Img::HorizontalSlider, kOwnText, L"", Style::Slider, kAccelerationSliderId, {1, 4}},
            {&pointerScaleLabels[1], {971, 219, 995, 237}, Img::None, kOwnText, L"4", Style::Label},
            {&pointerSliderTitles[1], {725, 247, 969, 263}, Img::None, General::SensitivityLabel, L"", Style::Label},
            {&pointerScaleLabels[2], {710, 268, 723, 286}, Img::None, kOwnText, L"1", Style::Label},
            {&pointerSliders[1], {725, 268, 969, 286}, Img::HorizontalSlider, kOwnText, L"", Style::Slider, kSensitivitySliderId, {1, 20}},
            {&pointerScaleLabels[3], {971, 268, 995, 286}, Img::None, kOwnText, L"20", Style::Label},
            {&pointerSliderTitles[2], {725, 296, 969, 312}, Img::None, General::ScrollLinesLabel, L"", Style::Label},
            {&pointerScaleLabels[4], {710, 314, 723, 332}, Img::None, kOwnText, L"1", Style::Label},
            {&pointerSliders[2], {725, 314, 969, 332}, Img::HorizontalSlider, kOwnText, L"", Style::Slider, kScrollLinesSliderId, {1, 63}},
            {&pointerScaleLabels[5], {971, 314, 995, 332}, Img::None, kOwnText, L"63", Style::Label},
            {&pointerSliderTitles[3], {725, 349, 969, 365}, Img::None, General::DoubleClickSpeedLabel, L"", Style::Label},
            {&pointerScaleLabels[6], {710, 374, 723, 392}, Img::None, kOwnText, L"1", Style::Label},
            {&pointerSliders[3], {725, 374, 969, 392}, Img::HorizontalSlider, kOwnText, L"", Style::Slider, kDoubleClickSliderId, {1, 10}},
            {&pointerScaleLabels[7], {971, 374, 995, 392}, Img::None, kOwnText, L"10", Style::Label},
            {&pollingTitle, {725, 418, 969, 434}, Img::None, General::PollingRateTitle, L"", Style::Label},
            {&pollingButtons[0], {725, 441, 778, 457}, Img::OptionBox, General::PollingRate125, L"", Style::OptionBox},
            {&pollingButtons[1], {780, 441, 833, 457}, Img::OptionBox, General::PollingRate250, L"", Style::OptionBox},
            {&pollingButtons[2], {835, 441, 888, 457}, Img::OptionBox, General::PollingRate500, L"", Style::OptionBox},
            {&pollingButtons[3], {890, 441, 943, 457}, Img::OptionBox, General::PollingRate1000, L"", Style::OptionBox},
        };
    case LayoutPart::Page2:
        return {
            {&currentStageLabel, {246, 185, 400, 202}, Img::None, kOwnText, L"X", Style::Label},
            {&stageEnableBoxes[0], {246, 205, 326, 221}, Img::StageBox, General::Stage1Enabled, L"", Style::StageBox},
            {&dpiXSliders[0], {252, 235, 276, 450}, Img::DpiXSlider, kOwnText, L"", Style::Slider, kDpiXSliderId + 0, kDpiRange, Show::ByValues},
            {&dpiYSliders[0], {276, 235, 300, 450}, Img::DpiYSlider, kOwnText, L"", Style::Slider, kDpiYSliderId + 0, kDpiRange, Show::ByValues},
            {&dpiXYSliders[0], {252, 235, 300, 450}, Img::DpiXYSlider, kOwnText, L"", Style::Slider, kDpiXYSliderId + 0, kDpiRange, Show::ByValues},
            {&xAxisLabels[0], {253, 447, 265, 460}, Img::None, kOwnText, L"X", Style::Label},
            {&yAxisLabels[0], {288, 447, 300, 460}, Img::None, kOwnText, L"Y", Style::Label},
            {&dpiXValueLabels[0], {243, 462, 276, 475}, Img::None, kOwnText, L"", Style::ValueLabel},
            {&dpiYValueLabels[0], {279, 462, 311, 475}, Img::None, kOwnText, L"", Style::ValueLabel},
            {&linkToggles[0], {266, 481, 286, 501}, Img::Link, kOwnText, L"Link X and Y 1", Style::LinkToggle},
            {&stageEnableBoxes[1], {371, 205, 451, 221}, Img::StageBox, General::Stage2Enabled, L"", Style::StageBox},
            {&dpiXSliders[1], {377, 235, 401, 450}, Img::DpiXSlider, kOwnText, L"", Style::Slider, kDpiXSliderId + 1, kDpiRange, Show::ByValues},
            {&dpiYSliders[1], {401, 235, 425, 450}, Img::DpiYSlider, kOwnText, L"", Style::Slider, kDpiYSliderId + 1, kDpiRange, Show::ByValues},
            {&dpiXYSliders[1], {377, 235, 425, 450}, Img::DpiXYSlider, kOwnText, L"", Style::Slider, kDpiXYSliderId + 1, kDpiRange, Show::ByValues},
            {&xAxisLabels[1], {378, 447, 390, 460}, Img::None, kOwnText, L"X", Style::Label},
            {&yAxisLabels[1], {413, 447, 425, 460}, Img::None, kOwnText, L"Y", Style::Label},
            {&dpiXValueLabels[1], {369, 462, 402, 475}, Img::None, kOwnText, L"", Style::ValueLabel},
            {&dpiYValueLabels[1], {404, 462, 436, 475}, Img::None, kOwnText, L"", Style::ValueLabel},
            {&linkToggles[1], {391, 481, 411, 501}, Img::Link, kOwnText, L"Link X and Y 2", Style::LinkToggle},
            {&stageEnableBoxes[2], {496, 205, 576, 221}, Img::StageBox, General::Stage3Enabled, L"", Style::StageBox},
            {&dpiXSliders[2], {502, 235, 526, 450}, Img::DpiXSlider, kOwnText, L"", Style::Slider, kDpiXSliderId + 2, kDpiRange, Show::ByValues},
            {&dpiYSliders[2], {526, 235, 550, 450}, Img::DpiYSlider, kOwnText, L"", Style::Slider, kDpiYSliderId + 2, kDpiRange, Show::ByValues},
            {&dpiXYSliders[2], {502, 235, 550, 450}, Img::DpiXYSlider, kOwnText, L"", Style::Slider, kDpiXYSliderId + 2, kDpiRange, Show::ByValues},
            {&xAxisLabels[2], {503, 447, 515, 460}, Img::None, kOwnText, L"X", Style::Label},
            {&yAxisLabels[2], {538, 447, 550, 460}, Img::None, kOwnText, L"Y", Style::Label},
            {&dpiXValueLabels[2], {494, 462, 527, 475}, Img::None, kOwnText, L"", Style::ValueLabel},
            {&dpiYValueLabels[2], {529, 462, 561, 475}, Img::None, kOwnText, L"", Style::ValueLabel},
            {&linkToggles[2], {516, 481, 536, 501}, Img::Link, kOwnText, L"Link X and Y 3", Style::LinkToggle},
            {&stageEnableBoxes[3], {616, 205, 696, 221}, Img::StageBox, General::Stage4Enabled, L"", Style::StageBox},
            {&dpiXSliders[3], {627, 235, 651, 450}, Img::DpiXSlider, kOwnText, L"", Style::Slider, kDpiXSliderId + 3, kDpiRange, Show::ByValues},
            {&dpiYSliders[3], {651, 235, 675, 450}, Img::DpiYSlider, kOwnText, L"", Style::Slider, kDpiYSliderId + 3, kDpiRange, Show::ByValues},
            {&dpiXYSliders[3], {627, 235, 675, 450}, Img::DpiXYSlider, kOwnText, L"", Style::Slider, kDpiXYSliderId + 3, kDpiRange, Show::ByValues},
            {&xAxisLabels[3], {628, 447, 640, 460}, Img::None, kOwnText, L"X", Style::Label},
            {&yAxisLabels[3], {663, 447, 675, 460}, Img::None, kOwnText, L"Y", Style::Label},
            {&dpiXValueLabels[3], {619, 462, 652, 475}, Img::None, kOwnText, L"", Style::ValueLabel},
            {&dpiYValueLabels[3], {654, 462, 686, 475}, Img::None, kOwnText, L"", Style::ValueLabel},
            {&linkToggles[3], {641, 481, 661, 501}, Img::Link, kOwnText, L"Link X and Y 4", Style::LinkToggle},
            {&stageEnableBoxes[4], {736, 205, 816, 221}, Img::StageBox, General::Stage5Enabled, L"", Style::StageBox},
            {&dpiXSliders[4], {752, 235, 776, 450}, Img::DpiXSlider, kOwnText, L"", Style::Slider, kDpiXSliderId + 4, kDpiRange, Show::ByValues},
            {&dpiYSliders[4], {776, 235, 800, 450}, Img::DpiYSlider, kOwnText, L"", Style::Slider, kDpiYSliderId + 4, kDpiRange, Show::ByValues},
            {&dpiXYSliders[4], {752, 235, 800, 450}, Img::DpiXYSlider, kOwnText, L"", Style::Slider, kDpiXYSliderId + 4, kDpiRange, Show::ByValues},
            {&xAxisLabels[4], {753, 447, 765, 460}, Img::None, kOwnText, L"X", Style::Label},
            {&yAxisLabels[4], {788, 447, 800, 460}, Img::None, kOwnText, L"Y", Style::Label},
            {&dpiXValueLabels[4], {744, 462, 777, 475}, Img::None, kOwnText, L"", Style::ValueLabel},
            {&dpiYValueLabels[4], {779, 462, 811, 475}, Img::None, kOwnText, L"", Style::ValueLabel},
            {&linkToggles[4], {766, 481, 786, 501}, Img::Link, kOwnText, L"Link X and Y 5", Style::LinkToggle},
        };
    case LayoutPart::Page3:
        return {
            {&ledModeButtons[3], {200, 180, 400, 206}, Img::Tab, General::ReactiveMode, L"", Style::ModeTab},
            {&ledModeButtons[4], {401, 180, 601, 206}, Img::Tab, General::LightsOffMode, L"", Style::ModeTab},
            {&ledMode5Button, {602, 180, 802, 206}, Img::Tab, kOwnText, L"Running", Style::ModeButton},
            {&ledModeButtons[0], {200, 210, 400, 236}, Img::Tab, General::SteadyMode, L"", Style::ModeTab},
            {&ledModeButtons[1], {401, 210, 601, 236}, Img::Tab, General::BreathingMode, L"", Style::ModeTab},
            {&ledModeButtons[2], {602, 210, 802, 236}, Img::Tab, General::FlashingMode, L"", Style::ModeTab},
            {&lightingTitles[0], {208, 260, 304, 280}, Img::None, General::ColourTitle, L"", Style::Label},
            {&colorSliders[0], {210, 440, 465, 458}, Img::HorizontalSlider, kOwnText, L"", Style::Slider, kColorSliderId + 0, {1, 256}},
            {&colorLetterLabels[0], {470, 440, 501, 458}, Img::None, kOwnText, L"R:", Style::LetterLabel},
            {&colorEdits[0], {501, 440, 531, 458}, Img::None, kOwnText, L"", Style::ColorField, kColorFieldTag + 0},
            {&colorSliders[1], {210, 468, 465, 486}, Img::HorizontalSlider, kOwnText, L"", Style::Slider, kColorSliderId + 1, {1, 256}},
            {&colorLetterLabels[1], {470, 468, 501, 486}, Img::None, kOwnText, L"G:", Style::LetterLabel},
            {&colorEdits[1], {501, 468, 531, 486}, Img::None, kOwnText, L"", Style::ColorField, kColorFieldTag + 1},
            {&colorSliders[2], {210, 496, 465, 514}, Img::HorizontalSlider, kOwnText, L"", Style::Slider, kColorSliderId + 2, {1, 256}},
            {&colorLetterLabels[2], {470, 496, 501, 514}, Img::None, kOwnText, L"B:", Style::LetterLabel},
            {&colorEdits[2], {501, 496, 531, 514}, Img::None, kOwnText, L"", Style::ColorField, kColorFieldTag + 2},
            {&lightingTitles[1], {408, 260, 561, 280}, Img::None, General::SelectedColourTitle, L"", Style::Label},
            {&lightingTitles[2], {608, 260, 750, 280}, Img::None, General::BrightnessTitle, L"", Style::Label},
            {&ledStateButtons[0], {627, 290, 716, 306}, Img::OptionBox, General::BrightnessLow, L"", Style::OptionBox},
            {&ledStateButtons[1], {627, 314, 716, 330}, Img::OptionBox, General::BrightnessMedium, L"", Style::OptionBox},
            {&ledStateButtons[2], {627, 338, 716, 354}, Img::OptionBox, General::BrightnessHigh, L"", Style::OptionBox},
            {&breathTitle, {608, 381, 740, 400}, Img::None, General::BreathingSpeedTitle, L"", Style::Label, 0, {}, Show::ByValues},
            {&breathSpeedButtons[0], {627, 410, 716, 426}, Img::OptionBox, General::BreathingSlow, L"", Style::OptionBox, 0, {}, Show::ByValues},
            {&breathSpeedButtons[1], {627, 434, 716, 450}, Img::OptionBox, General::BreathingMedium, L"", Style::OptionBox, 0, {}, Show::ByValues},
            {&breathSpeedButtons[2], {627, 458, 716, 474}, Img::OptionBox, General::BreathingFast, L"", Style::OptionBox, 0, {}, Show::ByValues},
            {&flashTitle, {608, 381, 740, 400}, Img::None, General::FlashingSpeedTitle, L"", Style::Label, 0, {}, Show::ByValues},
            {&flashSpeedButtons[0], {627, 410, 716, 426}, Img::OptionBox, General::FlashingSlow, L"", Style::OptionBox, 0, {}, Show::ByValues},
            {&flashSpeedButtons[1], {627, 434, 716, 450}, Img::OptionBox, General::FlashingMedium, L"", Style::OptionBox, 0, {}, Show::ByValues},
            {&flashSpeedButtons[2], {627, 458, 716, 474}, Img::OptionBox, General::FlashingFast, L"", Style::OptionBox, 0, {}, Show::ByValues},
            {&directionTitle, {745, 381, 845, 400}, Img::None, General::DirectionTitle, L"", Style::Label, 0, {}, Show::ByValues},
            {&directionButtons[0], {764, 410, 853, 426}, Img::OptionBox, General::DirectionForward, L"", Style::OptionBox, 0, {}, Show::ByValues},
            {&directionButtons[1], {764, 434, 853, 450}, Img::OptionBox, General::DirectionReverse, L"", Style::OptionBox, 0, {}, Show::ByValues},
        };
    case LayoutPart::Bottom:
        return {
            {&exportButton, {20, 650, 110, 680}, Img::TextButton, General::ExportButton, L"", Style::TextButton},
            {&importButton, {120, 650, 210, 680}, Img::TextButton, General::ImportButton, L"", Style::TextButton},
            {&resetButton, {220, 650, 310, 680}, Img::TextButton, General::ResetProfileButton, L"", Style::TextButton},
            {&resetAllButton, {320, 650, 410, 680}, Img::TextButton, General::ResetAllButton, L"", Style::TextButton},
            {&applyButton, {420, 650, 510, 680}, Img::TextButton, General::ApplyButton, L"", Style::TextButton},
            {&webLinkArea, {651, 9, 934, 40}, Img::None, kOwnText, L"Web page", Style::ClickArea},
            {&minimizeButton, {953, 14, 973, 34}, Img::Minimize, kOwnText, L"Minimize", Style::TitleBarButton},
            {&closeButton, {984, 14, 1004, 34}, Img::Close, kOwnText, L"Close", Style::TitleBarButton},
        };
    }
    return {};
}

std::vector<ControlRow> MainLayout::ReadingOrder(int page) {
    std::vector<ControlRow> rows = Rows(LayoutPart::Top);
    const LayoutPart pages[] = {LayoutPart::Page1, LayoutPart::Page2, LayoutPart::Page3};
    if (page >= 1 && page <= 3) {
        std::vector<ControlRow> shown = Rows(pages[page - 1]);
        rows.insert(rows.end(), shown.begin(), shown.end());
    }
    std::vector<ControlRow> bottom = Rows(LayoutPart::Bottom);
    rows.insert(rows.end(), bottom.begin(), bottom.end());
    return rows;
}

void MainLayout::Create(CWnd& window, const DisplayScale& windowScale) {
    scale = windowScale;
    LoadImages();
    CreateControls(window);
    StartPaintedPictures();
    // The background's size from its file, so as not to wait for its decoding.
    SIZE size = SkinImageFileSize(SkinFolder::Background, kBackgroundFile, scale);
    if (size.cx <= 0) size = SkinImageSize(Picture(PaintedPicture::Background));
    window.MoveWindow(0, 0, size.cx, size.cy, TRUE);
}

void MainLayout::CreateControls(CWnd& window) {
    generalTexts = UiTextSection(L"General");
    for (LayoutPart part : {LayoutPart::Top, LayoutPart::Page1, LayoutPart::Page2, LayoutPart::Page3, LayoutPart::Bottom}) {
        for (const ControlRow& row : Rows(part)) CreateControl(window, row);
    }
}

void MainLayout::LoadImages() {
    fittedImages.clear();
    circle = LoadSkinImage(SkinFolder::Background, L"circle.png", scale);
    // Normal, hover and pressed: the hover picture is grey, the pressed one blue.
    const wchar_t* minimize[] = {L"min-1.png", L"min-3.png", L"min-2.png"};
    const wchar_t* close[] = {L"close-1.png", L"close-3.png", L"close-2.png"};
    for (int i = 0; i < 3; ++i) {
        minimizeImages[i] = LoadSkinImage(SkinFolder::Buttons, minimize[i], scale);
        closeImages[i] = LoadSkinImage(SkinFolder::Buttons, close[i], scale);
    }
    okImages[0] = LoadSkinImage(SkinFolder::Buttons, L"ok-1.png", scale);
    okImages[1] = LoadSkinImage(SkinFolder::Buttons, L"ok-2.png", scale);
    tabImages[0] = LoadSkinImage(SkinFolder::Buttons, L"profile_normal2.png", scale);
    tabImages[1] = LoadSkinImage(SkinFolder::Buttons, L"profile_down.png", scale);
    horizontalTrack = LoadSkinImage(SkinFolder::Controls, L"trackbar-back-b.png", scale);
    dpiTracks[0] = LoadSkinImage(SkinFolder::Controls, L"dpi-indicator-x.png", scale);
    dpiTracks[1] = LoadSkinImage(SkinFolder::Controls, L"dpi-indicator-y.png", scale);
    dpiTracks[2] = LoadSkinImage(SkinFolder::Controls, L"dpi-indicator-xy.png", scale);
    checkBoxImages[0] = LoadSkinImage(SkinFolder::Controls, L"checkbox1-1.png", scale);
    checkBoxImages[1] = LoadSkinImage(SkinFolder::Controls, L"checkbox1-2.png", scale);
    linkImages[0] = LoadSkinImage(SkinFolder::Controls, L"link-1.png", scale);
    linkImages[1] = LoadSkinImage(SkinFolder::Controls, L"link-2.png", scale);
    const wchar_t* thumbs[4][2] = {
        {L"y.png", L"y-d.png"}, {L"x2.png", L"x2-d.png"}, {L"x3.png", L"x3-d.png"}, {L"x1.png", L"x1-d.png"}};
    for (int state = 0; state < 2; ++state) {
        horizontalThumbs[state] = LoadSkinImage(SkinFolder::Controls, thumbs[0][state], scale);
        for (int kind = 0; kind < 3; ++kind) dpiThumbs[kind][state] = LoadSkinImage(SkinFolder::Controls, thumbs[kind + 1][state], scale);
    }
}

void MainLayout::StartPaintedPictures() {
    paintedPictures.reset();
    paintedPictures.emplace(std::vector<SkinImageDecoder::File>{{SkinFolder::Background, kBackgroundFile},
                                                                {SkinFolder::Background, L"mouse-layout-front.png"},
                                                                {SkinFolder::Background, L"RGB.png"}},
                            scale);
}

Gdiplus::Image* MainLayout::Picture(PaintedPicture picture) const {
    return paintedPictures ? paintedPictures->Picture(static_cast<size_t>(picture)) : nullptr;
}

ButtonImageSet MainLayout::ButtonImages(ControlImages images) const {
    auto set = [](const SkinImage& normal, const SkinImage& hover, const SkinImage& pressed) {
        return ButtonImageSet{normal.get(), hover.get(), pressed.get(), normal.get()};
    };
    switch (images) {
    case Img::Minimize: return set(minimizeImages[0], minimizeImages[1], minimizeImages[2]);
    case Img::Close: return set(closeImages[0], closeImages[1], closeImages[2]);
    case Img::TextButton: return set(okImages[0], okImages[1], okImages[1]);
    case Img::Tab: return set(tabImages[0], tabImages[1], tabImages[1]);
    case Img::Circle: return set(circle, circle, circle);
    case Img::OptionBox: return set(checkBoxImages[0], checkBoxImages[1], checkBoxImages[1]);
    // The stage boxes light up only when ticked, not under the mouse.
    case Img::StageBox: return set(checkBoxImages[0], checkBoxImages[0], checkBoxImages[1]);
    case Img::Link: return set(linkImages[0], linkImages[1], linkImages[1]);
    default: return ButtonImageSet{};
    }
}

ButtonImageSet MainLayout::FittedImages(const ButtonImageSet& images, SIZE size) {
    return ButtonImageSet{Fitted(images.normal, size), Fitted(images.hover, size), Fitted(images.pressed, size),
                          Fitted(images.disabled, size)};
}

Gdiplus::Image* MainLayout::Fitted(Gdiplus::Image* image, SIZE size) {
    const SIZE drawn = SkinImageSize(image);
    if (!image || (drawn.cx == size.cx && drawn.cy == size.cy)) return image;
    SkinImage& fitted = fittedImages[std::make_tuple(image, size.cx, size.cy)];
    if (!fitted) fitted = FittedSkinImage(image, size);
    return fitted ? fitted.get() : image;
}

MainLayout::SliderImages MainLayout::SliderImagesOf(ControlImages images) const {
    switch (images) {
    case Img::DpiXSlider: return {dpiThumbs[0][0].get(), dpiThumbs[0][1].get(), dpiTracks[0].get()};
    case Img::DpiYSlider: return {dpiThumbs[1][0].get(), dpiThumbs[1][1].get(), dpiTracks[1].get()};
    case Img::DpiXYSlider: return {dpiThumbs[2][0].get(), dpiThumbs[2][1].get(), dpiTracks[2].get()};
    default: return {horizontalThumbs[0].get(), horizontalThumbs[1].get(), horizontalTrack.get()};
    }
}

std::wstring MainLayout::TextOf(const ControlRow& row) const {
    return row.textId == kOwnText ? std::wstring(row.text) : generalTexts.Get(static_cast<int>(row.textId));
}

void MainLayout::CreateControl(CWnd& window, const ControlRow& row) {
    const RECT rect = scale.Scale(row.rect);
    std::visit(
        [&](auto* control) {
            using Held = std::remove_pointer_t<decltype(control)>;
            if constexpr (std::is_same_v<Held, CBitmapBtn>) {
                CreateButton(window, *control, rect, row);
            } else if constexpr (std::is_same_v<Held, Label>) {
                const std::wstring text = TextOf(row);
                switch (row.style) {
                case Style::ValueLabel: *control = CreateLabel(window, rect, text, SS_CENTER, 13, true); break;
                case Style::LetterLabel: *control = CreateLabel(window, rect, text, SS_RIGHT, 13, true); break;
                case Style::AbsentLabel:
                case Style::PresentLabel:
                    *control = CreateLabel(window, rect, text, SS_CENTER, 15, false);
                    (*control)->textColor = row.style == Style::AbsentLabel ? kRed : kGreen;
                    break;
                default: *control = CreateLabel(window, rect, text, SS_LEFT, 15, true); break;
                }
            } else if constexpr (std::is_same_v<Held, CClrEdit>) {
                control->editTextColor = kWhite;
                control->editBackColor = kColorFieldBackground;
                control->notifyKeyUp = 1;
                control->notifyTag = row.id;
                control->UseScale(scale);
                control->Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, rect, &window, kColorFieldId);
                control->SetFont(control->editFont.Get());
                control->SetLimitText(3);
            } else {
                const SliderImages images = SliderImagesOf(row.images);
                const UINT id = static_cast<UINT>(row.id);
                if constexpr (std::is_same_v<Held, CPngSliderBar>) {
                    control->Create(images.thumb, images.disabledThumb, rect, &window, id, TRUE);
                } else {
                    control->Create(images.thumb, images.disabledThumb, rect, &window, id);
                }
                control->SetRange(row.range.minValue, row.range.maxValue);
                control->SetTrackImage(images.track);
            }
        },
        row.control);
}

void MainLayout::CreateButton(CWnd& window, CBitmapBtn& button, const RECT& rect, const ControlRow& row) {
    const ButtonImageSet images = ButtonImages(row.images);
    // The picture behind a caption fills its button.
    auto filling = [&] { return FittedImages(images, SIZE{rect.right - rect.left, rect.bottom - rect.top}); };
    const std::wstring text = TextOf(row);
    switch (row.style) {
    case Style::TitleBarButton:
        CreateSkinButton(button, window, rect, images);
        button.SetWindowText(text.c_str());
        button.fillBackground = 1;
        button.backgroundColor = kTitleBarColor;
        break;
    case Style::ClickArea:
        CreateSkinButton(button, window, rect, images);
        button.SetWindowText(text.c_str());
        break;
    case Style::Marker:
        CreateTextButton(button, window, rect, filling(), text, kTitleBarColor);
        button.hoverTextColor = kRed;
        button.EnableWindow(FALSE);
        break;
    case Style::ProfileTab: CreateTab(button, window, rect, filling(), text, kTitleBarColor); break;
    case Style::PageTab: CreateTab(button, window, rect, filling(), text, kPanelColor); break;
    case Style::ModeTab:
        CreateTab(button, window, rect, filling(), text, kBlack);
        button.hoverTextColor = kModeHoverColor;
        break;
    case Style::ModeButton:
        CreateTextButton(button, window, rect, filling(), text, kBlack);
        button.hoverTextColor = kRed;
        break;
    case Style::OptionBox:
        CreateCheckBox(button, window, rect, images, text, 9, 14);
        button.accessibleRole = ButtonRole::Option;
        break;
    case Style::StageBox:
        // The caption starts right of the box, so the box is wider than the other pages' boxes.
        CreateCheckBox(button, window, rect, images, text, 20, 16);
        button.textMode = kTextLeft;
        break;
    case Style::LinkToggle:
        CreateSkinButton(button, window, rect, images);
        button.checkBoxMode = 1;
        button.fillBackground = 1;
        button.backgroundColor = kLinkBackground;
        button.SetWindowText(text.c_str());
        break;
    default: CreateTextButton(button, window, rect, filling(), text, kTitleBarColor); break;
    }
}

void MainLayout::ShowPageControls(int page) {
    const LayoutPart pages[] = {LayoutPart::Page1, LayoutPart::Page2, LayoutPart::Page3};
    for (int other = 1; other <= 3; ++other) {
        if (other == page) continue;
        for (const ControlRow& row : Rows(pages[other - 1])) WindowOf(row.control)->ShowWindow(SW_HIDE);
    }
    if (page < 1 || page > 3) return;
    for (const ControlRow& row : Rows(pages[page - 1])) {
        WindowOf(row.control)->ShowWindow(row.show == PageShow::WithPage ? SW_SHOW : SW_HIDE);
    }
}
