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
#include "ui/dialogs/SystemNotices.h"
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

template <size_t N>
int IndexOf(const std::array<CBitmapBtn, N>& buttons, HWND control) {
    for (size_t i = 0; i < N; ++i) {
        if (buttons[i].m_hWnd == control) return static_cast<int>(i);
    }
    return -1;
}

constexpr int kNoticeTitle = 1;
constexpr int kProtectedFileMessage = 17;
constexpr int kSaveFailedMessage = 18;
constexpr int kExportFailedMessage = 20;

std::wstring Warning(int id) { return LoadUiString(L"WARNING", id); }
}  // namespace

CMoxCfgDlg::CMoxCfgDlg()
    : CSkinDialog(IDD_MAIN_WINDOW, nullptr, SkinPaintDC::Mode::Buffered, TRUE),
      pages(*this, layout, state, WorkingProfiles),
      buttonPage(*this, layout, state, WorkingProfiles),
      deviceLink(*this, WorkingProfiles) {
    const HINSTANCE module = ::GetModuleHandleW(nullptr);
    appIcon = static_cast<HICON>(
        ::LoadImageW(module, MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
    smallIcon = static_cast<HICON>(::LoadImageW(module, MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON,
                                                ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON),
                                                LR_SHARED));
}

LRESULT CMoxCfgDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
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
        // OnTimer(UINT_PTR id)
        deviceLink.OnTimer(wParam);
        break;
    case WM_DEVICE_PRESENCE:
        deviceLink.OnDevicePresence();
        return 0;
    case WM_DEVICE_SETTING:
        // OnDeviceSetting(int id, int value)
        deviceLink.OnDeviceSetting(static_cast<int>(wParam), static_cast<int>(lParam));
        return 0;
    case WM_SLIDER_CHANGED:
        // OnSliderChanged(int position, int sliderId)
        pages.OnSliderChanged(static_cast<int>(wParam), static_cast<int>(lParam));
        return 0;
    case WM_MENU_PICK:
        // OnMenuPick(LPARAM choice)
        buttonPage.OnMenuPick(lParam);
        return 0;
    case WM_EDIT_KEYUP:
        // OnColorFieldKeyUp(UINT vk, int tag)
        pages.OnColorFieldKeyUp(static_cast<int>(lParam));
        return 0;
    default:
        break;
    }
    return CSkinDialog::WindowProc(message, wParam, lParam);
}

void CMoxCfgDlg::CreateSkinLayout() {
    InitFolders();
    CreateDataFolders();
    layout.Create(*this);
}

BOOL CMoxCfgDlg::OnInitDialog() {
    CSkinDialog::OnInitDialog();
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(appIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon ? smallIcon : appIcon));
    state.currentPage = 0;
    ShowPage(1);
    LoadProfiles(StagingProfiles);
    pages.RefreshSettingsPages();
    RefreshButtonLabels();
    SetWindowText(TOOL_WINDOW_TITLE);
    return TRUE;
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
        buttonPage.CloseFunctionMenu();
        ShowPage(page);
        // Where a click on the page's tab would leave it.
        ::SetFocus(layout.pageTabs[static_cast<size_t>(page - 1)].m_hWnd);
        return true;
    }
    case MainKeyAction::SelectProfile:
        SelectProfile(command.profile);
        return true;
    }
    return false;
}

void CMoxCfgDlg::PaintSkin(Gdiplus::Graphics& graphics, HDC) {
    if (state.currentPage == 1) DrawSkinImage(graphics, layout.mouseLayout.get(), GdiplusRect(kMouseLayoutRect));
    if (state.currentPage != 3 || !SettingsValues::GroupsForLedMode(state.shownLedMode).colorPicture) return;
    DrawSkinImage(graphics, layout.colorPicture.get(), GdiplusRect(kColorPictureRect));
    Gdiplus::Pen frame(Gdiplus::Color(255, 255, 255, 255), 1.0f);
    Gdiplus::Rect outline = GdiplusRect(kSwatchFrameRect);
    outline.Width -= 1;
    outline.Height -= 1;
    graphics.DrawRectangle(&frame, outline);
    COLORREF color = state.currentColor;
    Gdiplus::SolidBrush fill(Gdiplus::Color(255, GetRValue(color), GetGValue(color), GetBValue(color)));
    graphics.FillRectangle(&fill, GdiplusRect(kSwatchColorRect));
}

