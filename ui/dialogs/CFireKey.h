// The rapid-fire dialog: the single-key dialog with a choice of what the mouse button repeats
// (the left, right or middle button, or a captured keyboard key) and two numbers, the repeat
// count and speed. Keys are captured only while the keyboard choice is ticked and neither number
// field has the focus, so digits typed into a field are never taken as the key.
#pragma once
#include "skin/CClrEdit.h"
#include "skin/SkinImages.h"
#include "ui/dialogs/CSingleKey.h"

#include <array>
#include <memory>

class CFireKey : public CSingleKey {
public:
    static constexpr int kKeyboardTarget = 3;
    static constexpr std::uint8_t kLeftButton = 0xF0;  // then the right and the middle button
    static constexpr int kMaxDigits = 3;

    CFireKey(CWnd* parent, std::wstring titleText, std::wstring messageText);

    // Seeded by the caller, read after IDOK. After IDOK capture.singleKeyHid holds the captured
    // key's HID usage, or kLeftButton + fireTarget for a mouse button.
    int fireTarget = 0;  // 0 left, 1 right, 2 middle button, 3 keyboard key
    int fireCount = 2;
    int fireSpeed = 60;

    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Takes the numbers; OK needs no key for a mouse button, and cancels for the keyboard without
    // a key shown.
    void OnOK() override;

    CBitmapBtn& OptionBox(int target) { return optionBoxes[static_cast<size_t>(target)]; }
    CClrEdit& CountField() { return countField; }
    CClrEdit& SpeedField() { return speedField; }

protected:
    RECT KeyDisplayRect() const override { return RECT{60, 165, 159, 191}; }
    void AddControls(std::vector<DialogControl>& controls) override;
    void ConfigureControls() override;
    void ReleaseSkin() override;

private:
    void OnOptionBox(int target);
    void SelectTarget(int target);
    void ForgetKey();
    // `change`: 1 a number field gained the focus, 2 one lost it.
    void OnEditFocus(int change);

    int editFocusCount = 0;
    SkinImage boxImage, tickedImage;
    std::array<CBitmapBtn, 4> optionBoxes;
    CClrEdit countField, speedField;
    std::unique_ptr<CStaticTrans> countLabel, speedLabel;
};
