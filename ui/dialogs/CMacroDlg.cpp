#include "ui/dialogs/CMacroDlg.h"

#include "device/DeviceService.h"
#include "framework/Messages.h"
#include "macro/MacroFile.h"
#include "profile/ProfileSet.h"
#include "res/resource.h"
#include "skin/CaptionedButton.h"
#include "skin/SkinFont.h"
#include "text/LocalisedText.h"
#include "ui/dialogs/CSingleKeyDlg.h"
#include "ui/dialogs/CWarningDlg.h"
#include "ui/dialogs/SystemNotices.h"

#include <algorithm>

namespace {
constexpr UINT kMacroListId = 0x1014;
constexpr UINT kEventListId = 0x1012;
constexpr UINT kEditId = 0x5002;
constexpr COLORREF kPanelColor = RGB(0x25, 0x25, 0x25);
constexpr int kMaxLoopCount = 255;
constexpr int kMouseButtons = 3;
// Notices of "WARNING": a name that cannot be a macro's file name, and a library that took no name.
constexpr int kInvalidNameMessage = 15;
constexpr int kLibraryFullMessage = 16;
constexpr int kFileNotWrittenMessage = 19;

RECT Rect(int left, int top, int right, int bottom) { return RECT{left, top, right, bottom}; }

// The buttons with a caption: where they are and which text they show.
struct CaptionedButton {
    CBitmapBtn CMacroDlg::*button;
    RECT rect;
    const wchar_t* section;
    int textId;
};

// The transparent labels: text "MACRO" n, where, font height, and alignment.
struct LabelSpec {
    int textId;
    RECT rect;
    int height;
    DWORD align;
};

constexpr LabelSpec kLabels[] = {
    {1, {220, 29, 510, 58}, 21, SS_CENTER},    {2, {32, 92, 156, 110}, 14, SS_LEFT},
    {3, {277, 90, 480, 107}, 16, SS_LEFT},     {4, {284, 122, 342, 137}, 14, SS_LEFT},
    {5, {362, 122, 418, 137}, 14, SS_LEFT},    {6, {447, 122, 557, 137}, 14, SS_LEFT},
    {7, {355, 420, 477, 435}, 14, SS_LEFT},    {8, {547, 420, 564, 435}, 14, SS_LEFT},
    {9, {355, 445, 477, 459}, 14, SS_LEFT},    {10, {517, 445, 566, 458}, 14, SS_CENTER},
    {11, {578, 90, 691, 108}, 16, SS_CENTER},  {12, {608, 124, 703, 146}, 12, SS_LEFT},
    {13, {608, 159, 725, 170}, 12, SS_CENTER}, {14, {648, 180, 672, 190}, 12, SS_LEFT},
    {15, {608, 199, 726, 212}, 12, SS_LEFT},   {16, {608, 237, 724, 262}, 12, SS_LEFT},
    {17, {577, 288, 727, 304}, 16, SS_LEFT},
};

// The outlines of the three panels, and the line between the first two.
constexpr RECT kPanels[] = {{27, 78, 236, 507}, {253, 80, 572, 509}, {572, 80, 727, 509}};
constexpr POINT kDividerTop{246, 88};
constexpr POINT kDividerBottom{246, 503};

int RowDatum(RowMark mark) {
    switch (mark) {
    case RowMark::Press: return ITEM_PRESS;
    case RowMark::Release: return ITEM_RELEASE;
    default: return 0;
    }
}

bool FileExists(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }
}  // namespace

MacroRecordingState& ProcessRecordingState() {
    static MacroRecordingState state;
    return state;
}

CMacroDlg::CMacroDlg(CWnd* parent)
    : CSkinDialog(IDD_EDITOR_DIALOG, parent, SkinPaintDC::Mode::Direct, TRUE),
      editor(ProcessRecordingState()),
      editFont(SkinFont(13, 400)) {}

// --- layout ---

