#include "ui/main/CMoxCfgDlg.h"

#include "device/DeviceService.h"
#include "framework/CFileDialog.h"
#include "framework/Folders.h"
#include "framework/Messages.h"
#include "macro/MacroButtons.h"
#include "profile/ProfileFiles.h"
#include "profile/ProfileRules.h"
#include "res/resource.h"
#include "text/LocalisedText.h"
#include "ui/dialogs/CWarningDlg.h"
#include "functions/ButtonCaption.h"
#include "skin/FocusCues.h"
#include "skin/FocusOrder.h"
#include "ui/main/MainKeys.h"
#include "ui/main/MainTabOrder.h"
#include "ui/main/SettingsValues.h"
#include "ui/main/WebPage.h"

namespace {
constexpr wchar_t kDefaultWebPage[] = L"https://www.orvane.example/";
constexpr wchar_t kProfileFilter[] = L"pfd(*.pfd)|*.pfd|";

using TextId::Warning;

constexpr COLORREF kAppliedCaptionColor = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF kUnappliedCaptionColor = RGB(0x00, 0xB4, 0xF0);  // the skin's accent
}  // namespace

CMoxCfgDlg::CMoxCfgDlg()
    : CSkinDialog(IDD_MAIN_WINDOW, nullptr, SkinPaintDC::Mode::Buffered, TRUE),
      pages(*this, layout, state, WorkingProfiles),
      deviceLink(pages, WorkingProfiles) {
    const HINSTANCE module = ::GetModuleHandleW(nullptr);
    appIcon = static_cast<HICON>(
        ::LoadImageW(module, MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
    smallIcon = static_cast<HICON>(::LoadImageW(module, MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON,
                                                ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON),
                                                LR_SHARED));
}

LRESULT CMoxCfgDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = HandleMessage(message, wParam, lParam);
    // Edits come by clicks, keys, menus, dialogs and the device; each reaches the window as a message.
    ShowUnappliedEdits();
    return result;
}

LRESULT CMoxCfgDlg::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: {
        LRESULT result = CSkinDialog::WindowProc(message, wParam, lParam);
        if (result == -1) return -1;
        // An elevated tool would not hear a service that runs without elevation.
        AllowServiceMessages(m_hWnd);
        deviceLink.StartDeviceService();
        return result;
    }
    case WM_QUERYDRAGICON:
        return reinterpret_cast<LRESULT>(appIcon);
    case WM_TIMER:
        deviceLink.OnTimer(wParam);
        break;
    case WM_DEVICE_PRESENCE:
        deviceLink.OnDevicePresence();
        return 0;
    case WM_DEVICE_SETTING: {
        // What the device reports it holds already; edits pending before stay pending.
        const bool editsBefore = HasUnappliedEdits();
        deviceLink.OnDeviceSetting(static_cast<int>(wParam), static_cast<int>(lParam));
        if (!editsBefore) pages.applied.Settle(WorkingProfiles);
        return 0;
    }
    case WM_SLIDER_CHANGED:
        CSliderBar::ReflectChange(m_hWnd, wParam, lParam);
        return 0;
    case WM_MENU_PICK:
        pages.buttons.OnMenuPick(lParam);
        return 0;
    case WM_EDIT_KEYUP:
        // wParam: the key released; lParam: the field's tag.
        pages.lighting.OnColorFieldKeyUp(static_cast<int>(lParam));
        return 0;
    default:
        break;
    }
    return CSkinDialog::WindowProc(message, wParam, lParam);
}

void CMoxCfgDlg::CreateSkinLayout() {
    InitFolders();
    CreateDataFolders();
    layout.Create(*this, displayScale);
    BindControls();
}