void CMoxCfgDlg::OnSurfacePressed(int x, int y) {
    CSkinDialog::OnSurfacePressed(x, y);
    buttonPage.CloseFunctionMenu();
    if (state.currentPage == 3) pages.PickColor(x, y);
}

void CMoxCfgDlg::ShowPage(int page) {
    if (page < 1 || page > 3) return;
    if (page == state.currentPage) {
        // The tab toggled itself when clicked; the page stays, and so does its tab.
        layout.pageTabs[page - 1].SetCheck(TRUE);
        return;
    }
    state.currentPage = page;
    ::InvalidateRect(m_hWnd, &kPageArea, TRUE);
    for (int i = 0; i < 3; ++i) layout.pageTabs[i].SetCheck(i == page - 1);
    layout.ShowPageControls(page);
    const ProfileRecord& record = WorkingProfiles.Profiles[state.currentProfile];
    if (page == 2) {
        pages.RefreshDpiStages();
        pages.ShowCurrentStage(SettingsValues::StageNumber(record.DPI));
    } else if (page == 3) {
        pages.ApplyLedMode(record.LedMode1);
        pages.ShowColorFields();
    }
}

void CMoxCfgDlg::RefreshButtonLabels() { buttonPage.RefreshButtonLabels(); }

BOOL CMoxCfgDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    auto control = reinterpret_cast<HWND>(lParam);
    buttonPage.CloseFunctionMenu();
    // An owner-drawn button reports the second click of a double click as BN_DOUBLECLICKED; the
    // clicks it is made of come as BN_CLICKED already.
    if (control && HIWORD(wParam) == BN_CLICKED) {
        DispatchExclusive(control);
        DispatchShared(control);
    }
    return CSkinDialog::OnCommand(wParam, lParam);
}

bool CMoxCfgDlg::DispatchExclusive(HWND control) {
    if (control == layout.applyButton.m_hWnd) {
        deviceLink.ApplyProfiles();
    } else if (control == layout.exportButton.m_hWnd) {
        ExportCurrentProfile();
    } else if (control == layout.importButton.m_hWnd) {
        ImportCurrentProfile();
    } else if (control == layout.webLinkArea.m_hWnd) {
        std::wstring address = LoadUiString(L"General", kWebPageStringId);
        OpenWebPage(address.empty() ? kDefaultWebPage : address);
    } else if (control == layout.resetButton.m_hWnd) {
        ResetActiveProfile();
    } else if (control == layout.resetAllButton.m_hWnd) {
        ResetAllProfiles();
    } else if (int page = IndexOf(layout.pageTabs, control); page >= 0) {
        ShowPage(page + 1);
    } else if (control == layout.minimizeButton.m_hWnd) {
        ShowWindow(SW_MINIMIZE);
    } else if (control == layout.closeButton.m_hWnd) {
        EndDialog(IDCANCEL);
    } else if (int profile = IndexOf(layout.profileTabs, control); profile >= 0) {
        SelectProfile(profile);
    } else if (int mode = IndexOf(layout.ledModeButtons, control); mode >= 0) {
        pages.OnLedModeButton(mode);
    } else if (control == layout.ledMode5Button.m_hWnd) {
        pages.OnLedMode5Button();
    } else if (int direction = IndexOf(layout.directionButtons, control); direction >= 0) {
        pages.OnDirectionButton(direction);
    } else {
        return false;
    }
    return true;
}

void CMoxCfgDlg::DispatchShared(HWND control) {
    for (int s = 0; s < kDpiStageCount; ++s) {
        if (control == layout.stageEnableBoxes[s].m_hWnd) pages.OnStageEnableBox(s);
        if (control == layout.linkToggles[s].m_hWnd) pages.OnLinkToggle(s);
    }
    if (int polling = IndexOf(layout.pollingButtons, control); polling >= 0) pages.OnPollingButton(polling);
    if (int row = IndexOf(layout.functionButtons, control); row >= 0) buttonPage.OpenFunctionMenu(kRowRecords[row]);
    for (int k = 0; k < 3; ++k) {
        if (control == layout.ledStateButtons[k].m_hWnd) pages.OnLedStateButton(k);
        if (control == layout.breathSpeedButtons[k].m_hWnd) pages.OnBreathSpeedButton(k);
        if (control == layout.flashSpeedButtons[k].m_hWnd) pages.OnFlashSpeedButton(k);
    }
}

