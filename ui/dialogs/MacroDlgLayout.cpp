#include "ui/dialogs/MacroDlgLayout.h"

#include "macro/MacroEventEditor.h"
#include "skin/SkinFont.h"
#include "text/LocalisedText.h"

namespace {
constexpr UINT kMacroListId = 0x1014;
constexpr UINT kEventListId = 0x1012;
constexpr UINT kEditId = 0x5002;
constexpr DWORD kEditStyle = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL;
constexpr COLORREF kPanelColor = RGB(0x25, 0x25, 0x25);

constexpr RECT kPanels[] = {{27, 78, 236, 507}, {253, 80, 572, 509}, {572, 80, 727, 509}};
constexpr POINT kDividerTop{246, 88};
constexpr POINT kDividerBottom{246, 503};

std::wstring MacroText(int id) { return LoadUiString(L"MACRO", id); }
std::wstring GeneralText(int id) { return LoadUiString(L"General", id); }
}  // namespace

MacroDlgLayout::MacroDlgLayout() : editFont(SkinFont(13, 400)) {}

void MacroDlgLayout::LoadImages() {
    images.Load();
    boxClear = LoadSkinImage(SkinFolder::Controls, L"checkbox1-1.png");
    boxTicked = LoadSkinImage(SkinFolder::Controls, L"checkbox1-2.png");
    startNormal = LoadSkinImage(SkinFolder::Buttons, L"iconstart1.png");
    startActive = LoadSkinImage(SkinFolder::Buttons, L"iconstart2.png");
    stopNormal = LoadSkinImage(SkinFolder::Buttons, L"iconstop1.png");
    stopActive = LoadSkinImage(SkinFolder::Buttons, L"iconstop2.png");
}

std::vector<DialogControl> MacroDlgLayout::Controls() {
    using S = DialogStyle;
    const ButtonImageSet captioned = images.OkButton();
    const ButtonImageSet box{boxClear.get(), boxClear.get(), boxTicked.get(), boxClear.get()};
    const ButtonImageSet start{startNormal.get(), startActive.get(), startActive.get(), startActive.get()};
    const ButtonImageSet stop{stopNormal.get(), stopActive.get(), stopActive.get(), stopNormal.get()};
    const ButtonImageSet none{};
    return {
        {&titleLabel, {220, 29, 510, 58}, none, MacroText(1), S::Title()},
        {&macroListHeading, {32, 92, 156, 110}, none, MacroText(2), S::Label(14, SS_LEFT)},
        {&macroList, {38, 120, 211, 466}, none, MacroText(2), S::List(CListBoxEx::kStyle, kMacroListId)},
        {&newMacroButton, {29, 478, 130, 496}, captioned, MacroText(18), S::Captioned()},
        {&deleteMacroButton, {132, 478, 233, 496}, captioned, MacroText(19), S::Captioned()},
        {&eventListHeading, {277, 90, 480, 107}, none, MacroText(3), S::Label(16, SS_LEFT)},
        {&actionHeading, {284, 122, 342, 137}, none, MacroText(4), S::Label(14, SS_LEFT)},
        {&keyHeading, {362, 122, 418, 137}, none, MacroText(5), S::Label(14, SS_LEFT)},
        {&delayHeading, {447, 122, 557, 137}, none, MacroText(6), S::Label(14, SS_LEFT)},
        {&eventList, {275, 143, 548, 410}, none, MacroText(3), S::List(CListBoxEx::kStyle | WS_VSCROLL, kEventListId)},
        {&totalTimeCaption, {355, 420, 477, 435}, none, MacroText(7), S::Label(14, SS_LEFT)},
        {&totalTimeLabel, {483, 421, 542, 434}, none, L"", S::Label(14, SS_CENTER)},
        {&totalTimeUnit, {547, 420, 564, 435}, none, MacroText(8), S::Label(14, SS_LEFT)},
        {&eventCountCaption, {355, 445, 477, 459}, none, MacroText(9), S::Label(14, SS_LEFT)},
        {&eventCountLabel, {468, 443, 508, 456}, none, L"", S::Label(14, SS_CENTER)},
        {&eventCountLimit, {517, 445, 566, 458}, none, MacroText(10), S::Label(14, SS_CENTER)},
        {&recordButton, {359, 480, 389, 503}, start, L"Record", S::ImageOnly()},
        {&stopButton, {452, 480, 482, 503}, stop, L"Stop", S::ImageOnly()},
        {&optionsHeading, {578, 90, 691, 108}, none, MacroText(11), S::Label(16, SS_CENTER)},
        {&recordDelayBox, {588, 128, 599, 139}, box, MacroText(12), S::ImageOnly()},
        {&recordDelayLabel, {608, 124, 703, 146}, none, MacroText(12), S::Label(12, SS_LEFT)},
        {&fixedDelayBox, {588, 159, 599, 170}, box, MacroText(13), S::ImageOnly()},
        {&fixedDelayLabel, {608, 159, 725, 170}, none, MacroText(13), S::Label(12, SS_CENTER)},
        {&fixedDelayEdit, {608, 176, 641, 191}, none, L"10", S::Edit(kEditStyle, kEditId, 5, editFont.Get())},
        {&fixedDelayUnit, {648, 180, 672, 190}, none, MacroText(14), S::Label(12, SS_LEFT)},
        {&loopCountBox, {588, 200, 599, 211}, box, MacroText(15), S::ImageOnly()},
        {&loopCountLabel, {608, 199, 726, 212}, none, MacroText(15), S::Label(12, SS_LEFT)},
        {&loopCountEdit, {608, 216, 641, 231}, none, L"1", S::Edit(kEditStyle, kEditId, 3, editFont.Get())},
        {&loopSecondBox, {588, 240, 599, 251}, box, MacroText(16), S::ImageOnly()},
        {&loopSecondLabel, {608, 237, 724, 262}, none, MacroText(16), S::Label(12, SS_LEFT)},
        {&editEventsHeading, {577, 288, 727, 304}, none, MacroText(17), S::Label(16, SS_LEFT)},
        {&insertRecordButton, {592, 317, 718, 336}, captioned, MacroText(20), S::Captioned()},
        {&deleteEventButton, {592, 339, 718, 358}, captioned, MacroText(21), S::Captioned()},
        {&moveUpButton, {592, 361, 718, 380}, captioned, MacroText(22), S::Captioned()},
        {&moveDownButton, {592, 383, 718, 402}, captioned, MacroText(23), S::Captioned()},
        {&copyButton, {592, 405, 718, 424}, captioned, MacroText(24), S::Captioned()},
        {&cutButton, {592, 427, 718, 446}, captioned, MacroText(25), S::Captioned()},
        {&pasteButton, {592, 449, 718, 468}, captioned, MacroText(26), S::Captioned()},
        {&mouseClickButton, {592, 471, 718, 490}, captioned, MacroText(27), S::Captioned()},
        {&okButton, {518, 516, 607, 541}, captioned, GeneralText(46), S::Captioned()},
        {&cancelButton, {617, 516, 706, 541}, captioned, GeneralText(47), S::Captioned()},
    };
}

