// The macro editor's look: its controls, the images they show and the table that places them,
// one row per control in reading order (the title; the macro panel; the event panel with its
// totals and recording buttons; the options and event commands; OK and Cancel). The editor
// (CMacroDlg) gives them their behaviour.
#pragma once
#include "skin/CBitmapBtn.h"
#include "skin/CClrEdit.h"
#include "skin/CListBoxEx.h"
#include "skin/CStaticTrans.h"
#include "skin/DialogImages.h"
#include "skin/GdiObject.h"
#include "skin/SkinImages.h"
#include "ui/dialogs/DialogControl.h"

#include <memory>
#include <vector>

class MacroDlgLayout {
public:
    static constexpr int kWidth = 757;
    static constexpr int kHeight = 582;

    MacroDlgLayout();

    // Loads the images and creates every control of the inventory on `dialog`.
    // Everything at the dialog's scale: rectangles, pictures, fonts and the painted panels.
    void Create(CWnd& dialog, const DisplayScale& dialogScale);
    // Releases the images; the controls go with their windows.
    void Release();
    // The outlines of the three panels and the line between the first two.
    void PaintPanels(Gdiplus::Graphics& graphics) const;

    Gdiplus::Image* Background() const { return images.Background(); }
    // Every control, in reading order, as Create made it.
    const std::vector<DialogControl>& Inventory() const { return inventory; }

    std::unique_ptr<CStaticTrans> titleLabel;
    std::unique_ptr<CStaticTrans> macroListHeading;
    CListBoxEx macroList;
    CBitmapBtn newMacroButton, deleteMacroButton;
    std::unique_ptr<CStaticTrans> eventListHeading, actionHeading, keyHeading, delayHeading;
    CListBoxEx eventList;
    std::unique_ptr<CStaticTrans> totalTimeCaption, totalTimeLabel, totalTimeUnit;
    std::unique_ptr<CStaticTrans> eventCountCaption, eventCountLabel, eventCountLimit;
    CBitmapBtn recordButton, stopButton;
    std::unique_ptr<CStaticTrans> optionsHeading;
    CBitmapBtn recordDelayBox;
    std::unique_ptr<CStaticTrans> recordDelayLabel;
    CBitmapBtn fixedDelayBox;
    std::unique_ptr<CStaticTrans> fixedDelayLabel;
    CClrEdit fixedDelayEdit;
    std::unique_ptr<CStaticTrans> fixedDelayUnit;
    CBitmapBtn loopCountBox;
    std::unique_ptr<CStaticTrans> loopCountLabel;
    CClrEdit loopCountEdit;
    CBitmapBtn loopSecondBox;
    std::unique_ptr<CStaticTrans> loopSecondLabel, editEventsHeading;
    CBitmapBtn insertRecordButton, deleteEventButton, moveUpButton, moveDownButton;
    CBitmapBtn copyButton, cutButton, pasteButton, mouseClickButton;
    CBitmapBtn okButton, cancelButton;

    // Whether `window` is one of the editor's buttons or check boxes.
    bool IsButton(HWND window) const;

private:
    void LoadImages();
    std::vector<DialogControl> Controls();
    void ConfigureLists(HWND dialog);
    void ConfigureCheckBoxes();

    DialogImages images;
    SkinImage boxClear, boxTicked, startNormal, startActive, stopNormal, stopActive;
    GdiObject<HFONT> editFont;
    std::vector<DialogControl> inventory;
    DisplayScale scale;
};