void CMoxCfgDlg::SelectProfile(int profile) {
    if (profile < 0 || profile >= kProfileCount) return;
    for (int i = 0; i < kProfileCount; ++i) layout.profileTabs[i].SetCheck(i == profile);
    state.currentProfile = profile;
    WorkingProfiles.GroupID = profile;
    // Edits go to the profile selected, so every page shows it, however it was selected; an open
    // function menu belonged to a button of the profile left.
    buttonPage.CloseFunctionMenu();
    pages.RefreshSettingsPages();
    RefreshButtonLabels();
}

void CMoxCfgDlg::ExportCurrentProfile() {
    CFileDialog dialog(false, L".pfd", L"", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kProfileFilter, this);
    dialog.SetInitialFolder(DataFolder);
    if (dialog.DoModal() != IDOK) return;
    const std::wstring path = dialog.GetPathName();
    // The dialog opens where the tool's own files live; one chosen by mistake is never replaced.
    if (IsProtectedDataFile(path)) {
        ShowNotice(kProtectedFileMessage, L"");
        return;
    }
    if (!ExportProfile(WorkingProfiles.Profiles[state.currentProfile], path)) ShowNotice(kExportFailedMessage, L"");
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
    deviceLink.ApplyProfiles();
    pages.RefreshSettingsPages();
    RefreshButtonLabels();
}

void CMoxCfgDlg::ResetActiveProfile() {
    CWarningDlg warning(this, Warning(3), Warning(4), Warning(5));
    if (warning.DoModal() != IDOK) return;
    ResetProfile(WorkingProfiles, WorkingProfiles.GroupID);
    pages.RefreshSettingsPages();
    RefreshButtonLabels();
    deviceLink.ApplyProfiles();
}

void CMoxCfgDlg::ResetAllProfiles() {
    CWarningDlg warning(this, Warning(6), Warning(7), Warning(8));
    if (warning.DoModal() != IDOK) return;
    for (int profile = 0; profile < kProfileCount; ++profile) ResetProfile(WorkingProfiles, profile);
    WorkingProfiles.GroupID = 0;
    pages.RefreshSettingsPages();
    RefreshButtonLabels();
    deviceLink.ApplyProfiles();
}

void CMoxCfgDlg::EnableApplyButton(bool enable) { layout.applyButton.EnableWindow(enable); }

void CMoxCfgDlg::EnableBottomButtons(bool enable) {
    for (CBitmapBtn* button : layout.BottomRow()) button->EnableWindow(enable);
}

void CMoxCfgDlg::ShowDevicePresentLabel(bool show) { layout.devicePresentLabel->ShowWindow(show ? SW_SHOW : SW_HIDE); }

void CMoxCfgDlg::ShowDeviceAbsentLabel(bool show) { layout.deviceAbsentLabel->ShowWindow(show ? SW_SHOW : SW_HIDE); }

void CMoxCfgDlg::StartTimer(UINT_PTR id, UINT milliseconds) { SetTimer(id, milliseconds); }

void CMoxCfgDlg::StopTimer(UINT_PTR id) { KillTimer(id); }

void CMoxCfgDlg::ReloadProfiles() {
    LoadProfiles(StagingProfiles);
    pages.RefreshSettingsPages();
    RefreshButtonLabels();
}

void CMoxCfgDlg::ShowCurrentStage(int stageIndex) { pages.ShowCurrentStage(SettingsValues::StageNumber(stageIndex)); }

void CMoxCfgDlg::ShowPollingRate(int code) {
    pages.SelectPollingButton(SettingsValues::PollingButtonForCode(code));
}

void CMoxCfgDlg::ApplyLedMode(int mode) { pages.ApplyLedMode(mode); }

void CMoxCfgDlg::SetSensitivitySlider(int position) { pages.ShowPointerSlider(1, position); }

void CMoxCfgDlg::ShowSaveFailedWarning() { ShowNotice(kSaveFailedMessage, DataFolder); }

void CMoxCfgDlg::ShowNotice(int messageId, const std::wstring& note) {
    CWarningDlg notice(this, Warning(kNoticeTitle), Warning(messageId), note);
    notice.DoModal();
}

void CMoxCfgDlg::ShowServiceRightsWarning() { ShowServiceRightsNotice(this); }
