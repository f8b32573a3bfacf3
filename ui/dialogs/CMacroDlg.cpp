#include "ui/dialogs/CMacroDlg.h"

#include "device/DeviceService.h"
#include "framework/Messages.h"
#include "macro/MacroFile.h"
#include "profile/ProfileSet.h"
#include "res/resource.h"
#include "text/LocalisedText.h"
#include "ui/dialogs/CSingleKeyDlg.h"
#include "ui/dialogs/CWarningDlg.h"
#include "ui/dialogs/SystemNotices.h"

#include <algorithm>

namespace {
constexpr int kMaxLoopCount = 255;
constexpr int kMouseButtons = 3;
using TextId::Warning;

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
      editor(ProcessRecordingState()) {}

// --- layout ---

void CMacroDlg::CreateSkinLayout() {
    MoveWindow(0, 0, displayScale.Scale(MacroDlgLayout::kWidth), displayScale.Scale(MacroDlgLayout::kHeight), TRUE);
    // The skin draws the title; the window text names the window for the system.
    SetWindowText(LoadUiString(TextId::Macro::EditorTitle).c_str());
    layout.Create(*this, displayScale);
    layout.stopButton.EnableWindow(FALSE);
    BindControls();

    FillMacroList();
    layout.macroList.SetCurSel(0);
    LoadSelectedMacro();
    if (layout.macroList.GetCount() == 0) delayType = DELAY_NONE;
    UpdateEnabling();
}

void CMacroDlg::BindControls() {
    layout.newMacroButton.onClick = [this] {
        NewMacro();
        UpdateEnabling();
    };
    layout.deleteMacroButton.onClick = [this] {
        DeleteMacro();
        UpdateEnabling();
    };
    layout.recordButton.onClick = [this] { StartRecording(false); };
    layout.stopButton.onClick = [this] { StopRecording(); };
    layout.recordDelayBox.onClick = [this] { OnDelayBox(true); };
    layout.fixedDelayBox.onClick = [this] { OnDelayBox(false); };
    layout.loopCountBox.onClick = [this] { OnLoopBox(true); };
    layout.loopSecondBox.onClick = [this] { OnLoopBox(false); };
    layout.insertRecordButton.onClick = [this] { StartRecording(true); };
    layout.deleteEventButton.onClick = [this] { ShowChangedRows(editor.DeleteEvent(layout.eventList.GetCurSel())); };
    layout.moveUpButton.onClick = [this] { ShowChangedRows(editor.MoveUp(layout.eventList.GetCurSel())); };
    layout.moveDownButton.onClick = [this] { ShowChangedRows(editor.MoveDown(layout.eventList.GetCurSel())); };
    layout.copyButton.onClick = [this] { editor.Copy(layout.eventList.GetCurSel()); };
    layout.cutButton.onClick = [this] {
        if (editor.Cut(layout.eventList.GetCurSel())) ShowChangedRows(-1);
    };
    layout.pasteButton.onClick = [this] {
        if (editor.Paste(layout.eventList.GetCurSel())) ShowChangedRows(MacroEventEditor::kKeepSelection);
    };
    layout.mouseClickButton.onClick = [this] { OpenMouseMenu(); };
    layout.okButton.onClick = [this] { EndDialog(kOkResult); };
    layout.cancelButton.onClick = [this] { EndDialog(kCancelResult); };
}

void CMacroDlg::PaintSkin(Gdiplus::Graphics& graphics, HDC) { layout.PaintPanels(graphics); }

void CMacroDlg::ReleaseSkin() {
    hook.Enable(false);
    hook.Remove();
    CloseMouseMenu();
    layout.Release();
}

void CMacroDlg::LayOutAgain() {
    if (recording) StopRecording();
    const std::wstring shown = SelectedMacroName();
    CSkinDialog::LayOutAgain();
    for (int row = 0; row < layout.macroList.GetCount(); ++row) {
        if (row == layout.macroList.GetCurSel() || layout.macroList.GetText(row) != shown) continue;
        layout.macroList.SetCurSel(row);
        LoadSelectedMacro();
        break;
    }
    UpdateEnabling();
}

BOOL CMacroDlg::OnInitDialog() {
    CSkinDialog::OnInitDialog();
    hook = StartKeyHook(*this, false);
    UpdateEnabling();
    ::SetFocus(layout.macroList.m_hWnd);
    return FALSE;
}

BOOL CMacroDlg::PreTranslateMessage(MSG* message) {
    // In the editor's own windows neither Escape nor Enter closes it. The space bar presses the
    // focused button or toggles the focused check box, unless a recording runs: it takes every
    // key, so that a key typed into the macro never presses Stop or anything else. Other windows
    // of the thread (the mouse menu) get these keys.
    if (message->message == WM_KEYDOWN &&
        (message->wParam == VK_ESCAPE || message->wParam == VK_RETURN || message->wParam == VK_SPACE) &&
        (message->hwnd == m_hWnd || ::IsChild(m_hWnd, message->hwnd))) {
        if (message->wParam != VK_SPACE || recording || !layout.IsButton(message->hwnd)) return TRUE;
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
    const int selected = layout.macroList.GetCurSel();
    return selected >= 0 ? layout.macroList.GetText(selected) : std::wstring();
}

void CMacroDlg::FillMacroList() {
    layout.macroList.ResetContent();
    layout.macroList.Invalidate();
    for (const std::wstring& name : library.ReadMacroList()) layout.macroList.AddRow(name, 0);
}

void CMacroDlg::ShowRows(int selection) {
    if (selection == MacroEventEditor::kKeepSelection) selection = layout.eventList.GetCurSel();
    const int top = layout.eventList.GetTopIndex();
    layout.eventList.SendMessage(WM_SETREDRAW, FALSE);
    layout.eventList.ResetContent();
    for (const EventRow& row : editor.Rows()) layout.eventList.AddRow(row.text, RowDatum(row.mark));
    layout.eventList.SetTopIndex(top);
    layout.eventList.SetCurSel(selection < layout.eventList.GetCount() ? selection : -1);
    layout.eventList.SendMessage(WM_SETREDRAW, TRUE);
    layout.eventList.Invalidate();
    // The totals always tell the rows shown, whichever change made them.
    UpdateTotals();
}

void CMacroDlg::LoadSelectedMacro() {
    if (layout.macroList.GetCount() == 0) return;
    const MacroSettings settings = ReadMacroFile(SelectedMacroName());
    editor.Load(settings.events);
    ShowRows(0);
    SetLoopOptions(settings.loopType, settings.loopCountText);
    SetDelayOptions(settings.delayType);
}

void CMacroDlg::SetLoopOptions(int loopType, const std::wstring& loopCount) {
    if (loopType < 0 || loopType > 2) return;
    layout.loopCountBox.SetCheck(loopType == 0);
    layout.loopSecondBox.SetCheck(loopType == 1);
    const bool showCount = loopType == 0 && LoopCountValue(loopCount) != 0;
    layout.loopCountEdit.SetWindowText(showCount ? std::to_wstring(LoopCountValue(loopCount)).c_str() : L"1");
}

void CMacroDlg::SetDelayOptions(int type) {
    delayType = type;
    if (type < 0 || type > 2) return;
    layout.recordDelayBox.SetCheck(type == DELAY_RECORDED);
    layout.fixedDelayBox.SetCheck(type == DELAY_FIXED);
}

int CMacroDlg::LoopType() const {
    if (layout.loopCountBox.checked) return 0;
    return layout.loopSecondBox.checked ? 1 : 2;
}

MacroSettings CMacroDlg::ShownSettings() const {
    MacroSettings settings;
    settings.loopCountText = layout.loopCountEdit.GetWindowText();
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
    ShowNotice(Warning::MacroNotSaved);
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
    layout.totalTimeLabel->SetWindowText(std::to_wstring(TotalPlayingTime(editor.Events())).c_str());
    layout.eventCountLabel->SetWindowText(std::to_wstring(layout.eventList.GetCount()).c_str());
}

void CMacroDlg::UpdateEnabling() {
    const BOOL enable = layout.macroList.GetCount() > 0;
    for (CWnd* control : std::initializer_list<CWnd*>{
             &layout.recordDelayBox, &layout.fixedDelayBox, &layout.loopCountBox, &layout.loopSecondBox,
             &layout.insertRecordButton, &layout.deleteEventButton, &layout.moveUpButton, &layout.moveDownButton,
             &layout.copyButton, &layout.cutButton, &layout.pasteButton, &layout.mouseClickButton,
             &layout.fixedDelayEdit, &layout.loopCountEdit}) {
        control->EnableWindow(enable);
    }
    // Without the keyboard hook a recording would stay empty.
    const bool keysReadable = hook.problem == HookProblem::None;
    layout.recordButton.EnableWindow(keysReadable);
    layout.insertRecordButton.EnableWindow(enable && keysReadable);
}

// --- boxes the editor asks ---

void CMacroDlg::ShowNotice(Warning message) {
    CWarningDlg notice(this, LoadUiString(Warning::Title), LoadUiString(message), L"");
    notice.DoModal();
}

bool CMacroDlg::ConfirmDelete() {
    CWarningDlg confirm(this, LoadUiString(Warning::DeleteMacroTitle), LoadUiString(Warning::DeleteMacroQuestion), L"");
    return confirm.DoModal() == IDOK;
}

bool CMacroDlg::AskMacroName(std::wstring& name) {
    CSingleKeyDlg input(this, LoadUiString(TextId::SingleKey::NewMacroTitle),
                        LoadUiString(TextId::SingleKey::NewMacroPrompt));
    if (input.DoModal() != IDOK) return false;
    name = input.inputText;
    return true;
}

// --- commands ---

BOOL CMacroDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    CloseMouseMenu();
    return CSkinDialog::OnCommand(wParam, lParam);
}

void CMacroDlg::OnDelayBox(bool record) {
    CBitmapBtn& box = record ? layout.recordDelayBox : layout.fixedDelayBox;
    CBitmapBtn& other = record ? layout.fixedDelayBox : layout.recordDelayBox;
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
        if (!layout.loopCountBox.checked) layout.loopCountEdit.SetWindowText(L"1");
        if (layout.loopCountBox.checked) layout.loopSecondBox.SetCheck(FALSE);
    } else if (layout.loopSecondBox.checked) {
        layout.loopCountBox.SetCheck(FALSE);
    }
    if (SaveSelectedMacro()) NotifyMacroButtons();
}

