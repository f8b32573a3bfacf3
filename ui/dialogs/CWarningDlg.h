// The tool's message box: a skinned modal box with a warning picture, a title, a message, a
// note, and OK and Cancel. Enter anywhere in the box answers OK; Escape answers Cancel.
#pragma once
#include "skin/SkinImages.h"
#include "ui/dialogs/CPromptDialog.h"

#include <memory>
#include <string>

class CWarningDlg : public CPromptDialog {
public:
    CWarningDlg(CWnd* parent, std::wstring titleText, std::wstring messageText, std::wstring noteText);

protected:
    RECT TitleRect() const override { return RECT{103, 42, 376, 69}; }
    RECT MessageRect() const override { return RECT{127, 103, 405, 141}; }
    void AddControls(std::vector<DialogControl>& controls) override;
    void PaintSkin(Gdiplus::Graphics& graphics, HDC dc) override;
    // The box stays where it was centred.
    void OnSurfacePressed(int, int) override {}
    void ReleaseSkin() override;

private:
    std::wstring noteText;
    SkinImage warning;
    std::unique_ptr<CStaticTrans> noteLabel;
};