void CMacroDlg::CreateSkinLayout() {
    images.Load();
    boxClear = LoadSkinImage(SkinFolder::Controls, L"checkbox1-1.png");
    boxTicked = LoadSkinImage(SkinFolder::Controls, L"checkbox1-2.png");
    startNormal = LoadSkinImage(SkinFolder::Buttons, L"iconstart1.png");
    startActive = LoadSkinImage(SkinFolder::Buttons, L"iconstart2.png");
    stopNormal = LoadSkinImage(SkinFolder::Buttons, L"iconstop1.png");
    stopActive = LoadSkinImage(SkinFolder::Buttons, L"iconstop2.png");
    MoveWindow(0, 0, kWidth, kHeight, TRUE);
    // The skin draws the title; the window text names the window for the system.
    SetWindowText(LoadUiString(L"MACRO", 1).c_str());

    CreateLists();
    CreateButtons();
    CreateCheckBoxes();
    CreateEdits();
    CreateLabels();

    FillMacroList();
    macroList.SetCurSel(0);
    LoadSelectedMacro();
    if (macroList.GetCount() == 0) delayType = DELAY_NONE;
    UpdateEnabling();
}

void CMacroDlg::CreateLists() {
    macroList.Create(CListBoxEx::kStyle, Rect(38, 120, 211, 466), this, kMacroListId, LoadUiString(L"MACRO", 2).c_str());
    eventList.Create(CListBoxEx::kStyle | WS_VSCROLL, Rect(275, 143, 548, 410), this, kEventListId,
                     LoadUiString(L"MACRO", 3).c_str());
    macroList.notifyOnClick = 1;
    eventList.editOnDoubleClick = 1;
    // A right click in the macro list would highlight a macro without loading it, and the next
    // change would be written into that macro's file.
    eventList.noRightClick = 0;
    for (CListBoxEx* list : {&macroList, &eventList}) {
        list->AttachList(m_hWnd);
        list->selectionFill = 1;
        list->textColor = list->selectedTextColor = RGB(255, 255, 255);
        list->SetListBackground();
    }
}

void CMacroDlg::CreateButtons() {
    const CaptionedButton buttons[] = {
        {&CMacroDlg::newMacroButton, Rect(29, 478, 130, 496), L"MACRO", 18},
        {&CMacroDlg::deleteMacroButton, Rect(132, 478, 233, 496), L"MACRO", 19},
        {&CMacroDlg::insertRecordButton, Rect(592, 317, 718, 336), L"MACRO", 20},
        {&CMacroDlg::deleteEventButton, Rect(592, 339, 718, 358), L"MACRO", 21},
        {&CMacroDlg::moveUpButton, Rect(592, 361, 718, 380), L"MACRO", 22},
        {&CMacroDlg::moveDownButton, Rect(592, 383, 718, 402), L"MACRO", 23},
        {&CMacroDlg::copyButton, Rect(592, 405, 718, 424), L"MACRO", 24},
        {&CMacroDlg::cutButton, Rect(592, 427, 718, 446), L"MACRO", 25},
        {&CMacroDlg::pasteButton, Rect(592, 449, 718, 468), L"MACRO", 26},
        {&CMacroDlg::mouseClickButton, Rect(592, 471, 718, 490), L"MACRO", 27},
        {&CMacroDlg::okButton, Rect(518, 516, 607, 541), L"General", 46},
        {&CMacroDlg::cancelButton, Rect(617, 516, 706, 541), L"General", 47},
    };
    for (const CaptionedButton& item : buttons) {
        CreateCaptionedButton(this->*item.button, *this, item.rect, images.OkButton(),
                              LoadUiString(item.section, item.textId));
    }
    CreateSkinButton(recordButton, *this, Rect(359, 480, 389, 503),
                     {startNormal.get(), startActive.get(), startActive.get(), startActive.get()});
    recordButton.SetWindowText(L"Record");
    CreateSkinButton(stopButton, *this, Rect(452, 480, 482, 503),
                     {stopNormal.get(), stopActive.get(), stopActive.get(), stopNormal.get()});
    stopButton.SetWindowText(L"Stop");
    stopButton.EnableWindow(FALSE);
}

