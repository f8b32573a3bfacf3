// The function menu of the button page: opened by a click on a row, answered as its items and
// the key dialogs answer.
#include "macro/MacroFile.h"
#include "macro/MacroLibrary.h"
#include "support/MenuClicks.h"
#include "text/LocalisedText.h"
#include "ui/dialogs/CFireKey.h"
#include "ui/dialogs/CMacroDlg.h"
#include "ui/dialogs/CSingleKey.h"
#include "ui/dialogs/CWarningDlg.h"
#include "functions/ButtonCaption.h"
#include "functions/FunctionMenu.h"
#include "window/MainWindowFixture.h"

#include <utility>

namespace {
class FunctionMenuTest : public MainWindowTest {
protected:
    static LPARAM Pick(int code, int id) {
        return static_cast<LPARAM>((static_cast<DWORD>(code) << 16) | static_cast<DWORD>(id & 0xFFFF));
    }

    // Opens the menu of `row` and posts its choice, as a click on the item would.
    void Choose(int row, int code, int id = 0) {
        Click(Layout().functionButtons[row]);
        ASSERT_NE(nullptr, window->Buttons().OpenMenu());
        window->PostMessage(WM_MENU_PICK, 0, Pick(code, id));
        PumpMessages();
    }

    // Rests the mouse on main item `index` and returns the sub-menu that opens beside it.
    HWND OpenSubMenu(int index) { return ::OpenSubMenu(window->Buttons().OpenMenu()->m_hWnd, index); }

    std::wstring Caption(int row) { return Text(Layout().functionButtons[row]); }

    // Every button of the profile shown back on its default function.
    void RestoreDefaultFunctions() {
        for (int b = 0; b < kButtonCount; ++b) Shown().Buttons[b].ButtonFunc = kDefaultButtonFuncs[b];
        window->Buttons().RefreshButtonLabels();
    }

