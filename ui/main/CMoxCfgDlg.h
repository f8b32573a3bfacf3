// The tool's main window: a frameless, shaped dialog run modally by the application object. It
// holds the layout of every page, routes each click by the sender's window handle, shows the
// device link's state and runs the profile commands of the bottom row.
#pragma once
#include "device/DeviceLink.h"
#include "profile/ProfileSet.h"
#include "skin/CSkinDialog.h"
#include "ui/main/ButtonPage.h"
#include "ui/main/MainLayout.h"
#include "ui/main/MainPageState.h"
#include "ui/main/SettingsPages.h"

class CMoxCfgDlg : public CSkinDialog, public DeviceLinkView {
public:
    CMoxCfgDlg();

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* message) override;
    BOOL OnInitDialog() override;

    // Shows page 1 to 3; the page already shown stays as it is.
    void ShowPage(int page);
    // Sets the eight function button captions from the profile shown.
    void RefreshButtonLabels();

    void ExportCurrentProfile();
    void ImportCurrentProfile();
    // Reads an exported profile into the profile shown, repairs it and applies it.
    void ImportIntoCurrentProfile(const std::wstring& path);
    void ResetActiveProfile();
    void ResetAllProfiles();

    // DeviceLinkView
    int CurrentProfile() const override { return state.currentProfile; }
    void EnableApplyButton(bool enable) override;
    void EnableBottomButtons(bool enable) override;
    void ShowDevicePresentLabel(bool show) override;
    void ShowDeviceAbsentLabel(bool show) override;
    void StartTimer(UINT_PTR id, UINT milliseconds) override;
    void StopTimer(UINT_PTR id) override;
    void ReloadProfiles() override;
    void SelectProfile(int profile) override;
    void ShowCurrentStage(int stageIndex) override;
    void ShowPollingRate(int code) override;
    void ApplyLedMode(int mode) override;
    void SetSensitivitySlider(int position) override;
    void ShowSaveFailedWarning() override;
    void ShowServiceRightsWarning() override;

    // For the window's tests: what the pages show and the controls they show it with.
    const MainPageState& PageState() const { return state; }
    MainLayout& Layout() { return layout; }
    ButtonPage& Buttons() { return buttonPage; }

protected:
    // OnWindowKey(UINT virtualKey): a key pressed in the window; true when the window took it
    bool OnWindowKey(UINT virtualKey);
    void CreateSkinLayout() override;
    const wchar_t* RegionBitmapName() const override { return L"cfgMainback.bmp"; }
    Gdiplus::Image* BackgroundImage() const override { return layout.background.get(); }
    void PaintSkin(Gdiplus::Graphics& graphics, HDC dc) override;
    void OnSurfacePressed(int x, int y) override;

private:
    // The first table of the command dispatch: at most one of these controls sent the command.
    bool DispatchExclusive(HWND control);
    // The second table: every match runs.
    void DispatchShared(HWND control);
    // A warning box with the title "Warning" and a text of section "WARNING".
    void ShowNotice(int messageId, const std::wstring& note);

    HICON appIcon = nullptr;    // shared resource icons: the system owns them
    HICON smallIcon = nullptr;  // the icon's own picture of the small icon size (title bar, taskbar)
    MainLayout layout;
    MainPageState state;
    ProfileSet StagingProfiles{};
    SettingsPages pages;
    ButtonPage buttonPage;
    DeviceLink deviceLink;
};