void CMacroDlg::CreateCheckBoxes() {
    struct Box {
        CBitmapBtn* box;
        RECT rect;
        int nameId;  // the label beside it
    };
    const Box boxes[] = {{&recordDelayBox, Rect(588, 128, 599, 139), 12}, {&fixedDelayBox, Rect(588, 159, 599, 170), 13},
                         {&loopCountBox, Rect(588, 200, 599, 211), 15}, {&loopSecondBox, Rect(588, 240, 599, 251), 16}};
    for (const Box& item : boxes) {
        CBitmapBtn& box = *item.box;
        CreateSkinButton(box, *this, item.rect, {boxClear.get(), boxClear.get(), boxTicked.get(), boxClear.get()});
        box.SetWindowText(LoadUiString(L"MACRO", item.nameId).c_str());
        box.checkBoxMode = 1;
        box.checkedShowsPressed = 1;
        box.fillBackground = 1;
        box.backgroundColor = kPanelColor;
    }
}

void CMacroDlg::CreateEdits() {
    struct Edit {
        CClrEdit* edit;
        RECT rect;
        UINT limit;
        const wchar_t* text;
    };
    for (const Edit& item : {Edit{&fixedDelayEdit, Rect(608, 176, 641, 191), 5, L"10"},
                             Edit{&loopCountEdit, Rect(608, 216, 641, 231), 3, L"1"}}) {
        item.edit->Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, item.rect, this, kEditId);
        item.edit->SetFont(editFont.Get());
        item.edit->SetLimitText(item.limit);
        item.edit->SetWindowText(item.text);
    }
    loopCountEdit.notifyKeyUp = 1;
}

void CMacroDlg::CreateLabels() {
    for (const LabelSpec& item : kLabels) {
        auto label = CStaticTrans::CreateLabel(*this, item.rect, LoadUiString(L"MACRO", item.textId),
                                               WS_VISIBLE | item.align, item.height, item.textId == 1 ? 1 : 0);
        labels.push_back(std::move(label));
    }
    totalTimeLabel = CStaticTrans::CreateLabel(*this, Rect(483, 421, 542, 434), L"", WS_VISIBLE | SS_CENTER, 14);
    eventCountLabel = CStaticTrans::CreateLabel(*this, Rect(468, 443, 508, 456), L"", WS_VISIBLE | SS_CENTER, 14);
}