void CMacroDlg::OnLoopCountKeyUp() {
    if (layout.macroList.GetCurSel() < 0) return;
    if (LoopCountValue(layout.loopCountEdit.GetWindowText()) > kMaxLoopCount) {
        layout.loopCountEdit.SetWindowText(std::to_wstring(kMaxLoopCount).c_str());
    }
    if (SelectedMacroName().empty() || !SaveSelectedMacro()) return;
    NotifyMacroChanged();
    NotifyMacroButtons();
}

void CMacroDlg::NewMacro() {
    hook.Enable(false);
    if (library.CountMacros() >= MACRO_SLOTS) {
        ShowNotice(Warning::MacroLibraryFull);
        return;
    }
    ProcessRecordingState().lastEventTime = 0;
    std::wstring name;
    if (!AskMacroName(name) || name.empty()) return;
    // A name is a file name in the macro folder: refused before anything is written.
    if (!MacroLibrary::IsValidMacroName(name)) {
        ShowNotice(Warning::InvalidMacroName);
        return;
    }
    const std::wstring path = MacroFilePath(name);
    if (FileExists(path)) return;

    // The new macro's file holds what the cleared editor will show: no events, neither loop box.
    MacroSettings cleared;
    cleared.loopType = 2;
    cleared.delayType = DELAY_NONE;
    if (!SaveMacroFile(path, cleared)) {
        ShowNotice(Warning::MacroNotSaved);
        return;
    }
    // The selected macro keeps its events and boxes until the new one has its slot: cleared
    // first, the next change would write an empty macro over it.
    if (library.AddMacroName(name) < 0) {
        ::DeleteFileW(path.c_str());
        ShowNotice(Warning::NoRoomForMacroName);
        return;
    }
    editor.Clear();
    ShowRows(-1);
    for (CBitmapBtn* box : {&layout.recordDelayBox, &layout.fixedDelayBox, &layout.loopCountBox, &layout.loopSecondBox})
        box->SetCheck(FALSE);
    delayType = DELAY_NONE;
    layout.loopCountEdit.SetWindowText(L"1");
    FillMacroList();
    const auto names = library.ReadMacroList();
    const auto found = std::find(names.begin(), names.end(), name);
    layout.macroList.SetCurSel(found == names.end() ? -1 : static_cast<int>(found - names.begin()));
}

