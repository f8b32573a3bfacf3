// The macro editor: a skinned modal dialog in which the user creates and deletes macros, records
// keys into them through the input hook library, edits their events and sets their loop and
// delay options. Every change is written at once to the selected macro's file and reported to the
// device service; OK and Cancel differ only in their result.
#pragma once
#include "device/DeviceService.h"
#include "macro/HookFunctions.h"
#include "macro/MacroEventEditor.h"
#include "macro/MacroLibrary.h"
#include "macro/MacroSettings.h"
#include "skin/CBmpMenu.h"
#include "skin/CSkinDialog.h"
#include "text/TextIds.h"
#include "ui/dialogs/MacroDlgLayout.h"

#include <memory>
#include <string>

// The recording state every macro editor of the process shares.
MacroRecordingState& ProcessRecordingState();

class CMacroDlg : public CSkinDialog {
public:
    explicit CMacroDlg(CWnd* parent);

    // The results of the OK and Cancel buttons.
    static constexpr int kOkResult = 1;
    static constexpr int kCancelResult = 16;

    // The keyboard focus starts on the macro list; false, since the focus is set.
    BOOL OnInitDialog() override;
    // Closing the window while recording stops the recording first.
    void OnCancel() override;
    BOOL PreTranslateMessage(MSG* message) override;
    // Any command closes the mouse button menu before the control handles it.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    void LoadSelectedMacro();
    // False, after a warning box, when the file could not be written; false for no selection.
    bool SaveSelectedMacro();
    void NotifyMacroChanged();
    void NotifyMacroButtons();
    void UpdateTotals();
    void UpdateEnabling();

protected:
    // --- override these (the tests answer the boxes the editor asks) ---
    // A notice in the warning box under the usual title.
    virtual void ShowNotice(TextId::Warning message);
    // The delete confirmation; true for OK.
    virtual bool ConfirmDelete();
    // The text input box for a new macro's name; false when cancelled.
    virtual bool AskMacroName(std::wstring& name);

    void CreateSkinLayout() override;
    const wchar_t* RegionBitmapName() const override { return L"cfgMainback3.bmp"; }
    Gdiplus::Image* BackgroundImage() const override { return layout.Background(); }
    void PaintSkin(Gdiplus::Graphics& graphics, HDC dc) override;
    void OnSurfacePressed(int x, int y) override;
    void ReleaseSkin() override;
    // A recording stops first and keeps what it took, as Stop does; the macro shown stays shown.
    void LayOutAgain() override;

    MacroDlgLayout layout;
    std::unique_ptr<CBmpMenu> mouseMenu;

    MacroEventEditor editor;
    int delayType = DELAY_NONE;

private:
    // Gives every control of the layout its click.
    void BindControls();

    std::wstring SelectedMacroName() const;
    // The macro as the editor shows it: its options and events.
    MacroSettings ShownSettings() const;
    void FillMacroList();
    // Shows the editor's rows; `selection` as the editor's commands return it.
    void ShowRows(int selection);
    // After an event command changed the events: shows them and saves them.
    void ShowChangedRows(int selection);
    void SaveAndNotify();
    void SetLoopOptions(int loopType, const std::wstring& loopCount);
    void SetDelayOptions(int type);
    int LoopType() const;
    void CloseMouseMenu();
    void SetRecordingLocked(bool locked);
    void TellIfServiceRefused(ServiceReply reply);

    void OnDelayBox(bool record);
    void OnLoopBox(bool count);
    void OnLoopCountKeyUp();
    void NewMacro();
    void DeleteMacro();
    void StartRecording(bool insert);
    void StopRecording();
    void OpenMouseMenu();
    void OnMenuPick(int itemId);
    // True when the key was recorded.
    bool OnHookKey(WPARAM vk, LPARAM flags);
    void OnValueEdited(int milliseconds, int row);

    MacroLibrary library;
    HookFunctions hook;
    bool recording = false;  // from the record buttons to StopRecording
    bool serviceRefusalTold = false;
};