void CMacroDlg::PaintSkin(Gdiplus::Graphics& graphics, HDC) {
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

void CMacroDlg::ReleaseSkin() {
    hook.Enable(false);
    hook.Remove();
    CloseMouseMenu();
    images.Release();
    for (SkinImage* image : {&boxClear, &boxTicked, &startNormal, &startActive, &stopNormal, &stopActive}) {
        image->reset();
    }
}

BOOL CMacroDlg::OnInitDialog() {
    CSkinDialog::OnInitDialog();
    hook = StartKeyHook(*this, false);
    UpdateEnabling();
    return TRUE;
}

BOOL CMacroDlg::PreTranslateMessage(MSG* message) {
    // Neither Escape nor Enter closes the editor, and the space bar presses no button.
    if (message->message == WM_KEYDOWN &&
        (message->wParam == VK_ESCAPE || message->wParam == VK_RETURN || message->wParam == VK_SPACE)) {
        return TRUE;
    }
    return CSkinDialog::PreTranslateMessage(message);
}

void CMacroDlg::OnCancel() {
    // Closing the window (Alt+F4) while recording keeps what was recorded, as Stop does.
    if (recording) StopRecording();
    CSkinDialog::OnCancel();
}

void CMacroDlg::OnSurfacePressed(int x, int y) {
    CloseMouseMenu();
    CSkinDialog::OnSurfacePressed(x, y);
}

// --- the macro list, loading and saving ---

std::wstring CMacroDlg::SelectedMacroName() const {
    const int selected = macroList.GetCurSel();
    return selected >= 0 ? macroList.GetText(selected) : std::wstring();
}

void CMacroDlg::FillMacroList() {
    macroList.ResetContent();
    macroList.Invalidate();
    for (const std::wstring& name : library.ReadMacroList()) macroList.AddRow(name, 0);
}

void CMacroDlg::ShowRows(int selection) {
    if (selection == MacroEventEditor::kKeepSelection) selection = eventList.GetCurSel();
    const int top = eventList.GetTopIndex();
    eventList.SendMessage(WM_SETREDRAW, FALSE);
    eventList.ResetContent();
    for (const EventRow& row : editor.Rows()) eventList.AddRow(row.text, RowDatum(row.mark));
    eventList.SetTopIndex(top);
    eventList.SetCurSel(selection < eventList.GetCount() ? selection : -1);
    eventList.SendMessage(WM_SETREDRAW, TRUE);
    eventList.Invalidate();
    // The totals always tell the rows shown, whichever change made them.
    UpdateTotals();
}

void CMacroDlg::LoadSelectedMacro() {
    if (macroList.GetCount() == 0) return;
    const MacroSettings settings = ReadMacroFile(SelectedMacroName());
    editor.Load(settings.events);
    ShowRows(0);
    SetLoopOptions(settings.loopType, settings.loopCountText);
    SetDelayOptions(settings.delayType);
}

void CMacroDlg::SetLoopOptions(int loopType, const std::wstring& loopCount) {
    if (loopType < 0 || loopType > 2) return;
    loopCountBox.SetCheck(loopType == 0);
    loopSecondBox.SetCheck(loopType == 1);
    const bool showCount = loopType == 0 && LoopCountValue(loopCount) != 0;
    loopCountEdit.SetWindowText(showCount ? std::to_wstring(LoopCountValue(loopCount)).c_str() : L"1");
}

void CMacroDlg::SetDelayOptions(int type) {
    delayType = type;
    if (type < 0 || type > 2) return;
    recordDelayBox.SetCheck(type == DELAY_RECORDED);
    fixedDelayBox.SetCheck(type == DELAY_FIXED);
}

int CMacroDlg::LoopType() const {
    if (loopCountBox.checked) return 0;
    return loopSecondBox.checked ? 1 : 2;
}

MacroSettings CMacroDlg::ShownSettings() const {
    MacroSettings settings;
    settings.loopCountText = loopCountEdit.GetWindowText();
    settings.loopType = LoopType();
    settings.delayType = delayType;
    settings.eventCount = editor.EventCount();
    settings.events = editor.Events();
    return settings;
}

bool CMacroDlg::SaveSelectedMacro() {
    const std::wstring name = SelectedMacroName();
    if (name.empty()) return false;
    if (SaveMacroFile(MacroFilePath(name), ShownSettings())) return true;
    ShowNotice(kFileNotWrittenMessage);
    return false;
}

void CMacroDlg::NotifyMacroChanged() { TellIfServiceRefused(SendMacroChanged(SelectedMacroName())); }

void CMacroDlg::NotifyMacroButtons() { TellIfServiceRefused(SendMacroButtons(WorkingProfiles, SelectedMacroName())); }

void CMacroDlg::TellIfServiceRefused(ServiceReply reply) {
    // Every change is sent; one notice for the editor's session is enough.
    if (reply != ServiceReply::Refused || serviceRefusalTold) return;
    serviceRefusalTold = true;
    ShowServiceRightsNotice(this);
}

void CMacroDlg::SaveAndNotify() {
    // The service is told only about a file that holds what the editor shows.
    if (SaveSelectedMacro()) NotifyMacroChanged();
}

void CMacroDlg::UpdateTotals() {
    totalTimeLabel->SetWindowText(std::to_wstring(TotalPlayingTime(editor.Events())).c_str());
    eventCountLabel->SetWindowText(std::to_wstring(eventList.GetCount()).c_str());
}

void CMacroDlg::UpdateEnabling() {
    const BOOL enable = macroList.GetCount() > 0;
    for (CWnd* control : std::initializer_list<CWnd*>{
             &recordDelayBox, &fixedDelayBox, &loopCountBox, &loopSecondBox, &insertRecordButton, &deleteEventButton,
             &moveUpButton, &moveDownButton, &copyButton, &cutButton, &pasteButton, &mouseClickButton,
             &fixedDelayEdit, &loopCountEdit}) {
        control->EnableWindow(enable);
    }
    // Without the keyboard hook a recording would stay empty.
    const bool keysReadable = hook.problem == HookProblem::None;
    recordButton.EnableWindow(keysReadable);
    insertRecordButton.EnableWindow(enable && keysReadable);
}

// --- boxes the editor asks ---

void CMacroDlg::ShowNotice(int messageId) {
    CWarningDlg notice(this, LoadUiString(L"WARNING", 1), LoadUiString(L"WARNING", messageId), L"");
    notice.DoModal();
}

bool CMacroDlg::ConfirmDelete() {
    CWarningDlg confirm(this, LoadUiString(L"WARNING", 9), LoadUiString(L"WARNING", 10), L"");
    return confirm.DoModal() == IDOK;
}

bool CMacroDlg::AskMacroName(std::wstring& name) {
    CSingleKeyDlg input(this, LoadUiString(L"SINGLEKEY", 5), LoadUiString(L"SINGLEKEY", 6));
    if (input.DoModal() != IDOK) return false;
    name = input.inputText;
    return true;
}

// --- commands ---

BOOL CMacroDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    CloseMouseMenu();
    const auto control = reinterpret_cast<HWND>(lParam);
    if (control) OnControl(control);
    return CSkinDialog::OnCommand(wParam, lParam);
}

