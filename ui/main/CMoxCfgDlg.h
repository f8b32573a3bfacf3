// The tool's main window: a frameless dialog run modally by the application object.
#pragma once
#include "framework/CDialog.h"

class CMoxCfgDlg : public CDialog {
public:
    CMoxCfgDlg();
    ~CMoxCfgDlg() override;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* message) override;
    BOOL OnInitDialog() override;

private:
    int OnCreate();
    void OnPaint();
    void OnLButtonDown(int x, int y);

    HICON appIcon = nullptr;
};
