// Closing the main window with edits that were never applied asks first; with nothing unapplied
// it asks nothing. The Apply caption shows the unapplied state meanwhile.
#include "MainWindowFixture.h"

#include "text/LocalisedText.h"
#include "ui/dialogs/CWarningDlg.h"

#include <functional>
#include <string>

namespace {
constexpr COLORREF kWhite = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF kAccent = RGB(0x00, 0xB4, 0xF0);

struct ClosePath {
    const char* name;
    std::function<void(MainWindowTest&)> close;
};

const ClosePath kClosePaths[] = {
    {"the close button", [](MainWindowTest& t) { Click(t.Layout().closeButton); }},
    {"WM_CLOSE", [](MainWindowTest& t) { t.window->SendMessage(WM_CLOSE); PumpMessages(); }},
    {"Alt+F4 (SC_CLOSE)", [](MainWindowTest& t) { t.window->SendMessage(WM_SYSCOMMAND, SC_CLOSE); PumpMessages(); }},
};

// A polling rate other than the factory's 500 reports a second.
void EditPollingRate(MainWindowTest& t) { Click(t.Layout().pollingButtons[0]); }

// Notes the title of the warning box the next modal loop shows ("" when none came), then clicks
// its OK or Cancel.
void AnswerNextBox(std::wstring& title, bool ok) {
    title.clear();
    RunInNextModalLoop([&title, ok] {
        CWarningDlg* box = ShownDialog<CWarningDlg>();
        if (!box) return;
        title = box->GetWindowText();
        Click(ok ? box->OkButton() : box->CancelButton());
    });
}
}  // namespace

TEST_F(MainWindowTest, CloseWithUnappliedEditsAsksCancelKeepsWindowAndEditsOkCloses) {
    for (const ClosePath& path : kClosePaths) {
        WriteProfiles([](ProfileSet&) {});
        Open();
        const std::wstring question = LoadUiString(L"WARNING", 34);
        ASSERT_NE(L"", question);
        const std::wstring applyText = Text(Layout().applyButton);
        EXPECT_EQ(kWhite, Layout().applyButton.normalTextColor) << path.name;
        EditPollingRate(*this);
        EXPECT_TRUE(window->HasUnappliedEdits()) << path.name;
        EXPECT_EQ(kAccent, Layout().applyButton.normalTextColor) << path.name << ": Apply shows the edits";
        EXPECT_EQ(applyText, Text(Layout().applyButton)) << path.name << ": the window text stays";

        std::wstring asked;
        AnswerNextBox(asked, false);
        path.close(*this);
        ForgetModalScript();
        EXPECT_EQ(question, asked) << path.name;
        ASSERT_TRUE(window->m_hWnd && ::IsWindow(window->m_hWnd)) << path.name << ": Cancel keeps the window";
        EXPECT_EQ(8, Shown().PollingRate) << path.name << ": and the edit";
        EXPECT_TRUE(window->HasUnappliedEdits()) << path.name;
        EXPECT_EQ(kAccent, Layout().applyButton.normalTextColor) << path.name;

        const HWND closed = window->m_hWnd;
        AnswerNextBox(asked, true);
        path.close(*this);
        ForgetModalScript();
        EXPECT_EQ(question, asked) << path.name;
        EXPECT_FALSE(::IsWindow(closed)) << path.name << ": OK closes";
        EXPECT_EQ(2, IniFile(dataFolder + L"RSProfile1.pfd").ReadInt(L"GROUP", L"PollingRate", -1))
            << path.name << ": without applying";
        window.reset();
    }
}

struct SettledCase {
    const char* name;
    std::function<void(MainWindowTest&)> act;
};

// Each leaves nothing unapplied, so the close that follows asks nothing.
const SettledCase kSettledCases[] = {
    {"a fresh start", [](MainWindowTest&) {}},
    {"an edit applied",
     [](MainWindowTest& t) {
         EditPollingRate(t);
         Click(t.Layout().applyButton);
     }},
    {"an edit undone",
     [](MainWindowTest& t) {
         EditPollingRate(t);
         Click(t.Layout().pollingButtons[2]);
     }},
    {"an import",
     [](MainWindowTest& t) {
         ProfileRecord exported = t.Shown();
         exported.Acceleration = 3;
         const std::wstring path = t.home.File(L"exported.pfd");
         ExportProfile(exported, path);
         t.window->ImportIntoCurrentProfile(path);
     }},
    {"a reset after an edit",
     [](MainWindowTest& t) {
         EditPollingRate(t);
         std::wstring asked;
         AnswerNextBox(asked, true);
         t.window->ResetActiveProfile();
     }},
    {"a reset of all after a profile switch",
     [](MainWindowTest& t) {
         Click(t.Layout().profileTabs[2]);
         std::wstring asked;
         AnswerNextBox(asked, true);
         t.window->ResetAllProfiles();
     }},
    {"a reload from the service over an edit",
     [](MainWindowTest& t) {
         EditPollingRate(t);
         t.window->SendMessage(WM_DEVICE_SETTING, SETTING_RELOAD, 0);
     }},
    {"the mouse's own DPI button and profile switch",
     [](MainWindowTest& t) {
         t.window->SendMessage(WM_DEVICE_SETTING, SETTING_DPI_STAGE, 3);
         t.window->SendMessage(WM_DEVICE_SETTING, SETTING_PROFILE, 1);
         t.window->SendMessage(WM_DEVICE_SETTING, SETTING_POLLING, 1);
     }},
};

TEST_F(MainWindowTest, NothingUnappliedAfterApplyImportResetOrReloadSoClosingAsksNothing) {
    for (const SettledCase& c : kSettledCases) {
        WriteProfiles([](ProfileSet&) {});
        Open();
        c.act(*this);
        PumpMessages();
        ForgetModalScript();
        EXPECT_FALSE(window->HasUnappliedEdits()) << c.name;
        EXPECT_EQ(kWhite, Layout().applyButton.normalTextColor) << c.name;

        const HWND closed = window->m_hWnd;
        std::wstring asked;
        AnswerNextBox(asked, false);
        Click(Layout().closeButton);
        ForgetModalScript();
        EXPECT_EQ(L"", asked) << c.name;
        EXPECT_FALSE(::IsWindow(closed)) << c.name;
        window.reset();
    }
}

// The device's reports hold values the mouse has already; edits made before them stay unapplied.
TEST_F(MainWindowTest, EditsStayUnappliedThroughTheDevicesReportsAndAFailedSave) {
    WriteProfiles([](ProfileSet&) {});
    Open();
    EditPollingRate(*this);
    window->SendMessage(WM_DEVICE_SETTING, SETTING_DPI_STAGE, 3);
    window->SendMessage(WM_DEVICE_SETTING, SETTING_PROFILE, 0);
    EXPECT_TRUE(window->HasUnappliedEdits());

    // The data folder made a file: nothing can be written into it.
    const std::wstring blocker = home.File(L"not a folder");
    TestFolder::WriteBytes(blocker, "x");
    ::wcscpy_s(DataFolder, kFolderChars, (blocker + L"\\").c_str());
    std::wstring warned;
    AnswerNextBox(warned, true);
    Click(Layout().applyButton);
    ForgetModalScript();
    EXPECT_EQ(LoadUiString(L"WARNING", 1), warned) << "the save failed";
    EXPECT_TRUE(window->HasUnappliedEdits());
    EXPECT_EQ(kAccent, Layout().applyButton.normalTextColor);
}