void CMacroDlg::OnControl(HWND control) {
    if (control == recordDelayBox.m_hWnd || control == fixedDelayBox.m_hWnd) {
        OnDelayBox(control == recordDelayBox.m_hWnd);
    } else if (control == loopCountBox.m_hWnd || control == loopSecondBox.m_hWnd) {
        OnLoopBox(control == loopCountBox.m_hWnd);
    } else if (control == recordButton.m_hWnd || control == insertRecordButton.m_hWnd) {
        StartRecording(control == insertRecordButton.m_hWnd);
    } else if (control == stopButton.m_hWnd) {
        StopRecording();
    } else if (control == newMacroButton.m_hWnd) {
        NewMacro();
        UpdateEnabling();
    } else if (control == deleteMacroButton.m_hWnd) {
        DeleteMacro();
        UpdateEnabling();
    } else if (control == okButton.m_hWnd) {
        EndDialog(kOkResult);
    } else if (control == cancelButton.m_hWnd) {
        EndDialog(kCancelResult);
    } else {
        OnEventCommand(control);
    }
}

void CMacroDlg::OnDelayBox(bool record) {
    CBitmapBtn& box = record ? recordDelayBox : fixedDelayBox;
    CBitmapBtn& other = record ? fixedDelayBox : recordDelayBox;
    if (box.checked) {
        delayType = record ? DELAY_RECORDED : DELAY_FIXED;
        other.SetCheck(FALSE);
    } else {
        delayType = DELAY_NONE;
    }
    SaveSelectedMacro();
}

void CMacroDlg::OnLoopBox(bool count) {
    if (count) {
        if (!loopCountBox.checked) loopCountEdit.SetWindowText(L"1");
        if (loopCountBox.checked) loopSecondBox.SetCheck(FALSE);
    } else if (loopSecondBox.checked) {
        loopCountBox.SetCheck(FALSE);
    }
    if (SaveSelectedMacro()) NotifyMacroButtons();
}

void CMacroDlg::OnLoopCountKeyUp() {
    if (macroList.GetCurSel() < 0) return;
    if (LoopCountValue(loopCountEdit.GetWindowText()) > kMaxLoopCount) {
        loopCountEdit.SetWindowText(std::to_wstring(kMaxLoopCount).c_str());
    }
    if (SelectedMacroName().empty() || !SaveSelectedMacro()) return;
    NotifyMacroChanged();
    NotifyMacroButtons();
}