void CMoxCfgDlg::BindControls() {
    layout.applyButton.onClick = [this] { ApplyEdits(); };
    layout.exportButton.onClick = [this] { ExportCurrentProfile(); };
    layout.importButton.onClick = [this] { ImportCurrentProfile(); };
    layout.webLinkArea.onClick = [this] { OpenVendorWebPage(); };
    layout.resetButton.onClick = [this] { ResetActiveProfile(); };
    layout.resetAllButton.onClick = [this] { ResetAllProfiles(); };
    for (int i = 0; i < 3; ++i) layout.pageTabs[i].onClick = [this, i] { ShowPage(i + 1); };
    layout.minimizeButton.onClick = [this] { ShowWindow(SW_MINIMIZE); };
    layout.closeButton.onClick = [this] { OnCancel(); };
    for (int n = 0; n < kProfileCount; ++n) layout.profileTabs[n].onClick = [this, n] { pages.SelectProfile(n); };
    LightingPage& lighting = pages.lighting;
    for (int j = 0; j < 5; ++j) layout.ledModeButtons[j].onClick = [&lighting, j] { lighting.OnLedModeButton(j); };
    layout.ledMode5Button.onClick = [&lighting] { lighting.OnLedMode5Button(); };
    for (int j = 0; j < 2; ++j) layout.directionButtons[j].onClick = [&lighting, j] { lighting.OnDirectionButton(j); };

    DpiPage& dpi = pages.dpi;
    for (int s = 0; s < kDpiStageCount; ++s) {
        layout.stageEnableBoxes[s].onClick = [&dpi, s] { dpi.OnStageEnableBox(s); };
        layout.linkToggles[s].onClick = [&dpi, s] { dpi.OnLinkToggle(s); };
        layout.dpiXSliders[s].onChange = [&dpi, s](int position) { dpi.OnXSlider(s, position); };
        layout.dpiYSliders[s].onChange = [&dpi, s](int position) { dpi.OnYSlider(s, position); };
        layout.dpiXYSliders[s].onChange = [&dpi, s](int position) { dpi.OnLinkedSlider(s, position); };
    }
    PointerPage& pointer = pages.pointer;
    for (int j = 0; j < 4; ++j) layout.pollingButtons[j].onClick = [&pointer, j] { pointer.OnPollingButton(j); };
    for (int i = 0; i < kPointerSliderCount; ++i) {
        layout.pointerSliders[i].onChange = [&pointer, i](int position) { pointer.OnPointerSlider(i, position); };
    }
    ButtonPage& buttons = pages.buttons;
    for (size_t row = 0; row < kRowRecords.size(); ++row) {
        layout.functionButtons[row].onClick = [&buttons, row] { buttons.OpenFunctionMenu(kRowRecords[row]); };
    }
    for (int k = 0; k < 3; ++k) {
        layout.ledStateButtons[k].onClick = [&lighting, k] { lighting.OnLedStateButton(k); };
        layout.breathSpeedButtons[k].onClick = [&lighting, k] { lighting.OnBreathSpeedButton(k); };
        layout.flashSpeedButtons[k].onClick = [&lighting, k] { lighting.OnFlashSpeedButton(k); };
        layout.colorSliders[k].onChange = [&lighting, k](int position) { lighting.OnColorSlider(k, position); };
    }
}

void CMoxCfgDlg::LayOutAgain() {
    pages.buttons.CloseFunctionMenu();
    CSkinDialog::LayOutAgain();
}

void CMoxCfgDlg::ShowStateAgain() {
    const int page = state.currentPage;
    state.currentPage = 0;
    ShowPage(page);
    pages.RefreshAll();
}

void CMoxCfgDlg::OpenVendorWebPage() {
    std::wstring address = LoadUiString(TextId::General::WebPageAddress);
    OpenWebPage(address.empty() ? kDefaultWebPage : address);
}

BOOL CMoxCfgDlg::OnInitDialog() {
    CSkinDialog::OnInitDialog();
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(appIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon ? smallIcon : appIcon));
    state.currentPage = 0;
    ShowPage(1);
    pages.ReloadProfiles();
    SetWindowText(TOOL_WINDOW_TITLE);
    return TRUE;
}

