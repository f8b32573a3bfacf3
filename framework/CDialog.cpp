#include "framework/CDialog.h"

CDialog::CDialog(UINT templateId, CWnd* parent) : templateId(templateId), parentWindow(parent) {}

HWND CDialog::CreateFromTemplate(HWND owner) {
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    HRSRC resource = ::FindResourceW(instance, MAKEINTRESOURCEW(templateId), MAKEINTRESOURCEW(5) /* RT_DIALOG */);
    HGLOBAL loaded = resource ? ::LoadResource(instance, resource) : nullptr;
    auto* dialogTemplate = loaded ? static_cast<const DLGTEMPLATE*>(::LockResource(loaded)) : nullptr;
    if (!dialogTemplate) return nullptr;
    WindowCreationHook hook(this);
    return ::CreateDialogIndirectParamW(instance, dialogTemplate, owner, DialogProc, 0);
}

BOOL CDialog::Create(CWnd* parent) {
    if (parent) parentWindow = parent;
    return CreateFromTemplate(parentWindow ? parentWindow->m_hWnd : nullptr) && m_hWnd;
}

INT_PTR CDialog::DoModal() {
    HWND owner = parentWindow ? parentWindow->m_hWnd : nullptr;
    bool ownerWasEnabled = owner && ::IsWindowEnabled(owner);
    if (ownerWasEnabled) ::EnableWindow(owner, FALSE);

    modalResult = -1;
    // Already modal while it initialises, so that an EndDialog there ends the loop before it
    // starts; a dialog destroyed during initialisation leaves m_hWnd null and never runs.
    modalRunning = true;
    if (CreateFromTemplate(owner) && m_hWnd) {
        if (modalRunning) ShowWindow(SW_SHOWNORMAL);
        MSG message;
        while (modalRunning) {
            BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
            if (got <= 0) {
                // WM_QUIT ends every loop; put it back for the outer one.
                if (got == 0) ::PostQuitMessage(static_cast<int>(message.wParam));
                modalRunning = false;
                break;
            }
            if (!PreTranslateMessage(&message)) {
                ::TranslateMessage(&message);
                ::DispatchMessageW(&message);
            }
        }
    }
    modalRunning = false;
    if (ownerWasEnabled) {
        ::EnableWindow(owner, TRUE);
        ::SetActiveWindow(owner);
    }
    DestroyWindow();
    return modalResult;
}

void CDialog::EndDialog(int result) {
    if (modalRunning) {
        modalResult = result;
        modalRunning = false;
        PostMessage(WM_NULL);
    } else {
        DestroyWindow();
    }
}

BOOL CDialog::PreTranslateMessage(MSG* message) {
    return m_hWnd && ::IsDialogMessageW(m_hWnd, message);
}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (CWnd::OnCommand(wParam, lParam)) return TRUE;
    if (lParam == 0 || HIWORD(wParam) == BN_CLICKED) {
        switch (LOWORD(wParam)) {
        case IDOK: OnOK(); return TRUE;
        case IDCANCEL: OnCancel(); return TRUE;
        default: break;
        }
    }
    return FALSE;
}

BOOL CDialog::HandleInitDialog() {
    // A dialog that places itself during initialisation stays there; otherwise it is centred
    // over its owner (or the screen) before it is first shown.
    RECT before = GetWindowRect();
    BOOL result = OnInitDialog();
    RECT after = GetWindowRect();
    if (::EqualRect(&before, &after)) CenterWindow();
    return result;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM, LPARAM) {
    if (message != WM_INITDIALOG) return FALSE;
    auto* dialog = dynamic_cast<CDialog*>(FromHandle(hwnd));
    try {
        return dialog ? dialog->HandleInitDialog() : TRUE;
    } catch (...) {
        // A half-initialised dialog must not run; its creation then counts as failed.
        ::DestroyWindow(hwnd);
        return FALSE;
    }
}