void CMacroDlg::NewMacro() {
    hook.Enable(false);
    if (library.CountMacros() >= MACRO_SLOTS) {
        ShowNotice(12);
        return;
    }
    ProcessRecordingState().lastEventTime = 0;
    std::wstring name;
    if (!AskMacroName(name) || name.empty()) return;
    // A name is a file name in the macro folder: refused before anything is written.
    if (!MacroLibrary::IsValidMacroName(name)) {
        ShowNotice(kInvalidNameMessage);
        return;
    }
    const std::wstring path = MacroFilePath(name);
    if (FileExists(path)) return;

    // The new macro's file holds what the cleared editor will show: no events, neither loop box.
    MacroSettings cleared;
    cleared.loopType = 2;
    cleared.delayType = DELAY_NONE;
    if (!SaveMacroFile(path, cleared)) {
        ShowNotice(kFileNotWrittenMessage);
        return;
    }
    // The selected macro keeps its events and boxes until the new one has its slot: cleared
    // first, the next change would write an empty macro over it.
    if (library.AddMacroName(name) < 0) {
        ::DeleteFileW(path.c_str());
        ShowNotice(kLibraryFullMessage);
        return;
    }
    editor.Clear();
    ShowRows(-1);
    for (CBitmapBtn* box : {&recordDelayBox, &fixedDelayBox, &loopCountBox, &loopSecondBox}) box->SetCheck(FALSE);
    delayType = DELAY_NONE;
    loopCountEdit.SetWindowText(L"1");
    FillMacroList();
    const auto names = library.ReadMacroList();
    const auto found = std::find(names.begin(), names.end(), name);
    macroList.SetCurSel(found == names.end() ? -1 : static_cast<int>(found - names.begin()));
}

void CMacroDlg::DeleteMacro() {
    if (macroList.GetCount() == 0 || !ConfirmDelete()) return;
    const int row = macroList.GetCurSel();
    if (row < 0) return;
    const std::wstring name = macroList.GetText(row);
    macroList.DeleteString(row);
    ::DeleteFileW(MacroFilePath(name).c_str());
    std::vector<std::wstring> remaining;
    for (int i = 0; i < macroList.GetCount(); ++i) remaining.push_back(macroList.GetText(i));
    library.WriteMacroList(remaining);

    editor.Clear();
    editor.ClearInsertMode();
    ShowRows(-1);
    if (macroList.GetCount() == 0) return;
    macroList.SetCurSel(std::min(row, macroList.GetCount() - 1));
    LoadSelectedMacro();
}

// --- recording ---

void CMacroDlg::SetRecordingLocked(bool locked) {
    for (CWnd* control : std::initializer_list<CWnd*>{
             &recordButton, &okButton, &cancelButton, &insertRecordButton, &deleteEventButton, &moveUpButton,
             &moveDownButton, &copyButton, &cutButton, &pasteButton, &mouseClickButton, &macroList, &recordDelayBox,
             &fixedDelayBox, &loopCountBox, &loopSecondBox, &fixedDelayEdit, &loopCountEdit, &newMacroButton,
             &deleteMacroButton}) {
        control->EnableWindow(!locked);
    }
    stopButton.EnableWindow(locked);
    recording = locked;
}

void CMacroDlg::StartRecording(bool insert) {
    if (!insert && macroList.GetCount() == 0) {
        ShowNotice(14);
        return;
    }
    if (!InstallKeyHook(*this, hook)) {
        UpdateEnabling();
        return;
    }
    SetRecordingLocked(true);
    hook.Enable(true);
    editor.StartRecording(insert);
    // Inserting keeps the rows and the selection; either way an open delay editor closes.
    ShowRows(insert ? MacroEventEditor::kKeepSelection : -1);
}

void CMacroDlg::StopRecording() {
    SetRecordingLocked(false);
    hook.Enable(false);
    if (SelectedMacroName().empty()) return;
    if (!editor.IsBalanced()) ShowNotice(13);
    SaveAndNotify();
}

