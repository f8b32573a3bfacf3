#include "ui/main/MainLayout.h"

#include "text/LocalisedText.h"

#include <string>

namespace {
constexpr COLORREF kTitleBarColor = RGB(0x1F, 0x1F, 0x1F);
constexpr COLORREF kPanelColor = RGB(0x25, 0x25, 0x25);
constexpr COLORREF kWhite = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF kRed = RGB(0xFF, 0x00, 0x00);
constexpr COLORREF kGreen = RGB(0x00, 0xFF, 0x00);
constexpr COLORREF kModeHoverColor = RGB(0xE6, 0xE6, 0xE6);
constexpr COLORREF kLinkBackground = RGB(0x64, 0x65, 0x66);
constexpr COLORREF kColorFieldBackground = RGB(0x5E, 0x5E, 0x5E);
constexpr UINT kColorFieldId = 0x5001;
constexpr int kRowTops[8] = {200, 228, 256, 284, 312, 340, 368, 396};
constexpr int kStageBoxLefts[5] = {246, 371, 496, 616, 736};
constexpr int kDpiXValueLefts[5] = {243, 369, 494, 619, 744};
constexpr int kDpiYValueLefts[5] = {279, 404, 529, 654, 779};
constexpr int kStageColumn = 125;

RECT Rect(int left, int top, int right, int bottom) { return RECT{left, top, right, bottom}; }


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

// A square box image with its caption beside it. Pages 1 and 3 use offset 9 and height 14,
// page 2 offset 20 and height 16.
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

Label CreateLabel(CWnd& parent, const RECT& rect, const std::wstring& text, DWORD align = SS_LEFT,
                  int fontHeight = 15, bool visible = true) {
    return CStaticTrans::CreateLabel(parent, rect, text, align | (visible ? WS_VISIBLE : 0), fontHeight);
}

template <class Container>
void Append(std::vector<CWnd*>& controls, Container& container) {
    for (auto& control : container) controls.push_back(&control);
}

template <size_t N>
void Append(std::vector<CWnd*>& controls, std::array<Label, N>& labels) {
    for (Label& label : labels) controls.push_back(label.get());
}
}  // namespace

void MainLayout::Create(CWnd& window) {
    LoadImages();
    SIZE size = SkinImageSize(background.get());
    window.MoveWindow(0, 0, size.cx, size.cy, TRUE);
    CreateControls(window);
}

void MainLayout::CreateControls(CWnd& window) {
    generalTexts = UiTextSection(L"General");
    CreateTitleBar(window);
    CreateBottomRow(window);
    CreateFunctionButtons(window);
    deviceAbsentLabel = CreateLabel(window, Rect(16, 88, 129, 108), General(61), SS_CENTER, 15, false);
    deviceAbsentLabel->textColor = kRed;
    devicePresentLabel = CreateLabel(window, Rect(16, 88, 129, 108), General(62), SS_CENTER, 15, false);
    devicePresentLabel->textColor = kGreen;
    CreateTabs(window);
    CreateSkinButton(webLinkArea, window, Rect(651, 9, 934, 40), ButtonImageSet{});
    webLinkArea.SetWindowText(L"Web page");
    CreateMarkers(window);
    CreatePointerSliders(window);
    CreateCheckBoxes(window);
    CreateColorFields(window);
    CreateDpiPage(window);
    CreateLightingModes(window);
}

