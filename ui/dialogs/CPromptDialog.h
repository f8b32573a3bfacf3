// What the text input box and the key dialogs share: a 478 x 292 skinned box with a title, a
// prompt, and OK and Cancel, centred over its owner. The OK button and Enter run OnOK, the Cancel
// button and Escape OnCancel; a subclass adds its own controls and what OK takes from them. The
// title is also the window text.
#pragma once
#include "skin/CBitmapBtn.h"
#include "skin/CSkinDialog.h"
#include "skin/CStaticTrans.h"
#include "skin/DialogImages.h"
#include "ui/dialogs/DialogControl.h"

#include <memory>
#include <string>
#include <vector>

class CPromptDialog : public CSkinDialog {
public:
    static constexpr int kWidth = 478;
    static constexpr int kHeight = 292;

    // The keyboard focus starts on OK; false, since the focus is set.
    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* message) override;

    // For the tests: the controls as a user finds them.
    CBitmapBtn& OkButton() { return okButton; }
    CBitmapBtn& CancelButton() { return cancelButton; }

protected:
    CPromptDialog(UINT templateId, CWnd* parent, std::wstring titleText, std::wstring messageText,
                  SkinPaintDC::Mode paintMode);

    // --- override these ---
    // Adds the subclass's controls to the inventory, where a reader meets them: after the title
    // and the prompt, before OK and Cancel. The images they show are loaded here.
    virtual void AddControls(std::vector<DialogControl>&) {}
    // Once every control exists: what the subclass sets on its own controls.
    virtual void ConfigureControls() {}
    // Where the title and the prompt stand.
    virtual RECT TitleRect() const { return RECT{99, 32, 382, 66}; }
    virtual RECT MessageRect() const { return RECT{45, 86, 433, 124}; }

    // --- not meant to be overridden ---
    void CreateSkinLayout() final;
    Gdiplus::Image* BackgroundImage() const override { return images.Background(); }
    void ReleaseSkin() override { images.Release(); }
    // Shows `text` in place of the prompt; "" shows the prompt again.
    void ShowNotice(const std::wstring& text);
    // Every control, in reading order, as the layout created it.
    const std::vector<DialogControl>& Inventory() const { return inventory; }

    DialogImages images;

private:
    std::wstring titleText, messageText;
    CBitmapBtn okButton, cancelButton;
    std::unique_ptr<CStaticTrans> titleLabel, messageLabel;
    std::vector<DialogControl> inventory;
};