void CMacroDlg::DeleteMacro() {
    if (layout.macroList.GetCount() == 0 || !ConfirmDelete()) return;
    const int row = layout.macroList.GetCurSel();
    if (row < 0) return;
    const std::wstring name = layout.macroList.GetText(row);
    layout.macroList.DeleteString(row);
    ::DeleteFileW(MacroFilePath(name).c_str());
    std::vector<std::wstring> remaining;
    for (int i = 0; i < layout.macroList.GetCount(); ++i) remaining.push_back(layout.macroList.GetText(i));
    library.WriteMacroList(remaining);

    editor.Clear();
    editor.ClearInsertMode();
    ShowRows(-1);
    if (layout.macroList.GetCount() == 0) return;
    layout.macroList.SetCurSel(std::min(row, layout.macroList.GetCount() - 1));
    LoadSelectedMacro();
}

// --- recording ---

void CMacroDlg::SetRecordingLocked(bool locked) {
    for (CWnd* control : std::initializer_list<CWnd*>{
             &layout.recordButton,      &layout.okButton,      &layout.cancelButton,     &layout.insertRecordButton,
             &layout.deleteEventButton, &layout.moveUpButton,  &layout.moveDownButton,   &layout.copyButton,
             &layout.cutButton,         &layout.pasteButton,   &layout.mouseClickButton, &layout.macroList,
             &layout.recordDelayBox,    &layout.fixedDelayBox, &layout.loopCountBox,     &layout.loopSecondBox,
             &layout.fixedDelayEdit,    &layout.loopCountEdit, &layout.newMacroButton,   &layout.deleteMacroButton}) {
        control->EnableWindow(!locked);
    }
    layout.stopButton.EnableWindow(locked);
    recording = locked;
}