void MainLayout::LoadImages() {
    background = LoadSkinImage(SkinFolder::Background, L"cfgMainback.png");
    mouseLayout = LoadSkinImage(SkinFolder::Background, L"mouse-layout-front.png");
    circle = LoadSkinImage(SkinFolder::Background, L"circle.png");
    colorPicture = LoadSkinImage(SkinFolder::Background, L"RGB.png");
    // Normal, hover and pressed: the hover picture is grey, the pressed one blue.
    const wchar_t* minimize[] = {L"min-1.png", L"min-3.png", L"min-2.png"};
    const wchar_t* close[] = {L"close-1.png", L"close-3.png", L"close-2.png"};
    for (int i = 0; i < 3; ++i) {
        minimizeImages[i] = LoadSkinImage(SkinFolder::Buttons, minimize[i]);
        closeImages[i] = LoadSkinImage(SkinFolder::Buttons, close[i]);
    }
    okImages[0] = LoadSkinImage(SkinFolder::Buttons, L"ok-1.png");
    okImages[1] = LoadSkinImage(SkinFolder::Buttons, L"ok-2.png");
    tabImages[0] = LoadSkinImage(SkinFolder::Buttons, L"profile_normal2.png");
    tabImages[1] = LoadSkinImage(SkinFolder::Buttons, L"profile_down.png");
    horizontalTrack = LoadSkinImage(SkinFolder::Controls, L"trackbar-back-b.png");
    dpiTracks[0] = LoadSkinImage(SkinFolder::Controls, L"dpi-indicator-x.png");
    dpiTracks[1] = LoadSkinImage(SkinFolder::Controls, L"dpi-indicator-y.png");
    dpiTracks[2] = LoadSkinImage(SkinFolder::Controls, L"dpi-indicator-xy.png");
    checkBoxImages[0] = LoadSkinImage(SkinFolder::Controls, L"checkbox1-1.png");
    checkBoxImages[1] = LoadSkinImage(SkinFolder::Controls, L"checkbox1-2.png");
    linkImages[0] = LoadSkinImage(SkinFolder::Controls, L"link-1.png");
    linkImages[1] = LoadSkinImage(SkinFolder::Controls, L"link-2.png");
    const wchar_t* thumbs[4][2] = {
        {L"y.png", L"y-d.png"}, {L"x2.png", L"x2-d.png"}, {L"x3.png", L"x3-d.png"}, {L"x1.png", L"x1-d.png"}};
    for (int state = 0; state < 2; ++state) {
        horizontalThumbs[state] = LoadSkinImage(SkinFolder::Controls, thumbs[0][state]);
        for (int kind = 0; kind < 3; ++kind) dpiThumbs[kind][state] = LoadSkinImage(SkinFolder::Controls, thumbs[kind + 1][state]);
    }
}

ButtonImageSet MainLayout::TextButtonImages() const {
    return {okImages[0].get(), okImages[1].get(), okImages[1].get(), okImages[0].get()};
}

ButtonImageSet MainLayout::TabImages() const {
    return {tabImages[0].get(), tabImages[1].get(), tabImages[1].get(), tabImages[0].get()};
}

void MainLayout::CreateTitleBar(CWnd& window) {
    CreateSkinButton(minimizeButton, window, Rect(953, 14, 973, 34),
                     {minimizeImages[0].get(), minimizeImages[1].get(), minimizeImages[2].get(), minimizeImages[0].get()});
    CreateSkinButton(closeButton, window, Rect(984, 14, 1004, 34),
                     {closeImages[0].get(), closeImages[1].get(), closeImages[2].get(), closeImages[0].get()});
    minimizeButton.SetWindowText(L"Minimize");
    closeButton.SetWindowText(L"Close");
    for (CBitmapBtn* button : {&minimizeButton, &closeButton}) {
        button->fillBackground = 1;
        button->backgroundColor = kTitleBarColor;
    }
}

void MainLayout::CreateBottomRow(CWnd& window) {
    const int textIds[5] = {42, 43, 44, 45, 48};
    std::array<CBitmapBtn*, 5> row = BottomRow();
    for (int i = 0; i < 5; ++i) {
        CreateTextButton(*row[i], window, Rect(20 + 100 * i, 650, 110 + 100 * i, 680), TextButtonImages(),
                         General(textIds[i]), kTitleBarColor);
    }
}