void MacroDlgLayout::Create(CWnd& dialog) {
    LoadImages();
    inventory = Controls();
    CreateDialogControls(dialog, inventory);
    ConfigureLists(dialog.m_hWnd);
    ConfigureCheckBoxes();
    loopCountEdit.notifyKeyUp = 1;
}

void MacroDlgLayout::ConfigureLists(HWND dialog) {
    macroList.notifyOnClick = 1;
    eventList.editOnDoubleClick = 1;
    eventList.valueRowText = DelayRowText;
    // A right click in the macro list would highlight a macro without loading it, and the next
    // change would be written into that macro's file.
    eventList.noRightClick = 0;
    for (CListBoxEx* list : {&macroList, &eventList}) {
        list->AttachList(dialog);
        list->selectionFill = 1;
        list->textColor = list->selectedTextColor = RGB(255, 255, 255);
        list->SetListBackground();
    }
}

void MacroDlgLayout::ConfigureCheckBoxes() {
    for (CBitmapBtn* box : {&recordDelayBox, &fixedDelayBox, &loopCountBox, &loopSecondBox}) {
        box->checkBoxMode = 1;
        box->checkedShowsPressed = 1;
        box->fillBackground = 1;
        box->backgroundColor = kPanelColor;
    }
}

void MacroDlgLayout::PaintPanels(Gdiplus::Graphics& graphics) const {
    Gdiplus::Pen panelPen(Gdiplus::Color(0xFF013C64), 2.0f);
    for (const RECT& panel : kPanels) {
        const Gdiplus::Point corners[] = {{panel.left, panel.top}, {panel.right, panel.top},
                                          {panel.right, panel.bottom}, {panel.left, panel.bottom}};
        for (int side = 0; side < 4; ++side) graphics.DrawLine(&panelPen, corners[side], corners[(side + 1) % 4]);
    }
    Gdiplus::Pen dividerPen(Gdiplus::Color(0xFF737373), 1.0f);
    graphics.DrawLine(&dividerPen, Gdiplus::Point(kDividerTop.x, kDividerTop.y),
                      Gdiplus::Point(kDividerBottom.x, kDividerBottom.y));
}

void MacroDlgLayout::Release() {
    images.Release();
    for (SkinImage* image : {&boxClear, &boxTicked, &startNormal, &startActive, &stopNormal, &stopActive}) {
        image->reset();
    }
}
