// The text input box: asks for one line of at most 20 characters under a title and a prompt.
// The field takes the keyboard focus by itself shortly after the box appears; Enter answers OK
// with the text typed so far, Escape answers Cancel.
#pragma once
#include "skin/CClrEdit.h"
#include "skin/SkinImages.h"
#include "ui/dialogs/CPromptDialog.h"

#include <string>

class CSingleKeyDlg : public CPromptDialog {
public:
    static constexpr int kMaxInputChars = 20;

    CSingleKeyDlg(CWnd* parent, std::wstring titleText, std::wstring messageText);

    // After IDOK: the field's text when OK was chosen.
    std::wstring inputText;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnOK() override;

    CClrEdit& InputField() { return inputField; }

protected:
    void AddControls(std::vector<DialogControl>& controls) override;
    void ConfigureControls() override;
    void PaintSkin(Gdiplus::Graphics& graphics, HDC dc) override;
    // The box stays where it was centred.
    void OnSurfacePressed(int, int) override {}
    void ReleaseSkin() override;

private:
    SkinImage fieldFrame;
    CClrEdit inputField;
};