void MainLayout::CreateFunctionButtons(CWnd& window) {
    for (int row = 0; row < 8; ++row) {
        CreateTextButton(functionButtons[row], window, Rect(520, kRowTops[row], 668, kRowTops[row] + 20),
                         TextButtonImages(), L"", kTitleBarColor);
    }
}

void MainLayout::CreateTabs(CWnd& window) {
    const int pageLefts[3] = {370, 510, 650};
    for (int i = 0; i < 3; ++i) {
        CreateTab(pageTabs[i], window, Rect(pageLefts[i], 88, pageLefts[i] + 120, 113), TabImages(), General(49 + i),
                  kPanelColor);
    }
    for (int i = 0; i < 5; ++i) {
        int left = 160 + 115 * i;
        CreateTab(profileTabs[i], window, Rect(left, 42, left + 100, 67), TabImages(), General(53 + i), kTitleBarColor);
    }
}

void MainLayout::CreateMarkers(CWnd& window) {
    for (int row = 0; row < 8; ++row) {
        CBitmapBtn& marker = buttonMarkers[row];
        Gdiplus::Image* image = circle.get();
        CreateTextButton(marker, window, Rect(499, kRowTops[row], 518, kRowTops[row] + 20), {image, image, image, image},
                         std::to_wstring(row + 1), kTitleBarColor);
        marker.hoverTextColor = kRed;
        marker.EnableWindow(FALSE);
    }
}

void MainLayout::CreatePointerSliders(CWnd& window) {
    struct Row {
        int top, bottom, titleTop, minimum, maximum;
    };
    const Row rows[kPointerSliderCount] = {{219, 237, 200, 1, 4}, {268, 286, 247, 1, 20},
                                           {314, 332, 296, 1, 63}, {374, 392, 349, 1, 10}};
    for (int i = 0; i < kPointerSliderCount; ++i) {
        const Row& row = rows[i];
        CPngHSliderBar& slider = pointerSliders[i];
        slider.Create(horizontalThumbs[0].get(), horizontalThumbs[1].get(), Rect(725, row.top, 969, row.bottom), &window,
                      kAccelerationSliderId + i);
        slider.SetRange(row.minimum, row.maximum);
        slider.SetTrackImage(horizontalTrack.get());
        pointerSliderTitles[i] = CreateLabel(window, Rect(725, row.titleTop, 969, row.titleTop + 16), General(1 + i));
        pointerScaleLabels[2 * i] =
            CreateLabel(window, Rect(710, row.top, 723, row.bottom), std::to_wstring(row.minimum));
        // Wide enough for two digits.
        pointerScaleLabels[2 * i + 1] =
            CreateLabel(window, Rect(971, row.top, 995, row.bottom), std::to_wstring(row.maximum));
    }
    pollingTitle = CreateLabel(window, Rect(725, 418, 969, 434), General(5));
}

void MainLayout::CreateCheckBoxes(CWnd& window) {
    Gdiplus::Image* box = checkBoxImages[0].get();
    Gdiplus::Image* ticked = checkBoxImages[1].get();
    auto create = [&](CBitmapBtn& button, const RECT& rect, int textId) {
        CreateCheckBox(button, window, rect, {box, ticked, ticked, box}, General(textId), 9, 14);
        button.accessibleRole = ButtonRole::Option;
    };
    for (int i = 0; i < 4; ++i) create(pollingButtons[i], Rect(725 + 55 * i, 441, 778 + 55 * i, 457), 6 + i);
    for (int i = 0; i < 3; ++i) {
        create(ledStateButtons[i], Rect(627, 290 + 24 * i, 716, 306 + 24 * i), 26 + i);
        create(breathSpeedButtons[i], Rect(627, 410 + 24 * i, 716, 426 + 24 * i), 30 + i);
        create(flashSpeedButtons[i], Rect(627, 410 + 24 * i, 716, 426 + 24 * i), 34 + i);
    }
    for (int i = 0; i < 2; ++i) create(directionButtons[i], Rect(764, 410 + 24 * i, 853, 426 + 24 * i), 59 + i);
}