void CMoxCfgDlg::OnCancel() {
    // A second close while the question is open (a posted WM_CLOSE) waits for its answer.
    if (closeAsked) return;
    if (HasUnappliedEdits()) {
        closeAsked = true;
        CWarningDlg question(this, LoadUiString(Warning::UnappliedEditsTitle),
                             LoadUiString(Warning::UnappliedEditsQuestion), LoadUiString(Warning::UnappliedEditsNote));
        const bool leave = question.DoModal() == IDOK;
        closeAsked = false;
        if (!leave) return;
    }
    EndDialog(IDCANCEL);
}

void CMoxCfgDlg::ApplyEdits() {
    if (deviceLink.ApplyProfiles()) pages.applied.Settle(WorkingProfiles);
}

void CMoxCfgDlg::ShowUnappliedEdits() {
    CBitmapBtn& apply = layout.applyButton;
    if (!apply.m_hWnd || !::IsWindow(apply.m_hWnd)) return;
    const COLORREF color = HasUnappliedEdits() ? kUnappliedCaptionColor : kAppliedCaptionColor;
    if (apply.normalTextColor == color) return;
    apply.normalTextColor = color;
    apply.Invalidate(FALSE);
}

BOOL CMoxCfgDlg::PreTranslateMessage(MSG* message) {
    // The window's own keys come before its controls see them; those of the function menu, a
    // window of its own, are the menu's.
    if (message->message == WM_KEYDOWN && (message->hwnd == m_hWnd || ::IsChild(m_hWnd, message->hwnd))) {
        NoteInputForFocusCues(*message);
        if (OnWindowKey(static_cast<UINT>(message->wParam))) return TRUE;
    }
    return CSkinDialog::PreTranslateMessage(message);
}

bool CMoxCfgDlg::OnWindowKey(UINT virtualKey) {
    const bool control = ::GetKeyState(VK_CONTROL) < 0;
    const bool shift = ::GetKeyState(VK_SHIFT) < 0;
    const MainKeyCommand command = MainWindowKey(virtualKey, control, shift, false);
    switch (command.action) {
    case MainKeyAction::PassOn:
        return false;
    case MainKeyAction::Swallow:
        // Neither Escape nor Enter may close the main window.
        return true;
    case MainKeyAction::NextControl:
    case MainKeyAction::PreviousControl:
        MoveFocusAlong(MainTabOrder(layout, state.currentPage), command.action == MainKeyAction::PreviousControl);
        return true;
    case MainKeyAction::NextPage:
    case MainKeyAction::PreviousPage: {
        const int page = PageAfter(state.currentPage, kMainPageCount, command.action == MainKeyAction::PreviousPage);
        pages.buttons.CloseFunctionMenu();
        ShowPage(page);
        // Where a click on the page's tab would leave it.
        ::SetFocus(layout.pageTabs[static_cast<size_t>(page - 1)].m_hWnd);
        return true;
    }
    case MainKeyAction::SelectProfile:
        pages.SelectProfile(command.profile);
        return true;
    }
    return false;
}

void CMoxCfgDlg::PaintSkin(Gdiplus::Graphics& graphics, HDC) {
    const DisplayScale& scale = layout.scale;
    if (state.currentPage == 1) DrawSkinImage(graphics, layout.Picture(PaintedPicture::MouseLayout), GdiplusRect(scale.Scale(kMouseLayoutRect)));
    if (state.currentPage != 3 || !SettingsValues::GroupsForLedMode(state.shownLedMode).colorPicture) return;
    DrawSkinImage(graphics, layout.Picture(PaintedPicture::ColorPicture), GdiplusRect(scale.Scale(kColorPictureRect)));
    // The outline is the frame filled white under the colour: one pixel wide at 96 DPI.
    Gdiplus::SolidBrush frame(Gdiplus::Color(255, 255, 255, 255));
    graphics.FillRectangle(&frame, GdiplusRect(scale.Scale(kSwatchFrameRect)));
    COLORREF color = state.currentColor;
    Gdiplus::SolidBrush fill(Gdiplus::Color(255, GetRValue(color), GetGValue(color), GetBValue(color)));
    graphics.FillRectangle(&fill, GdiplusRect(scale.Scale(kSwatchColorRect)));
}

