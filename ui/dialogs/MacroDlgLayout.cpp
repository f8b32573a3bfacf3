#include "ui/dialogs/MacroDlgLayout.h"

#include "macro/MacroEventEditor.h"
#include "skin/SkinFont.h"
#include "text/LocalisedText.h"

namespace {
constexpr UINT kMacroListId = 0x1014;
constexpr UINT kEventListId = 0x1012;
constexpr DWORD kEventListStyle = CListBoxEx::kStyle | WS_VSCROLL;
constexpr UINT kEditId = 0x5002;
constexpr DWORD kEditStyle = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL;
constexpr COLORREF kPanelColor = RGB(0x25, 0x25, 0x25);

constexpr int kEditFontHeight = 13;
constexpr RECT kPanels[] = {{27, 78, 236, 507}, {253, 80, 572, 509}, {572, 80, 727, 509}};
constexpr POINT kDividerTop{246, 88};
constexpr POINT kDividerBottom{246, 503};

using TextId::General;
using TextId::Macro;

// LoadUiString, short enough for a row of the inventory to fit on one line.
template <typename Id>
std::wstring Text(Id id) {
    return LoadUiString(id);
}
}  // namespace

MacroDlgLayout::MacroDlgLayout() : editFont(SkinFont(kEditFontHeight, 400)) {}

void MacroDlgLayout::LoadImages() {
    images.Load(scale);
    boxClear = LoadSkinImage(SkinFolder::Controls, L"checkbox1-1.png", scale);
    boxTicked = LoadSkinImage(SkinFolder::Controls, L"checkbox1-2.png", scale);
    startNormal = LoadSkinImage(SkinFolder::Buttons, L"iconstart1.png", scale);
    startActive = LoadSkinImage(SkinFolder::Buttons, L"iconstart2.png", scale);
    stopNormal = LoadSkinImage(SkinFolder::Buttons, L"iconstop1.png", scale);
    stopActive = LoadSkinImage(SkinFolder::Buttons, L"iconstop2.png", scale);
}