void MainLayout::CreateColorFields(CWnd& window) {
    const wchar_t* letters[3] = {L"R:", L"G:", L"B:"};
    for (int k = 0; k < 3; ++k) {
        int top = 440 + 28 * k;
        colorLetterLabels[k] = CreateLabel(window, Rect(470, top, 501, top + 18), letters[k], SS_RIGHT, 13);
        CClrEdit& field = colorEdits[k];
        field.editTextColor = kWhite;
        field.editBackColor = kColorFieldBackground;
        field.notifyKeyUp = 1;
        field.notifyTag = kColorFieldTag + k;
        field.Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, Rect(501, top, 531, top + 18), &window, kColorFieldId);
        field.SetFont(field.editFont.Get());
        field.SetLimitText(3);
        CPngHSliderBar& slider = colorSliders[k];
        slider.Create(horizontalThumbs[0].get(), horizontalThumbs[1].get(), Rect(210, top, 465, top + 18), &window,
                      kColorSliderId + k);
        slider.SetRange(1, 256);
        slider.SetTrackImage(horizontalTrack.get());
    }
}

void MainLayout::CreateDpiPage(CWnd& window) {
    for (int s = 0; s < 5; ++s) {
        int d = kStageColumn * s;
        xAxisLabels[s] = CreateLabel(window, Rect(253 + d, 447, 265 + d, 460), L"X");
        yAxisLabels[s] = CreateLabel(window, Rect(288 + d, 447, 300 + d, 460), L"Y");
        dpiXValueLabels[s] = CreateLabel(window, Rect(kDpiXValueLefts[s], 462, kDpiXValueLefts[s] + 33, 475), L"",
                                         SS_CENTER, 13);
        dpiYValueLabels[s] = CreateLabel(window, Rect(kDpiYValueLefts[s], 462, kDpiYValueLefts[s] + 32, 475), L"",
                                         SS_CENTER, 13);
    }
    currentStageLabel = CreateLabel(window, Rect(246, 185, 400, 202), L"X");

    // One link toggle under each stage's pair of value labels, centred on the stage's sliders.
    for (int s = 0; s < 5; ++s) {
        int centre = 276 + kStageColumn * s;
        CBitmapBtn& toggle = linkToggles[s];
        CreateSkinButton(toggle, window, Rect(centre - 10, 481, centre + 10, 501),
                         {linkImages[0].get(), linkImages[1].get(), linkImages[1].get(), linkImages[0].get()});
        toggle.checkBoxMode = 1;
        toggle.fillBackground = 1;
        toggle.backgroundColor = kLinkBackground;
        toggle.SetWindowText((L"Link X and Y " + std::to_wstring(s + 1)).c_str());
    }

    // One kind of DPI slider per entry, in the order of dpiTracks and dpiThumbs.
    struct Kind {
        std::array<CPngSliderBar, 5>& sliders;
        int left, right, firstId;
    };
    Kind kinds[3] = {{dpiXSliders, 252, 276, kDpiXSliderId},
                     {dpiYSliders, 276, 300, kDpiYSliderId},
                     {dpiXYSliders, 252, 300, kDpiXYSliderId}};
    for (int k = 0; k < 3; ++k) {
        const Kind& kind = kinds[k];
        for (int s = 0; s < 5; ++s) {
            int d = kStageColumn * s;
            CPngSliderBar& slider = kind.sliders[s];
            slider.Create(dpiThumbs[k][0].get(), dpiThumbs[k][1].get(), Rect(kind.left + d, 235, kind.right + d, 450),
                          &window, kind.firstId + s, TRUE);
            slider.SetRange(2, 80);
            slider.SetTrackImage(dpiTracks[k].get());
        }
    }

    Gdiplus::Image* box = checkBoxImages[0].get();
    Gdiplus::Image* ticked = checkBoxImages[1].get();
    for (int s = 0; s < 5; ++s) {
        CBitmapBtn& button = stageEnableBoxes[s];
        // The caption starts right of the box, so the box is wider than the other pages' boxes.
        CreateCheckBox(button, window, Rect(kStageBoxLefts[s], 205, kStageBoxLefts[s] + 80, 221),
                       {box, box, ticked, box}, General(15 + s), 20, 16);
        button.textMode = kTextLeft;
    }
}

