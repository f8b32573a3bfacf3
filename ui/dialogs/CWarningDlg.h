// The tool's message box: a skinned modal box with a warning picture, a title, a message, a
// note, and OK and Cancel. Enter anywhere in the box answers OK; Escape answers Cancel.
#pragma once
#include "skin/CBitmapBtn.h"
#include "skin/CSkinDialog.h"
#include "skin/CStaticTrans.h"
#include "skin/DialogImages.h"
#include "skin/SkinImages.h"

#include <memory>
#include <string>

class CWarningDlg : public CSkinDialog {
public:
    CWarningDlg(CWnd* parent, std::wstring titleText, std::wstring messageText, std::wstring noteText);

    BOOL PreTranslateMessage(MSG* message) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    static constexpr int kWidth = 478;
    static constexpr int kHeight = 292;

protected:
    void CreateSkinLayout() override;
    Gdiplus::Image* BackgroundImage() const override { return images.Background(); }
    void PaintSkin(Gdiplus::Graphics& graphics, HDC dc) override;
    // The box stays where it was centred.
    void OnSurfacePressed(int, int) override {}
    void ReleaseSkin() override;

private:
    std::wstring titleText, messageText, noteText;
    DialogImages images;
    SkinImage warning;
    CBitmapBtn okButton, cancelButton;
    std::unique_ptr<CStaticTrans> titleLabel, messageLabel, noteLabel;
};