bool CMacroDlg::OnHookKey(WPARAM vk, LPARAM flags) {
    const MacroEventEditor::HookResult result =
        editor.OnHookKey(static_cast<std::uint32_t>(vk), static_cast<std::uint32_t>(flags), ::GetTickCount(),
                         eventList.GetCurSel(), delayType, fixedDelayEdit.GetWindowText());
    if (result.taken) ShowRows(result.selection);
    return result.taken;
}

// --- event editing ---

void CMacroDlg::OnEventCommand(HWND control) {
    const int selected = eventList.GetCurSel();
    if (control == moveUpButton.m_hWnd || control == moveDownButton.m_hWnd || control == deleteEventButton.m_hWnd) {
        int selection = MacroEventEditor::kKeepSelection;
        if (control == moveUpButton.m_hWnd) selection = editor.MoveUp(selected);
        if (control == moveDownButton.m_hWnd) selection = editor.MoveDown(selected);
        if (control == deleteEventButton.m_hWnd) selection = editor.DeleteEvent(selected);
        ShowRows(selection);
        SaveAndNotify();
    } else if (control == copyButton.m_hWnd) {
        editor.Copy(selected);
    } else if (control == cutButton.m_hWnd || control == pasteButton.m_hWnd) {
        const bool cut = control == cutButton.m_hWnd;
        if (!(cut ? editor.Cut(selected) : editor.Paste(selected))) return;
        ShowRows(cut ? -1 : MacroEventEditor::kKeepSelection);
        SaveAndNotify();
    } else if (control == mouseClickButton.m_hWnd) {
        OpenMouseMenu();
    }
}

void CMacroDlg::OpenMouseMenu() {
    CloseMouseMenu();
    const std::wstring folder = SkinFolderPath(SkinFolder::Background);
    const std::wstring normal = folder + L"menuitem-n.png";
    const std::wstring hovered = folder + L"menuitem-d.png";
    mouseMenu = std::make_unique<CBmpMenu>();
    mouseMenu->SetItemImages(normal, hovered, hovered, normal);
    mouseMenu->SetSubMenuImages(normal, hovered, hovered, normal);
    const RECT button = mouseClickButton.GetWindowRect();
    mouseMenu->menuX = button.left;
    mouseMenu->menuY = button.bottom;
    for (int id = 1; id <= kMouseButtons; ++id) mouseMenu->AddItem(GetFunctionName(id).c_str(), id);
    mouseMenu->Create(this);
    mouseMenu->ShowWindow(SW_SHOW);
}

void CMacroDlg::CloseMouseMenu() {
    if (!mouseMenu) return;
    mouseMenu->DestroyWindow();
    mouseMenu.reset();
}

void CMacroDlg::OnMenuPick(int itemId) {
    CloseMouseMenu();
    const int selection = editor.InsertClick(eventList.GetCurSel(), itemId);
    if (selection != MacroEventEditor::kKeepSelection) ShowRows(selection);
    SaveAndNotify();
}

void CMacroDlg::OnValueEdited(int milliseconds, int row) {
    editor.EditDelay(row, milliseconds);
    ShowRows(MacroEventEditor::kKeepSelection);
    SaveAndNotify();
}

LRESULT CMacroDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LIST_CLICK:
        // OnListClick(int row, int datum): only the macro list reports clicks
        LoadSelectedMacro();
        return 0;
    case WM_EDIT_KEYUP:
        OnLoopCountKeyUp();
        return 0;
    case WM_HOOK_KEY:
        return OnHookKey(wParam, lParam) ? 1 : 0;
    case WM_HOOK_NOTICE:
        ShowHookNotice(this, wParam);
        return 0;
    case WM_LIST_VALUE_EDITED:
        OnValueEdited(static_cast<int>(wParam), static_cast<int>(lParam));
        return 0;
    case WM_MENU_PICK:
        // A pick that arrives after the menu was closed by another command is stale.
        if (mouseMenu) OnMenuPick(HIWORD(lParam));
        return 0;
    default:
        break;
    }
    return CSkinDialog::WindowProc(message, wParam, lParam);
}