void CMoxCfgDlg::OnSurfacePressed(int x, int y) {
    CSkinDialog::OnSurfacePressed(x, y);
    pages.buttons.CloseFunctionMenu();
    if (state.currentPage == 3) pages.lighting.PickColor(x, y);
}

void CMoxCfgDlg::ShowPage(int page) {
    if (page < 1 || page > 3) return;
    if (page == state.currentPage) {
        // The tab toggled itself when clicked; the page stays, and so does its tab.
        layout.pageTabs[page - 1].SetCheck(TRUE);
        return;
    }
    state.currentPage = page;
    const RECT pageArea = layout.scale.Scale(kPageArea);
    ::InvalidateRect(m_hWnd, &pageArea, TRUE);
    for (int i = 0; i < 3; ++i) layout.pageTabs[i].SetCheck(i == page - 1);
    layout.ShowPageControls(page);
    const ProfileRecord& record = WorkingProfiles.Profiles[state.currentProfile];
    if (page == 2) {
        pages.dpi.RefreshDpiStages();
        pages.dpi.ShowCurrentStage(SettingsValues::StageNumber(record.DPI));
    } else if (page == 3) {
        pages.lighting.ApplyLedMode(record.LedMode1);
        pages.lighting.ShowColorFields();
    }
}

BOOL CMoxCfgDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    // Before any control acts: the control reflected to below may open the menu anew.
    pages.buttons.CloseFunctionMenu();
    return CSkinDialog::OnCommand(wParam, lParam);
}

void CMoxCfgDlg::ExportCurrentProfile() {
    CFileDialog dialog(false, L".pfd", L"", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kProfileFilter, this);
    dialog.SetInitialFolder(DataFolder);
    if (dialog.DoModal() != IDOK) return;
    const std::wstring path = dialog.GetPathName();
    // The dialog opens where the tool's own files live; one chosen by mistake is never replaced.
    if (IsProtectedDataFile(path)) {
        pages.ShowNotice(Warning::ProtectedFileName, L"");
        return;
    }
    if (!ExportProfile(WorkingProfiles.Profiles[state.currentProfile], path)) pages.ShowNotice(Warning::ExportFailed, L"");
}

void CMoxCfgDlg::ImportCurrentProfile() {
    // A name that does not exist keeps the dialog open with the system's notice.
    CFileDialog dialog(true, L".pfd", L"", OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, kProfileFilter, this);
    dialog.SetInitialFolder(DataFolder);
    if (dialog.DoModal() == IDOK) ImportIntoCurrentProfile(dialog.GetPathName());
}

void CMoxCfgDlg::ImportIntoCurrentProfile(const std::wstring& path) {
    ProfileRecord& record = WorkingProfiles.Profiles[state.currentProfile];
    ImportProfile(path, record);
    // A damaged or foreign file must not reach the device with unset or out-of-range values,
    // nor with a macro button on a slot that holds another macro here.
    RepairProfile(record, state.currentProfile);
    ResolveMacroButtons(WorkingProfiles);
    ApplyEdits();
    pages.RefreshAll();
}

void CMoxCfgDlg::ResetActiveProfile() {
    CWarningDlg warning(this, LoadUiString(Warning::ResetProfileTitle), LoadUiString(Warning::ResetProfileQuestion),
                        LoadUiString(Warning::ResetProfileNote));
    if (warning.DoModal() != IDOK) return;
    ResetProfile(WorkingProfiles, WorkingProfiles.GroupID);
    pages.RefreshAll();
    ApplyEdits();
}

void CMoxCfgDlg::ResetAllProfiles() {
    CWarningDlg warning(this, LoadUiString(Warning::ResetAllTitle), LoadUiString(Warning::ResetAllQuestion),
                        LoadUiString(Warning::ResetAllNote));
    if (warning.DoModal() != IDOK) return;
    for (int profile = 0; profile < kProfileCount; ++profile) ResetProfile(WorkingProfiles, profile);
    WorkingProfiles.GroupID = 0;
    pages.RefreshAll();
    ApplyEdits();
}
