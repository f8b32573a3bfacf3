// The single-key dialog: the user presses a key, or left-hand modifiers and one key, and the
// dialog shows their names; OK accepts them. Keys come from the input hook library, so Tab, the
// Windows keys and the like are captured too. The caller seeds `capture` from the button record
// before DoModal and reads it after IDOK.
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
    // Without a key pressed since the dialog opened, OK cancels.
    void OnOK() override;

    CBitmapBtn& KeyDisplay() { return keyDisplay; }

protected:
    // The fire-key dialog shares the capture but keeps its own memory of the last key event.
    CSingleKey(CWnd* parent, std::wstring titleText, std::wstring messageText, bool singleKeyOnly,
               LastHookEvent& lastEvent);

    // --- override these ---
    virtual RECT KeyDisplayRect() const { return RECT{81, 145, 382, 171}; }

    void CreateControls() override;
    const wchar_t* RegionBitmapName() const override { return L"cfgMainback2.bmp"; }

    HookFunctions hook;

private:
    // OnHookKey(int vk, int flags): 1 when the key display changed
    LRESULT OnHookKey(int vk, int flags);

    CBitmapBtn keyDisplay;
};