std::vector<DialogControl> MacroDlgLayout::Controls() {
    using S = DialogStyle;
    const ButtonImageSet captioned = images.OkButton();
    const ButtonImageSet box{boxClear.get(), boxClear.get(), boxTicked.get(), boxClear.get()};
    const ButtonImageSet start{startNormal.get(), startActive.get(), startActive.get(), startActive.get()};
    const ButtonImageSet stop{stopNormal.get(), stopActive.get(), stopActive.get(), stopNormal.get()};
    const ButtonImageSet none{};
    return {
        {&titleLabel, {220, 29, 510, 58}, none, Text(Macro::EditorTitle), S::Title()},
        {&macroListHeading, {32, 92, 156, 110}, none, Text(Macro::MacroListName), S::Label(14, SS_LEFT)},
        {&macroList, {38, 120, 211, 466}, none, Text(Macro::MacroListName), S::List(CListBoxEx::kStyle, kMacroListId)},
        {&newMacroButton, {29, 478, 130, 496}, captioned, Text(Macro::NewMacroButton), S::Captioned()},
        {&deleteMacroButton, {132, 478, 233, 496}, captioned, Text(Macro::DeleteMacroButton), S::Captioned()},
        {&eventListHeading, {277, 90, 480, 107}, none, Text(Macro::EventListName), S::Label(16, SS_LEFT)},
        {&actionHeading, {284, 122, 342, 137}, none, Text(Macro::ActionColumn), S::Label(14, SS_LEFT)},
        {&keyHeading, {362, 122, 418, 137}, none, Text(Macro::KeyColumn), S::Label(14, SS_LEFT)},
        {&delayHeading, {447, 122, 557, 137}, none, Text(Macro::DelayColumn), S::Label(14, SS_LEFT)},
        {&eventList, {275, 143, 548, 410}, none, Text(Macro::EventListName), S::List(kEventListStyle, kEventListId)},
        {&totalTimeCaption, {355, 420, 477, 435}, none, Text(Macro::TotalTimeLabel), S::Label(14, SS_LEFT)},
        {&totalTimeLabel, {483, 421, 542, 434}, none, L"", S::Label(14, SS_CENTER)},
        {&totalTimeUnit, {547, 420, 564, 435}, none, Text(Macro::TotalTimeUnit), S::Label(14, SS_LEFT)},
        {&eventCountCaption, {355, 445, 477, 459}, none, Text(Macro::EventCountLabel), S::Label(14, SS_LEFT)},
        {&eventCountLabel, {468, 443, 508, 456}, none, L"", S::Label(14, SS_CENTER)},
        {&eventCountLimit, {517, 445, 566, 458}, none, Text(Macro::EventCountLimit), S::Label(14, SS_CENTER)},
        {&recordButton, {359, 480, 389, 503}, start, L"Record", S::ImageOnly()},
        {&stopButton, {452, 480, 482, 503}, stop, L"Stop", S::ImageOnly()},
        {&optionsHeading, {578, 90, 691, 108}, none, Text(Macro::OptionsTitle), S::Label(16, SS_CENTER)},
        {&recordDelayBox, {588, 128, 599, 139}, box, Text(Macro::RecordDelays), S::ImageOnly()},
        {&recordDelayLabel, {608, 124, 703, 146}, none, Text(Macro::RecordDelays), S::Label(12, SS_LEFT)},
        {&fixedDelayBox, {588, 159, 599, 170}, box, Text(Macro::FixedDelay), S::ImageOnly()},
        {&fixedDelayLabel, {608, 159, 725, 170}, none, Text(Macro::FixedDelay), S::Label(12, SS_CENTER)},
        {&fixedDelayEdit, {608, 176, 641, 191}, none, L"10", S::Edit(kEditStyle, kEditId, 5, editFont.Get())},
        {&fixedDelayUnit, {648, 180, 672, 190}, none, Text(Macro::FixedDelayUnit), S::Label(12, SS_LEFT)},
        {&loopCountBox, {588, 200, 599, 211}, box, Text(Macro::RepeatCount), S::ImageOnly()},
        {&loopCountLabel, {608, 199, 726, 212}, none, Text(Macro::RepeatCount), S::Label(12, SS_LEFT)},
        {&loopCountEdit, {608, 216, 641, 231}, none, L"1", S::Edit(kEditStyle, kEditId, 3, editFont.Get())},
        {&loopSecondBox, {588, 240, 599, 251}, box, Text(Macro::RepeatWhileHeld), S::ImageOnly()},
        {&loopSecondLabel, {608, 237, 724, 262}, none, Text(Macro::RepeatWhileHeld), S::Label(12, SS_LEFT)},
        {&editEventsHeading, {577, 288, 727, 304}, none, Text(Macro::EditEventsTitle), S::Label(16, SS_LEFT)},
        {&insertRecordButton, {592, 317, 718, 336}, captioned, Text(Macro::InsertRecordingButton), S::Captioned()},
        {&deleteEventButton, {592, 339, 718, 358}, captioned, Text(Macro::DeleteEventButton), S::Captioned()},
        {&moveUpButton, {592, 361, 718, 380}, captioned, Text(Macro::MoveUpButton), S::Captioned()},
        {&moveDownButton, {592, 383, 718, 402}, captioned, Text(Macro::MoveDownButton), S::Captioned()},
        {&copyButton, {592, 405, 718, 424}, captioned, Text(Macro::CopyButton), S::Captioned()},
        {&cutButton, {592, 427, 718, 446}, captioned, Text(Macro::CutButton), S::Captioned()},
        {&pasteButton, {592, 449, 718, 468}, captioned, Text(Macro::PasteButton), S::Captioned()},
        {&mouseClickButton, {592, 471, 718, 490}, captioned, Text(Macro::InsertClickButton), S::Captioned()},
        {&okButton, {518, 516, 607, 541}, captioned, Text(General::Ok), S::Captioned()},
        {&cancelButton, {617, 516, 706, 541}, captioned, Text(General::Cancel), S::Captioned()},
    };
}

void MacroDlgLayout::Create(CWnd& dialog, const DisplayScale& dialogScale) {
    scale = dialogScale;
    if (!scale.IsBase()) editFont = SkinFont(scale.Scale(kEditFontHeight), 400);
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

bool MacroDlgLayout::IsButton(HWND window) const {
    if (!window) return false;
    for (const DialogControl& row : inventory) {
        CBitmapBtn* const* button = std::get_if<CBitmapBtn*>(&row.control);
        if (button && (*button)->m_hWnd == window) return true;
    }
    return false;
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
    Gdiplus::Pen panelPen(Gdiplus::Color(0xFF013C64), static_cast<Gdiplus::REAL>(scale.Scale(2)));
    for (const RECT& unscaled : kPanels) {
        const RECT panel = scale.Scale(unscaled);
        const Gdiplus::Point corners[] = {{panel.left, panel.top}, {panel.right, panel.top},
                                          {panel.right, panel.bottom}, {panel.left, panel.bottom}};
        for (int side = 0; side < 4; ++side) graphics.DrawLine(&panelPen, corners[side], corners[(side + 1) % 4]);
    }
    Gdiplus::Pen dividerPen(Gdiplus::Color(0xFF737373), static_cast<Gdiplus::REAL>(scale.Scale(1)));
    const POINT top = scale.Scale(kDividerTop);
    const POINT bottom = scale.Scale(kDividerBottom);
    graphics.DrawLine(&dividerPen, Gdiplus::Point(top.x, top.y), Gdiplus::Point(bottom.x, bottom.y));
}

void MacroDlgLayout::Release() {
    images.Release();
    for (SkinImage* image : {&boxClear, &boxTicked, &startNormal, &startActive, &stopNormal, &stopActive}) {
        image->reset();
    }
}
