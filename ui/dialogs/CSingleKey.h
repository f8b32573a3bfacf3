// The single-key dialog: the user presses a key, or left-hand modifiers and one key, and the
// dialog shows their names; OK, or Enter once every key is released, accepts them (KeyCapture
// holds the rule). Keys come from the input hook library, so Tab, Enter, Escape, the Windows keys
// and the like are captured too. The caller seeds `capture` from the button record before DoModal
// and reads it after IDOK.
#pragma once
#include "keys/KeyCapture.h"
#include "macro/HookFunctions.h"
#include "ui/dialogs/CPromptDialog.h"

#include <string>

class CSingleKey : public CPromptDialog {
public:
    // `singleKeyOnly`: every key replaces the one shown; otherwise a key combination.
    CSingleKey(CWnd* parent, std::wstring titleText, std::wstring messageText, bool singleKeyOnly);

    KeyCapture capture;

    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* message) override;
    // Without a key captured since the dialog opened, OK cancels: the record keeps what was shown.
    void OnOK() override;

    CBitmapBtn& KeyDisplay() { return keyDisplay; }

protected:
    // --- override these ---
    virtual RECT KeyDisplayRect() const { return RECT{81, 145, 382, 171}; }
    // Add the key display; a click on it starts the capture again. A subclass calls them where
    // its own controls meet the key display.
    void AddControls(std::vector<DialogControl>& controls) override;
    void ConfigureControls() override;
    void ShowStateAgain() override;

    // --- not meant to be overridden ---
    const wchar_t* RegionBitmapName() const override { return L"cfgMainback2.bmp"; }
    // Switches the hook's reports on or off; while they are on, the keys are the hook's alone.
    void ReportKeys(bool on);
    void ShowKeys(const std::wstring& text);

    HookFunctions hook;

private:
    // 1 when the dialog used the event.
    LRESULT OnHookKey(int vk, int flags);

    bool reporting = false;
    CBitmapBtn keyDisplay;
    std::wstring shownKeys;  // what keyDisplay shows
};