void MainLayout::CreateLightingModes(CWnd& window) {
    const RECT modeRects[5] = {Rect(200, 210, 400, 236), Rect(401, 210, 601, 236), Rect(602, 210, 802, 236),
                               Rect(200, 180, 400, 206), Rect(401, 180, 601, 206)};
    const int modeTextIds[5] = {20, 21, 22, 63, 64};
    for (int j = 0; j < 5; ++j) {
        CBitmapBtn& button = ledModeButtons[j];
        CreateTab(button, window, modeRects[j], TabImages(), General(modeTextIds[j]), RGB(0, 0, 0));
        button.hoverTextColor = kModeHoverColor;
    }
    CreateTextButton(ledMode5Button, window, Rect(602, 180, 802, 206), TabImages(), L"Running", RGB(0, 0, 0));
    ledMode5Button.hoverTextColor = kRed;

    const RECT titleRects[3] = {Rect(208, 260, 304, 280), Rect(408, 260, 561, 280), Rect(608, 260, 750, 280)};
    for (int i = 0; i < 3; ++i) lightingTitles[i] = CreateLabel(window, titleRects[i], General(23 + i));
    breathTitle = CreateLabel(window, Rect(608, 381, 740, 400), General(29));
    flashTitle = CreateLabel(window, Rect(608, 381, 740, 400), General(33));
    directionTitle = CreateLabel(window, Rect(745, 381, 845, 400), General(58));
}

std::vector<CWnd*> MainLayout::PageControls(int page) {
    std::vector<CWnd*> controls;
    switch (page) {
    case 1:
        Append(controls, functionButtons);
        Append(controls, buttonMarkers);
        Append(controls, pointerSliders);
        Append(controls, pointerSliderTitles);
        Append(controls, pointerScaleLabels);
        controls.push_back(pollingTitle.get());
        Append(controls, pollingButtons);
        break;
    case 2:
        Append(controls, stageEnableBoxes);
        Append(controls, xAxisLabels);
        Append(controls, yAxisLabels);
        Append(controls, dpiXValueLabels);
        Append(controls, dpiYValueLabels);
        Append(controls, linkToggles);
        controls.push_back(currentStageLabel.get());
        break;
    case 3:
        Append(controls, ledModeButtons);
        controls.push_back(&ledMode5Button);
        Append(controls, lightingTitles);
        Append(controls, ledStateButtons);
        Append(controls, colorLetterLabels);
        Append(controls, colorEdits);
        Append(controls, colorSliders);
        break;
    default:
        break;
    }
    return controls;
}

void MainLayout::ShowPageControls(int page) {
    for (int other = 1; other <= 3; ++other) {
        if (other == page) continue;
        for (CWnd* control : PageControls(other)) control->ShowWindow(SW_HIDE);
    }
    std::vector<CWnd*> hiddenHere;
    Append(hiddenHere, dpiXSliders);
    Append(hiddenHere, dpiYSliders);
    Append(hiddenHere, dpiXYSliders);
    Append(hiddenHere, breathSpeedButtons);
    Append(hiddenHere, flashSpeedButtons);
    Append(hiddenHere, directionButtons);
    hiddenHere.insert(hiddenHere.end(), {breathTitle.get(), flashTitle.get(), directionTitle.get()});
    for (CWnd* control : hiddenHere) control->ShowWindow(SW_HIDE);
    for (CWnd* control : PageControls(page)) control->ShowWindow(SW_SHOW);
    for (CBitmapBtn& tab : profileTabs) tab.ShowWindow(page >= 1 && page <= 3 ? SW_SHOW : SW_HIDE);
}