void CMacroDlg::StartRecording(bool insert) {
    if (!insert && layout.macroList.GetCount() == 0) {
        ShowNotice(Warning::NoMacroToRecordInto);
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
    if (!editor.IsBalanced()) ShowNotice(Warning::KeysNotReleased);
    SaveAndNotify();
}

bool CMacroDlg::OnHookKey(WPARAM vk, LPARAM flags) {
    const MacroEventEditor::HookResult result =
        editor.OnHookKey(static_cast<std::uint32_t>(vk), static_cast<std::uint32_t>(flags), ::GetTickCount(),
                         layout.eventList.GetCurSel(), delayType, layout.fixedDelayEdit.GetWindowText());
    if (result.taken) ShowRows(result.selection);
    return result.taken;
}

// --- event editing ---

void CMacroDlg::ShowChangedRows(int selection) {
    ShowRows(selection);
    SaveAndNotify();
}

void CMacroDlg::OpenMouseMenu() {
    CloseMouseMenu();
    const std::wstring folder = SkinFolderPath(SkinFolder::Background);
    const std::wstring normal = folder + L"menuitem-n.png";
    const std::wstring hovered = folder + L"menuitem-d.png";
    mouseMenu = std::make_unique<CBmpMenu>();
    mouseMenu->SetItemImages(normal, hovered, hovered, normal);
    mouseMenu->SetSubMenuImages(normal, hovered, hovered, normal);
    const RECT button = layout.mouseClickButton.GetWindowRect();
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
    const int selection = editor.InsertClick(layout.eventList.GetCurSel(), itemId);
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
