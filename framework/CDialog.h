// Dialog created from a dialog template, run modally (own message loop, owner disabled) or modeless.
#pragma once
#include "framework/CWnd.h"

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);

    // Runs the dialog modally; returns the value given to EndDialog (also from OnInitDialog), or -1
    // when it could not be created or its OnInitDialog threw.
    INT_PTR DoModal();
    // Creates the dialog modeless with `parent` as owner (null keeps the constructor's parent).
    BOOL Create(CWnd* parent = nullptr);
    // Modal: leaves the loop with `result`. Modeless: destroys the window.
    void EndDialog(int result);
    bool IsModal() const { return modalRunning; }

    // --- override these ---
    virtual BOOL OnInitDialog() { return TRUE; }
    // Called by the modal loop for every message before dialog processing; true consumes it.
    virtual BOOL PreTranslateMessage(MSG* message);
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

protected:
    UINT templateId;
    CWnd* parentWindow;  // borrowed

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    BOOL HandleInitDialog();
    HWND CreateFromTemplate(HWND owner);

    bool modalRunning = false;
    INT_PTR modalResult = -1;
};