    void WriteMacros(const std::vector<std::wstring>& names) {
        ::wcscpy_s(DataFolder, kFolderChars, dataFolder.c_str());
        MacroLibrary().WriteMacroList(names);
    }
};

TEST_F(FunctionMenuTest, PrimaryRuleAndTheCodesStored) {
    struct Case {
        int row;
        int code;
        int id;
        bool warned;
        int record;
        int stored;
    };
    const Case cases[] = {
        // Only record 0 is on code 1: any other choice for it warns and keeps 1.
        {0, 2, 0, true, 0, 1},          {0, 8, 17, true, 0, 1},   {0, 6, 0, true, 0, 1},
        {0, 1, 0, false, 0, 1},
        // A sub-menu's item stores its own code, never the sub-menu's.
        {1, 8, 17, false, 1, 17},       {1, 9, 38, false, 1, 38}, {1, 10, 39, false, 1, 39},
        {1, 13, 47, false, 1, 47},      {1, 15, 55, false, 1, 55}, {1, 15, 51, false, 1, 51},
        // Every top-level code without a sub-menu stores itself.
        {1, 1, 0, false, 1, 1},         {1, 3, 0, false, 1, 3},   {1, 4, 0, false, 1, 4},
        {1, 5, 0, false, 1, 5},         {1, 52, 0, false, 1, 52}, {1, 53, 0, false, 1, 53},
        {1, 14, 0, false, 1, 14},       {1, 54, 0, false, 1, 54}, {1, 16, 0, false, 1, 16},
        // The fourth row edits record 7.
        {3, 14, 0, false, 7, 14},
        // The macro editor entry opens the editor and changes no record.
        {1, 11, 0xFFFF, false, 1, 2},
    };
    WriteProfiles([](ProfileSet&) {});
    Open();
    for (const Case& c : cases) {
        RestoreDefaultFunctions();
        bool warned = false;
        bool editorShown = false;
        RunInNextModalLoop([&] {
            CWarningDlg* box = ShownDialog<CWarningDlg>();
            warned = box != nullptr;
            if (box) box->PostMessage(WM_KEYDOWN, VK_RETURN, 0);
            CMacroDlg* editor = ShownDialog<CMacroDlg>();
            editorShown = editor != nullptr;
            if (editor) editor->EndDialog(CMacroDlg::kCancelResult);
        });
        Choose(c.row, c.code, c.id);
        ForgetModalScript();
        EXPECT_EQ(c.warned, warned) << c.code << " " << c.id;
        EXPECT_EQ(c.id == kMacroEditorEntryId, editorShown) << c.code << " " << c.id;
        EXPECT_EQ(c.stored, Shown().Buttons[c.record].ButtonFunc) << c.code << " " << c.id;
        EXPECT_EQ(ButtonCaption(Shown().Buttons[c.record]), Caption(c.row)) << c.code << " " << c.id;
        EXPECT_EQ(nullptr, window->Buttons().OpenMenu());
        EXPECT_EQ(-1, window->Buttons().EditedButton());
    }
}

TEST_F(FunctionMenuTest, SubMenuItemPickedWithTheMouse) {
    WriteProfiles([](ProfileSet&) {});
    Open();
    Click(Layout().functionButtons[1]);
    HWND basic = OpenSubMenu(9);
    ASSERT_NE(nullptr, basic);
    HWND first = MenuItemButton(basic, 0, 1);
    EXPECT_EQ(GetFunctionName(17), CWnd::FromHandle(first)->GetWindowText());
    ClickMenuItem(first);
    EXPECT_EQ(17, Shown().Buttons[1].ButtonFunc);
    EXPECT_EQ(GetFunctionName(17), Caption(1));
    EXPECT_EQ(nullptr, window->Buttons().OpenMenu());
}

TEST_F(FunctionMenuTest, MacroSubMenuListsTheLibraryAndItsTwelfthMacroIsSlot11) {
    std::vector<std::wstring> names;
    for (int slot = 0; slot < 12; ++slot) names.push_back(L"M" + std::to_wstring(slot));
    WriteProfiles([](ProfileSet&) {});
    WriteMacros(names);
    MacroSettings settings;
    settings.loopCountText = L"7";
    SaveMacroFile(MacroFilePath(L"M11"), settings);
    Open();
    Click(Layout().functionButtons[2]);
    HWND macros = OpenSubMenu(12);
    ASSERT_NE(nullptr, macros);
    std::vector<std::wstring> listed;
    for (int k = 0; k < 13; ++k) listed.push_back(CWnd::FromHandle(MenuItemButton(macros, k, 1))->GetWindowText());
    std::vector<std::wstring> expected{GetMacroMenuLabel()};
    expected.insert(expected.end(), names.begin(), names.end());
    EXPECT_EQ(expected, listed);

    ClickMenuItem(MenuItemButton(macros, 12, 1));
    const ButtonAssignment& record = Shown().Buttons[2];
    EXPECT_EQ(11, record.ButtonFunc);
    EXPECT_EQ(11, record.KeyNumber);
    EXPECT_EQ(7, record.LoopNumber);
    EXPECT_EQ(L"M11", Caption(2));
}

TEST_F(FunctionMenuTest, KeyDialogsGiveTheCaptions) {
    struct Case {
        int code;
        std::vector<std::pair<int, int>> events;  // virtual key, flags
        const wchar_t* caption;
        int stored;
    };
    // Each case's first event differs from the last of the case before, which the dialog remembers.
    const Case cases[] = {
        {7, {{0xA2, 0}, {'C', 0}, {'C', 0x80}, {0xA2, 0x80}}, L"Ctrl + C", 7},
        {7, {{'C', 0}, {0xA2, 0}, {0xA2, 0x80}, {'C', 0x80}}, L"Ctrl + C", 7},
        {6, {{65, 0}}, L"A", 6},
        {6, {{108, 0}}, L"Enter", 6},
    };
    WriteProfiles([](ProfileSet&) {});
    Open();
    for (const Case& c : cases) {
        RunInNextModalLoop([&] {
            CSingleKey* dialog = ShownDialog<CSingleKey>();
            if (!dialog) return;
            for (auto [vk, flags] : c.events) dialog->SendMessage(WM_HOOK_KEY, vk, flags);
            Click(dialog->OkButton());
        });
        Choose(1, c.code);
        EXPECT_EQ(c.stored, Shown().Buttons[1].ButtonFunc) << c.caption;
        EXPECT_EQ(c.caption, Caption(1));
    }
}

// The mouse may switch the profile, or the files be reloaded, while a key dialog is open: the
// result goes to the button of the profile the dialog was opened for, under that profile's rule of
// one primary button as it stands when the dialog ends, and the pages show the new profile.
TEST_F(FunctionMenuTest, ADialogsResultGoesToTheProfileItWasOpenedFor) {
    struct Case {
        const char* what;
        int code;
        std::vector<std::pair<int, int>> events;  // virtual key, flags
        bool reloadWithButtonPrimary;              // the files now make record 1 the only primary
        int stored;                                // ButtonFunc of record 1 of profile 1 afterwards
    };
    const Case cases[] = {
        {"single key", 6, {{'B', 0}, {'B', 0x80}}, false, 6},
        {"key combination", 7, {{0xA2, 0}, {'X', 0}, {'X', 0x80}, {0xA2, 0x80}}, false, 7},
        {"rapid fire", 12, {{'N', 0}, {'N', 0x80}}, false, 12},
        {"the last primary button", 6, {{'M', 0}, {'M', 0x80}}, true, 1},
    };
    for (const Case& c : cases) {
        WriteProfiles([](ProfileSet&) {});
        Open();
        bool warned = false;
        RunInNextModalLoop([&] {
            CSingleKey* dialog = ShownDialog<CSingleKey>();
            if (!dialog) return;
            if (c.reloadWithButtonPrimary) {
                WriteProfiles([](ProfileSet& set) {
                    set.Profiles[0].Buttons[0].ButtonFunc = 2;
                    set.Profiles[0].Buttons[1].ButtonFunc = 1;
                });
                window->SendMessage(WM_DEVICE_SETTING, SETTING_RELOAD, 0);
            }
            window->SendMessage(WM_DEVICE_SETTING, SETTING_PROFILE, 1);
            if (c.code == 12) Click(static_cast<CFireKey*>(dialog)->OptionBox(3));
            for (auto [vk, flags] : c.events) dialog->SendMessage(WM_HOOK_KEY, vk, flags);
            RunInNextModalLoop([&] {
                CWarningDlg* box = ShownDialog<CWarningDlg>();
                warned = box != nullptr;
                if (box) box->PostMessage(WM_KEYDOWN, VK_RETURN, 0);
            });
            Click(dialog->OkButton());
        });
        Choose(1, c.code);
        ForgetModalScript();
        EXPECT_EQ(c.stored, WorkingProfiles.Profiles[0].Buttons[1].ButtonFunc) << c.what;
        EXPECT_EQ(c.reloadWithButtonPrimary, warned) << c.what;
        EXPECT_EQ(kDefaultButtonFuncs[1], WorkingProfiles.Profiles[1].Buttons[1].ButtonFunc)
            << c.what << ": the profile switched to keeps its button";
        EXPECT_EQ(1, window->PageState().currentProfile) << c.what;
        EXPECT_EQ(GetFunctionName(kDefaultButtonFuncs[1]), Caption(1)) << c.what << ": the labels show profile 2";
        window.reset();
        PumpMessages();
    }
}

TEST_F(FunctionMenuTest, AProfileSwitchFromTheMouseClosesTheMenu) {
    WriteProfiles([](ProfileSet&) {});
    Open();
    Click(Layout().functionButtons[1]);
    ASSERT_NE(nullptr, window->Buttons().OpenMenu());
    window->SendMessage(WM_DEVICE_SETTING, SETTING_PROFILE, 1);
    PumpMessages();
    EXPECT_EQ(nullptr, window->Buttons().OpenMenu());
    EXPECT_EQ(-1, window->Buttons().EditedButton());
    window->PostMessage(WM_MENU_PICK, 0, Pick(14, 0));
    PumpMessages();
    for (int profile : {0, 1}) EXPECT_EQ(2, WorkingProfiles.Profiles[profile].Buttons[1].ButtonFunc) << profile;
}

TEST_F(FunctionMenuTest, CancelLeavesTheRecord) {
    WriteProfiles([](ProfileSet& set) {
        set.Profiles[0].Buttons[1].ButtonFunc = 6;
        set.Profiles[0].Buttons[1].KeyData[0] = 0x04;
    });
    Open();
    for (int code : {6, 7, 12}) {
        RunInNextModalLoop([&] {
            CSingleKey* dialog = ShownDialog<CSingleKey>();
            if (!dialog) return;
            dialog->SendMessage(WM_HOOK_KEY, 'B', 0);
            Click(dialog->CancelButton());
        });
        Choose(1, code);
        EXPECT_EQ(6, Shown().Buttons[1].ButtonFunc) << code;
        EXPECT_EQ(0x04, Shown().Buttons[1].KeyData[0]) << code;
        EXPECT_EQ(L"A", Caption(1));
    }
}

TEST_F(FunctionMenuTest, AChoiceWhileAnotherPageShowsIsIgnored) {
    WriteProfiles([](ProfileSet&) {});
    Open();
    Click(Layout().functionButtons[1]);
    window->ShowPage(2);
    window->PostMessage(WM_MENU_PICK, 0, Pick(14, 0));
    PumpMessages();
    EXPECT_EQ(2, Shown().Buttons[1].ButtonFunc);
}

TEST_F(FunctionMenuTest, RapidFireOpensOnTheRecordsTrigger) {
    struct Case {
        int firstKeyByte;
        int checkedBox;
        const wchar_t* count;
        const wchar_t* speed;
        const wchar_t* key;
    };
    const Case cases[] = {
        {0xF0, 0, L"9", L"40", L""}, {0xF1, 1, L"9", L"40", L""}, {0xF2, 2, L"9", L"40", L""},
        {0x06, 3, L"9", L"40", L"C"},
        {0x00, 0, L"3", L"0", L""},  // nothing set yet
    };
    WriteProfiles([](ProfileSet&) {});
    Open();
    for (const Case& c : cases) {
        ButtonAssignment& record = Shown().Buttons[1];
        record.KeyData[0] = static_cast<std::uint8_t>(c.firstKeyByte);
        record.LoopNumber = 9;
        SetMacroNameText(record, L"40");
        std::vector<int> checked;
        std::wstring count, speed, key;
        RunInNextModalLoop([&] {
            CFireKey* dialog = ShownDialog<CFireKey>();
            if (!dialog) return;
            for (int t = 0; t < 4; ++t) checked.push_back(dialog->OptionBox(t).checked);
            count = dialog->CountField().GetWindowText();
            speed = dialog->SpeedField().GetWindowText();
            key = dialog->KeyDisplay().GetWindowText();
            Click(dialog->CancelButton());
        });
        Choose(1, 12);
        std::vector<int> expected(4, 0);
        expected[c.checkedBox] = 1;
        EXPECT_EQ(expected, checked) << c.firstKeyByte;
        EXPECT_EQ(c.count, count) << c.firstKeyByte;
        EXPECT_EQ(c.speed, speed) << c.firstKeyByte;
        EXPECT_EQ(c.key, key) << c.firstKeyByte;
    }
}

TEST_F(FunctionMenuTest, RapidFireCountAbove255IsStoredAs255) {
    WriteProfiles([](ProfileSet&) {});
    Open();
    RunInNextModalLoop([&] {
        CFireKey* dialog = ShownDialog<CFireKey>();
        if (!dialog) return;
        Click(dialog->OptionBox(3));
        dialog->SendMessage(WM_HOOK_KEY, 'C', 0);
        dialog->CountField().SetWindowText(L"999");
        dialog->SpeedField().SetWindowText(L"30");
        Click(dialog->OkButton());
    });
    Choose(4, 12);
    const ButtonAssignment& record = Shown().Buttons[3];
    EXPECT_EQ(12, record.ButtonFunc);
    EXPECT_EQ(0x06, record.KeyData[0]);
    EXPECT_EQ(255, record.LoopNumber) << "not 999 cut to its low byte, 231";
    EXPECT_EQ(L"30", MacroNameText(record));

    std::wstring shown;
    RunInNextModalLoop([&] {
        CFireKey* dialog = ShownDialog<CFireKey>();
        if (!dialog) return;
        shown = dialog->CountField().GetWindowText();
        Click(dialog->CancelButton());
    });
    Choose(4, 12);
    EXPECT_EQ(L"255", shown);
}

TEST_F(FunctionMenuTest, MacroButtonKeepsItsMacroWhenAnEarlierOneIsDeleted) {
    WriteProfiles([](ProfileSet& set) {
        ButtonAssignment& record = set.Profiles[0].Buttons[1];
        record.ButtonFunc = 11;
        record.KeyNumber = 2;
        SetMacroNameText(record, L"Combo");
    });
    WriteMacros({L"Jump", L"Reload", L"Combo"});
    Open();
    EXPECT_EQ(L"Combo", Caption(1));

    WriteMacros({L"Jump", L"Combo"});
    window->Buttons().RefreshButtonLabels();
    EXPECT_EQ(L"Combo", Caption(1));
    EXPECT_EQ(1, Shown().Buttons[1].KeyNumber);

    WriteMacros({L"Jump"});
    window->Buttons().RefreshButtonLabels();
    EXPECT_EQ(GetFunctionName(16), Caption(1));
    EXPECT_EQ(16, Shown().Buttons[1].ButtonFunc);
}
}  // namespace
