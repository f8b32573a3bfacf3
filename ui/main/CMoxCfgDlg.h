// The tool's main window: a frameless, shaped dialog run modally by the application object. It
// holds the layout of every page, gives each control its action when the layout is made, lets the
// device link show its state on the pages and runs the profile commands of the bottom row.
#pragma once
#include "device/DeviceLink.h"
#include "profile/ProfileSet.h"
#include "skin/CSkinDialog.h"
#include "ui/main/MainLayout.h"
#include "ui/main/MainPageState.h"
#include "ui/main/MainPages.h"

class CMoxCfgDlg : public CSkinDialog {
public:
    CMoxCfgDlg();

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* message) override;
    BOOL OnInitDialog() override;
    // Every way of closing the window ends here: the close button, Alt+F4 and WM_CLOSE. With
    // unapplied edits the warning box asks first; its Cancel keeps the window and the edits.
    void OnCancel() override;

    // Shows page 1 to 3; the page already shown stays as it is.
    void ShowPage(int page);

    void ExportCurrentProfile();
    void ImportCurrentProfile();
    // Reads an exported profile into the profile shown, repairs it and applies it.
    void ImportIntoCurrentProfile(const std::wstring& path);
    void ResetActiveProfile();
    void ResetAllProfiles();

    // For the window's tests: what the pages show and the controls they show it with.
    const MainPageState& PageState() const { return state; }
    MainLayout& Layout() { return layout; }
    MainPages& Pages() { return pages; }
    ButtonPage& Buttons() { return pages.buttons; }
    bool HasUnappliedEdits() const { return pages.applied.HasUnappliedEdits(WorkingProfiles); }

protected:
    // OnWindowKey(UINT virtualKey): a key pressed in the window; true when the window took it
    bool OnWindowKey(UINT virtualKey);
    void CreateSkinLayout() override;
    const wchar_t* RegionBitmapName() const override { return L"cfgMainback.bmp"; }
    Gdiplus::Image* BackgroundImage() const override { return layout.Picture(PaintedPicture::Background); }
    void PaintSkin(Gdiplus::Graphics& graphics, HDC dc) override;
    void OnSurfacePressed(int x, int y) override;
    // At a new scale: the controls made again, showing the page and the profile shown before.
    void LayOutAgain() override;
    void ShowStateAgain() override;

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // ApplyProfiles; the profiles saved are then the applied ones.
    void ApplyEdits();
    // The Apply caption in the accent colour while the working profiles hold unapplied edits.
    void ShowUnappliedEdits();
    // Gives the controls of the layout their actions: the window's commands, then the pages'.
    void BindControls();
    void OpenVendorWebPage();

    HICON appIcon = nullptr;    // shared resource icons: the system owns them
    HICON smallIcon = nullptr;  // the icon's own picture of the small icon size (title bar, taskbar)
    MainLayout layout;
    MainPageState state;
    MainPages pages;
    DeviceLink deviceLink;
    bool closeAsked = false;  // the close question is open
};
