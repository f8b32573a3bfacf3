#include "device/DeviceService.h"
#include "framework/Folders.h"
#include "macro/MacroFile.h"
#include "profile/IniFile.h"
#include "profile/ProfileSet.h"
#include "text/TextIds.h"
#include "ui/dialogs/CMacroDlg.h"
#include "unit/MacroTestData.h"
#include "window/SkinTestSupport.h"

#include <memory>
#include <string>
#include <vector>

namespace {
using TextId::Warning;

constexpr WPARAM kVkA = 'A';
constexpr LPARAM kDown = 0;
constexpr LPARAM kUp = 0x80;

// The editor with the boxes it asks answered by the test, and its controls in reach.
class TestMacroDlg : public CMacroDlg {
public:
    TestMacroDlg() : CMacroDlg(nullptr) {}

    using CMacroDlg::delayType;
    using CMacroDlg::layout;
    using CMacroDlg::mouseMenu;

    std::vector<Warning> notices;
    bool confirmDelete = true;
    bool nameEntered = true;
    std::wstring typedName;

protected:
    void ShowNotice(Warning message) override { notices.push_back(message); }
    bool ConfirmDelete() override { return confirmDelete; }
    bool AskMacroName(std::wstring& name) override {
        name = typedName;
        return nameEntered;
    }
};

struct MacroSpec {
    const wchar_t* name;
    const char* block;
    int delayType;
    int loopType = 0;
    const wchar_t* loopCount = L"1";
};

class MacroDlgTest : public SkinWindowTest {
protected:
    void SetUp() override {
        SkinWindowTest::SetUp();
        InitFolders();
        data = std::make_unique<MacroDataFolder>();
        service.SetWindowText(SERVICE_WINDOW_TITLE);
        WorkingProfiles = ProfileSet{};
        ProcessRecordingState() = MacroRecordingState{};
    }

    void TearDown() override {
        if (dialog && dialog->m_hWnd) dialog->DestroyWindow();
        dialog.reset();
    }

    void WriteMacros(const std::vector<MacroSpec>& macros) {
        MacroLibrary library;
        for (const MacroSpec& macro : macros) {
            MacroSettings settings;
            settings.events = Block(macro.block);
            settings.eventCount = CompactListedEvents(settings.events);
            settings.delayType = macro.delayType;
            settings.loopType = macro.loopType;
            settings.loopCountText = macro.loopCount;
            SaveMacroFile(MacroFilePath(macro.name), settings);
            library.AddMacroName(macro.name);
        }
    }

    TestMacroDlg& Open(const std::vector<MacroSpec>& macros = {}) {
        WriteMacros(macros);
        dialog = std::make_unique<TestMacroDlg>();
        EXPECT_TRUE(dialog->Create());
        PumpMessages();
        service.messages.clear();
        return *dialog;
    }

    // A real click on a button: press and release over it.
    static void Click(const CWnd& button) {
        button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, Point(3, 3));
        button.SendMessage(WM_LBUTTONUP, 0, Point(3, 3));
        PumpMessages();
    }

    LRESULT Key(WPARAM vk, LPARAM flags) { return dialog->SendMessage(WM_HOOK_KEY, vk, flags); }

    // Presses on a row of a list as the mouse does: `press` and the matching release.
    static void PressRow(const CListBoxEx& list, int row, UINT press = WM_LBUTTONDOWN) {
        const LPARAM point = Point(60, row * 23 + 10);
        list.SendMessage(press, press == WM_RBUTTONDOWN ? MK_RBUTTON : MK_LBUTTON, point);
        list.SendMessage(press == WM_RBUTTONDOWN ? WM_RBUTTONUP : WM_LBUTTONUP, 0, point);
        PumpMessages();
    }

    static HWND DelayEditor(const CListBoxEx& list) { return ::FindWindowExW(list.m_hWnd, nullptr, L"EDIT", nullptr); }

    std::vector<std::wstring> Rows(const CListBoxEx& list) const {
        std::vector<std::wstring> rows;
        for (int i = 0; i < list.GetCount(); ++i) rows.push_back(list.GetText(i));
        return rows;
    }

    static std::string Stored(const wchar_t* name, int count) { return Hex(ReadMacroFile(name).events, count); }
    static int StoredInt(const wchar_t* name, const wchar_t* key) {
        return IniFile(MacroFilePath(name)).ReadInt(L"Setting", key, -1);
    }

    std::vector<WPARAM> ChangedSlots() const {
        std::vector<WPARAM> slots;
        for (const RecordedMessage& m : service.Received(WM_SERVICE_MACRO_CHANGED)) slots.push_back(m.wParam);
        return slots;
    }

    std::unique_ptr<MacroDataFolder> data;
    RecordingWindow service{RECT{0, 0, 10, 10}, {WM_SERVICE_MACRO_CHANGED, WM_SERVICE_MACRO_BUTTON}};
    std::unique_ptr<TestMacroDlg> dialog;
};

const char kFive[] = "84 04 00 06 0C 00 04 04 00 81 01 00 01 01 00";
const std::wstring kDelayRow120 = std::wstring(54, L' ') + L"120";
const std::wstring kRowA = std::wstring(19, L' ') + L"A";

TEST_F(MacroDlgTest, OpensWithTheFirstMacroAndItsDelayType) {
    struct OpenCase {
        int delayType;
        BOOL recordTicked, fixedTicked;
        const char* recorded;  // A down and up, 0 ms apart
    };
    const OpenCase cases[] = {
        {DELAY_NONE, FALSE, FALSE, "84 04 00 04 04 00"},
        {DELAY_FIXED, FALSE, TRUE, "84 04 00 06 01 00 04 04 00"},
    };
    for (const OpenCase& c : cases) {
        data = std::make_unique<MacroDataFolder>();
        ProcessRecordingState() = MacroRecordingState{};
        TestMacroDlg& editor = Open({{L"first", kFive, c.delayType}, {L"second", "84 05 00", 2}, {L"third", "", 2}});
        EXPECT_EQ((std::vector<std::wstring>{L"first", L"second", L"third"}), Rows(editor.layout.macroList));
        EXPECT_EQ(0, editor.layout.macroList.GetCurSel());
        EXPECT_EQ(5, editor.layout.eventList.GetCount());
        EXPECT_EQ(kRowA, editor.layout.eventList.GetText(0));
        EXPECT_EQ(kDelayRow120, editor.layout.eventList.GetText(1));
        EXPECT_EQ(ITEM_PRESS, editor.layout.eventList.GetItemData(0));
        EXPECT_EQ(ITEM_RELEASE, editor.layout.eventList.GetItemData(2));
        EXPECT_EQ(L"120", editor.layout.totalTimeLabel->GetWindowText());
        EXPECT_EQ(L"5", editor.layout.eventCountLabel->GetWindowText());
        EXPECT_EQ(c.recordTicked, editor.layout.recordDelayBox.checked);
        EXPECT_EQ(c.fixedTicked, editor.layout.fixedDelayBox.checked);

        Click(editor.layout.recordButton);
        EXPECT_EQ(1, Key(kVkA, kDown));
        EXPECT_EQ(1, Key(kVkA, kUp));
        Click(editor.layout.stopButton);
        EXPECT_EQ(Hex(Block(c.recorded)), Stored(L"first", MACRO_EVENTS_MAX)) << c.delayType;
        dialog->DestroyWindow();
    }
}

TEST_F(MacroDlgTest, WithoutMacros) {
    TestMacroDlg& editor = Open();
    EXPECT_EQ(0, editor.layout.macroList.GetCount());
    EXPECT_EQ(DELAY_NONE, editor.delayType);
    for (const CWnd* control :
         std::initializer_list<const CWnd*>{&editor.layout.recordDelayBox, &editor.layout.loopCountEdit,
                                            &editor.layout.insertRecordButton, &editor.layout.mouseClickButton}) {
        EXPECT_FALSE(control->IsWindowEnabled());
    }
    EXPECT_TRUE(editor.layout.recordButton.IsWindowEnabled());
    Click(editor.layout.recordButton);
    EXPECT_EQ(std::vector<Warning>{Warning::NoMacroToRecordInto}, editor.notices) << "no macro to record into";
    EXPECT_FALSE(editor.layout.stopButton.IsWindowEnabled());
}

TEST_F(MacroDlgTest, DeletingAMacro) {
    struct DeleteCase {
        bool confirmed;
        std::vector<std::wstring> slots;  // the library's slots 0 to 2
        int selected;
        bool secondFileExists;
    };
    const DeleteCase cases[] = {
        {false, {L"one", L"two", L"three"}, 1, true},
        {true, {L"one", L"three", L""}, 1, false},
    };
    for (const DeleteCase& c : cases) {
        data = std::make_unique<MacroDataFolder>();
        TestMacroDlg& editor = Open({{L"one", "84 04 00", 2}, {L"two", "84 05 00", 2}, {L"three", kFive, 2}});
        editor.layout.macroList.SetCurSel(1);
        editor.LoadSelectedMacro();
        editor.confirmDelete = c.confirmed;
        Click(editor.layout.deleteMacroButton);
        MacroLibrary library;
        for (int slot = 0; slot < 3; ++slot) EXPECT_EQ(c.slots[slot], library.GetMacroName(slot)) << slot;
        EXPECT_EQ(c.selected, editor.layout.macroList.GetCurSel());
        EXPECT_EQ(c.secondFileExists, ::GetFileAttributesW(MacroFilePath(L"two").c_str()) != INVALID_FILE_ATTRIBUTES);
        EXPECT_EQ(c.confirmed ? 5 : 1, editor.layout.eventList.GetCount()) << "the selected macro's events";
        EXPECT_TRUE(ChangedSlots().empty()) << "the service hears nothing of a deletion";
        dialog->DestroyWindow();
    }
}

TEST_F(MacroDlgTest, DeletingTheLastMacroEmptiesTheEditor) {
    TestMacroDlg& editor = Open({{L"only", kFive, 2}});
    Click(editor.layout.deleteMacroButton);
    EXPECT_EQ(0, editor.layout.macroList.GetCount());
    EXPECT_EQ(0, editor.layout.eventList.GetCount());
    EXPECT_EQ(L"0", editor.layout.totalTimeLabel->GetWindowText());
    EXPECT_FALSE(editor.layout.moveUpButton.IsWindowEnabled());
}

TEST_F(MacroDlgTest, LoopCountIsCutTo255AndReported) {
    TestMacroDlg& editor = Open({{L"zero", "", 2}, {L"loop", "84 04 00 04 04 00", 2}});
    auto assign = [](int profile, int button, int func, const wchar_t* name) {
        ButtonAssignment& assignment = WorkingProfiles.Profiles[profile].Buttons[button];
        assignment.ButtonFunc = static_cast<std::uint8_t>(func);
        wcscpy_s(assignment.MacroName, name);
    };
    assign(0, 3, FUNC_MACRO, L"loop");
    assign(2, 7, FUNC_MACRO, L"loop");
    assign(3, 1, FUNC_MACRO, L"Loop");  // another name
    assign(4, 2, FUNC_FIRE_KEY, L"loop");
    editor.layout.macroList.SetCurSel(1);
    editor.LoadSelectedMacro();
    service.messages.clear();

    editor.layout.loopCountEdit.SetWindowText(L"300");
    editor.layout.loopCountEdit.SendMessage(WM_KEYUP, '0', 0xC0000001);
    PumpMessages();
    EXPECT_EQ(L"255", editor.layout.loopCountEdit.GetWindowText());
    EXPECT_EQ(255, StoredInt(L"loop", L"LoopTime"));
    EXPECT_EQ(std::vector<WPARAM>{1}, ChangedSlots());
    std::vector<RecordedMessage> buttons = service.Received(WM_SERVICE_MACRO_BUTTON);
    ASSERT_EQ(2u, buttons.size());
    EXPECT_EQ(0u, buttons[0].wParam);
    EXPECT_EQ(3, buttons[0].lParam);
    EXPECT_EQ(2u, buttons[1].wParam);
    EXPECT_EQ(7, buttons[1].lParam);
}

TEST_F(MacroDlgTest, LoopOptionsExcludeEachOther) {
    struct LoopCase {
        const char* what;
        int loopTypeBefore;
        bool clickCount;  // else the second option
        BOOL countTicked, secondTicked;
        const wchar_t* countText;
        int storedType;
    };
    const LoopCase cases[] = {
        {"second option while the count is ticked", 0, false, FALSE, TRUE, L"7", 1},
        {"count while the second option is ticked", 1, true, TRUE, FALSE, L"1", 0},
        {"clearing the count resets its text", 0, true, FALSE, FALSE, L"1", 2},
        {"clearing the second option", 1, false, FALSE, FALSE, L"1", 2},
    };
    for (const LoopCase& c : cases) {
        data = std::make_unique<MacroDataFolder>();
        TestMacroDlg& editor = Open({{L"m", "84 04 00 04 04 00", 2, c.loopTypeBefore, L"7"}});
        Click(c.clickCount ? editor.layout.loopCountBox : editor.layout.loopSecondBox);
        EXPECT_EQ(c.countTicked, editor.layout.loopCountBox.checked) << c.what;
        EXPECT_EQ(c.secondTicked, editor.layout.loopSecondBox.checked) << c.what;
        EXPECT_EQ(c.countText, editor.layout.loopCountEdit.GetWindowText()) << c.what;
        EXPECT_EQ(c.storedType, StoredInt(L"m", L"LoopType")) << c.what;
        EXPECT_TRUE(ChangedSlots().empty()) << c.what;
        dialog->DestroyWindow();
    }
}

TEST_F(MacroDlgTest, DelayOptionsExcludeEachOther) {
    TestMacroDlg& editor = Open({{L"m", "", 0}});
    EXPECT_TRUE(editor.layout.recordDelayBox.checked);
    Click(editor.layout.fixedDelayBox);
    EXPECT_FALSE(editor.layout.recordDelayBox.checked);
    EXPECT_EQ(DELAY_FIXED, StoredInt(L"m", L"DelayType"));
    Click(editor.layout.fixedDelayBox);
    EXPECT_EQ(DELAY_NONE, StoredInt(L"m", L"DelayType"));
    EXPECT_TRUE(ChangedSlots().empty()) << "a delay option only changes later recordings";
}

TEST_F(MacroDlgTest, CreatingAMacro) {
    struct NewCase {
        const char* what;
        const wchar_t* typed;
        bool entered;
        std::vector<std::wstring> macros;  // the list afterwards
        std::vector<Warning> notices;
    };
    const NewCase cases[] = {
        {"a new name", L"Zeta", true, {L"beta", L"alpha", L"Zeta"}, {}},
        {"cancelled", L"Zeta", false, {L"beta", L"alpha"}, {}},
        {"empty", L"", true, {L"beta", L"alpha"}, {}},
        {"a macro file of that name exists", L"ALPHA", true, {L"beta", L"alpha"}, {}},
        {"a path separator", L"a\\b", true, {L"beta", L"alpha"}, {Warning::InvalidMacroName}},
        {"a folder above", L"..", true, {L"beta", L"alpha"}, {Warning::InvalidMacroName}},
        {"a device name", L"NUL", true, {L"beta", L"alpha"}, {Warning::InvalidMacroName}},
        {"a trailing dot", L"name.", true, {L"beta", L"alpha"}, {Warning::InvalidMacroName}},
        {"a character Windows refuses", L"a?b", true, {L"beta", L"alpha"}, {Warning::InvalidMacroName}},
    };
    for (const NewCase& c : cases) {
        data = std::make_unique<MacroDataFolder>();
        TestMacroDlg& editor = Open({{L"beta", kFive, 0, 0, L"9"}, {L"alpha", "84 04 00", 2}});
        editor.typedName = c.typed;
        editor.nameEntered = c.entered;
        Click(editor.layout.newMacroButton);
        EXPECT_EQ(c.macros, Rows(editor.layout.macroList)) << c.what;
        EXPECT_EQ(c.macros, MacroLibrary().ReadMacroList()) << c.what;
        EXPECT_EQ(c.notices, editor.notices) << c.what;
        EXPECT_TRUE(ChangedSlots().empty()) << c.what;
        if (c.macros.size() == 3) {
            EXPECT_EQ(2, editor.layout.macroList.GetCurSel()) << c.what;
            EXPECT_EQ(0, editor.layout.eventList.GetCount()) << c.what;
            EXPECT_EQ(L"0", editor.layout.totalTimeLabel->GetWindowText()) << c.what;
            EXPECT_EQ(L"0", editor.layout.eventCountLabel->GetWindowText()) << c.what;
            EXPECT_FALSE(editor.layout.recordDelayBox.checked || editor.layout.loopCountBox.checked) << c.what;
            EXPECT_EQ(L"1", editor.layout.loopCountEdit.GetWindowText()) << c.what;
            EXPECT_EQ(DELAY_NONE, StoredInt(c.typed, L"DelayType")) << c.what;
            EXPECT_EQ(2, StoredInt(c.typed, L"LoopType")) << c.what << ": both loop boxes are clear";
        } else {
            EXPECT_EQ(5, editor.layout.eventList.GetCount()) << c.what << ": the open macro stays";
        }
        dialog->DestroyWindow();
    }
}

TEST_F(MacroDlgTest, NewMacroIsSelectedByName) {
    // A free slot before the others: the new name takes slot 0 but is the list's first row.
    WriteMacros({{L"a", "", 2}, {L"b", "", 2}, {L"c", "", 2}});
    MacroLibrary().WriteMacroList({L"", L"b", L"c"});
    ::DeleteFileW(MacroFilePath(L"a").c_str());
    TestMacroDlg& editor = Open();
    editor.typedName = L"new";
    Click(editor.layout.newMacroButton);
    EXPECT_EQ(0, MacroLibrary().FindMacroSlot(L"new"));
    EXPECT_EQ(L"new", editor.layout.macroList.GetText(editor.layout.macroList.GetCurSel()));
}

// The library takes no new name: the macro shown keeps its events, boxes and file.
TEST_F(MacroDlgTest, ANewNameTheLibraryRefusesLeavesTheSelectedMacroAsItWas) {
    TestMacroDlg& editor = Open({{L"beta", kFive, 0, 0, L"9"}, {L"alpha", "84 04 00", 2}});
    const std::wstring library = data->MacroFile(L"MacroSet.MSDB");
    // Another program holds the library open for itself alone.
    const HANDLE held = ::CreateFileW(library.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    editor.typedName = L"Zeta";
    Click(editor.layout.newMacroButton);
    ::CloseHandle(held);
    EXPECT_EQ(std::vector<Warning>{Warning::NoRoomForMacroName}, editor.notices);
    EXPECT_EQ((std::vector<std::wstring>{L"beta", L"alpha"}), Rows(editor.layout.macroList));
    EXPECT_EQ(0, editor.layout.macroList.GetCurSel());
    EXPECT_EQ(5, editor.layout.eventList.GetCount());
    EXPECT_EQ(L"9", editor.layout.loopCountEdit.GetWindowText());
    EXPECT_TRUE(editor.layout.recordDelayBox.checked);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW(MacroFilePath(L"Zeta").c_str()));

    Click(editor.layout.loopCountBox);  // the next change is written to beta, with its events
    EXPECT_EQ(Hex(Block(kFive), 5), Stored(L"beta", 5));
}

TEST_F(MacroDlgTest, FifteenMacrosAreTheLimit) {
    std::vector<MacroSpec> macros;
    std::vector<std::wstring> names;
    for (int i = 0; i < MACRO_SLOTS; ++i) names.push_back(L"m" + std::to_wstring(i));
    for (const std::wstring& name : names) macros.push_back({name.c_str(), "", 2});
    TestMacroDlg& editor = Open(macros);
    editor.typedName = L"extra";
    Click(editor.layout.newMacroButton);
    EXPECT_EQ(std::vector<Warning>{Warning::MacroLibraryFull}, editor.notices);
    EXPECT_EQ(MACRO_SLOTS, editor.layout.macroList.GetCount());
}

TEST_F(MacroDlgTest, Recording) {
    struct RecordCase {
        const char* what;
        int delayType;
        const wchar_t* fixedDelay;
        std::vector<std::pair<WPARAM, LPARAM>> keys;
        const char* stored;
        std::vector<Warning> notices;
    };
    const RecordCase cases[] = {
        {"no delays", DELAY_NONE, L"10", {{kVkA, kDown}, {kVkA, kUp}}, "84 04 00 04 04 00", {}},
        {"fixed 5 ms", DELAY_FIXED, L"5", {{kVkA, kDown}, {kVkA, kUp}}, "84 04 00 06 01 00 04 04 00", {}},
        {"a held key", DELAY_NONE, L"10", {{kVkA, kDown}, {kVkA, kDown}, {kVkA, kDown}, {kVkA, kUp}},
         "84 04 00 04 04 00", {}},
        {"never released", DELAY_NONE, L"10", {{kVkA, kDown}}, "84 04 00", {Warning::KeysNotReleased}},
    };
    for (const RecordCase& c : cases) {
        data = std::make_unique<MacroDataFolder>();
        ProcessRecordingState() = MacroRecordingState{};
        TestMacroDlg& editor = Open({{L"m", kFive, c.delayType}});
        editor.layout.fixedDelayEdit.SetWindowText(c.fixedDelay);
        Click(editor.layout.recordButton);
        EXPECT_FALSE(editor.layout.okButton.IsWindowEnabled()) << c.what;
        for (const auto& key : c.keys) Key(key.first, key.second);
        EXPECT_EQ(TRUE, editor.layout.stopButton.IsWindowEnabled()) << c.what;
        EXPECT_EQ(Hex(Block(kFive), 5), Stored(L"m", 5)) << c.what << ": nothing written while recording";
        Click(editor.layout.stopButton);
        EXPECT_EQ(Hex(Block(c.stored)), Stored(L"m", MACRO_EVENTS_MAX)) << c.what;
        EXPECT_EQ(c.notices, editor.notices) << c.what;
        EXPECT_EQ(std::vector<WPARAM>{0}, ChangedSlots()) << c.what;
        EXPECT_EQ(editor.layout.eventList.GetCount() - 1, editor.layout.eventList.GetCurSel()) << c.what;
        EXPECT_TRUE(editor.layout.macroList.IsWindowEnabled()) << c.what;
        dialog->DestroyWindow();
    }
}

TEST_F(MacroDlgTest, RecordedDelays) {
    TestMacroDlg& editor = Open({{L"m", "", DELAY_RECORDED}});
    Click(editor.layout.recordButton);
    Key(kVkA, kDown);
    const DWORD before = ::GetTickCount();
    ProcessRecordingState().lastEventTime = before - 123;
    Key(kVkA, kUp);
    const DWORD elapsed = ::GetTickCount() - before + 123;
    Click(editor.layout.stopButton);
    const MacroEvent delay = ReadMacroFile(L"m").events[1];
    ASSERT_TRUE(delay.IsDelay());
    EXPECT_GE(delay.DelayMilliseconds(), 120);
    EXPECT_LE(delay.DelayMilliseconds(), static_cast<int>(elapsed));
    EXPECT_EQ(std::wstring(54, L' ') + std::to_wstring(delay.DelayMilliseconds()), editor.layout.eventList.GetText(1));
}

TEST_F(MacroDlgTest, InsertingARecordingAfterRow2) {
    TestMacroDlg& editor = Open({{L"m", "84 04 00 84 05 00 04 05 00 04 04 00 84 06 00", DELAY_NONE}});
    editor.layout.eventList.SetCurSel(2);
    Click(editor.layout.insertRecordButton);
    Key('D', kDown);
    Key('D', kUp);
    EXPECT_EQ(4, editor.layout.eventList.GetCurSel());
    Click(editor.layout.stopButton);
    EXPECT_EQ(Hex(Block("84 04 00 84 05 00 04 05 00 84 07 00 04 07 00 04 04 00 84 06 00")),
              Stored(L"m", MACRO_EVENTS_MAX));
    std::vector<std::wstring> rows = Rows(editor.layout.eventList);
    ASSERT_EQ(7u, rows.size());
    EXPECT_EQ(std::wstring(19, L' ') + L"D", rows[3]);
    EXPECT_EQ(std::wstring(19, L' ') + L"A", rows[5]);
}

TEST_F(MacroDlgTest, FullMacroTakesNoMoreKeys) {
    std::string block;
    for (int i = 0; i < 62; ++i) block += "06 01 00 ";
    TestMacroDlg& editor = Open({{L"m", block.c_str(), DELAY_NONE}});
    Click(editor.layout.insertRecordButton);
    EXPECT_EQ(0, Key(kVkA, kDown)) << "62 records and no delays: full";
    EXPECT_EQ(62, editor.layout.eventList.GetCount());
}

TEST_F(MacroDlgTest, EventCommands) {
    struct CommandCase {
        const char* what;
        CBitmapBtn MacroDlgLayout::*button;
        int selected;
        const char* stored;
        int selection;
        bool notified;
    };
    const CommandCase cases[] = {
        {"move up at row 0 still saves and notifies", &MacroDlgLayout::moveUpButton, 0, kFive, 0, true},
        {"move up", &MacroDlgLayout::moveUpButton, 2, "84 04 00 04 04 00 06 0C 00 81 01 00 01 01 00", 1, true},
        {"move down", &MacroDlgLayout::moveDownButton, 3, "84 04 00 06 0C 00 04 04 00 01 01 00 81 01 00", 4, true},
        {"delete", &MacroDlgLayout::deleteEventButton, 4, "84 04 00 06 0C 00 04 04 00 81 01 00", 3, true},
        {"cut", &MacroDlgLayout::cutButton, 1, "84 04 00 04 04 00 81 01 00 01 01 00", -1, true},
        {"cut without a selection", &MacroDlgLayout::cutButton, -1, kFive, -1, false},
        {"paste with nothing copied", &MacroDlgLayout::pasteButton, 1, kFive, 1, false},
    };
    for (const CommandCase& c : cases) {
        data = std::make_unique<MacroDataFolder>();
        TestMacroDlg& editor = Open({{L"m", kFive, DELAY_NONE}});
        editor.layout.eventList.SetCurSel(c.selected);
        Click(editor.layout.*c.button);
        EXPECT_EQ(Hex(Block(c.stored)), Stored(L"m", MACRO_EVENTS_MAX)) << c.what;
        EXPECT_EQ(c.selection, editor.layout.eventList.GetCurSel()) << c.what;
        EXPECT_EQ(c.notified ? std::vector<WPARAM>{0} : std::vector<WPARAM>{}, ChangedSlots()) << c.what;
        EXPECT_EQ(std::to_wstring(editor.layout.eventList.GetCount()), editor.layout.eventCountLabel->GetWindowText())
            << c.what;
        dialog->DestroyWindow();
    }
}

// A file the editor cannot write keeps the macro the mouse has; the user is told, and the service
// hears of no change that is not on disk.
TEST_F(MacroDlgTest, AMacroFileThatCannotBeWrittenIsReportedAndNotAnnounced) {
    TestMacroDlg& editor = Open({{L"m", kFive, DELAY_NONE}});
    ButtonAssignment& button = WorkingProfiles.Profiles[2].Buttons[4];
    button.ButtonFunc = FUNC_MACRO;
    wcscpy_s(button.MacroName, L"m");
    const std::wstring path = MacroFilePath(L"m");
    const std::string before = TestFolder::ReadBytes(path);
    ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY));

    editor.layout.eventList.SetCurSel(4);
    Click(editor.layout.deleteEventButton);
    Click(editor.layout.loopSecondBox);

    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ((std::vector<Warning>{Warning::MacroNotSaved, Warning::MacroNotSaved}), editor.notices);
    EXPECT_EQ(before, TestFolder::ReadBytes(path));
    EXPECT_TRUE(service.messages.empty());
}

TEST_F(MacroDlgTest, CopyAndPaste) {
    TestMacroDlg& editor = Open({{L"m", kFive, DELAY_NONE}});
    editor.layout.eventList.SetCurSel(1);
    Click(editor.layout.copyButton);
    editor.layout.eventList.SetCurSel(4);
    Click(editor.layout.pasteButton);
    Click(editor.layout.pasteButton);
    EXPECT_EQ(Hex(Block("84 04 00 06 0C 00 04 04 00 81 01 00 01 01 00 06 0C 00 06 0C 00")),
              Stored(L"m", MACRO_EVENTS_MAX));
    EXPECT_EQ(4, editor.layout.eventList.GetCurSel()) << "the selection stays";
    EXPECT_EQ(L"360", editor.layout.totalTimeLabel->GetWindowText());
    EXPECT_EQ(L"7", editor.layout.eventCountLabel->GetWindowText());
}

TEST_F(MacroDlgTest, InsertingAClick) {
    TestMacroDlg& editor = Open({{L"m", "84 04 00 04 04 00", DELAY_NONE}});
    editor.layout.eventList.SetCurSel(0);
    Click(editor.layout.mouseClickButton);
    ASSERT_TRUE(editor.mouseMenu && editor.mouseMenu->m_hWnd) << "the mouse menu opens";
    const RECT button = editor.layout.mouseClickButton.GetWindowRect();
    const RECT menu = editor.mouseMenu->GetWindowRect();
    EXPECT_EQ(button.left, menu.left);
    EXPECT_EQ(button.bottom, menu.top);
    editor.SendMessage(WM_MENU_PICK, 0, MAKELPARAM(0, 1));
    EXPECT_FALSE(editor.mouseMenu);
    EXPECT_EQ(Hex(Block("84 04 00 81 01 00 01 01 00 04 04 00")), Stored(L"m", MACRO_EVENTS_MAX));
    EXPECT_EQ(2, editor.layout.eventList.GetCurSel()) << "the release row";
    EXPECT_EQ(ITEM_PRESS, editor.layout.eventList.GetItemData(1));
    EXPECT_EQ(ITEM_RELEASE, editor.layout.eventList.GetItemData(2));
    EXPECT_EQ(std::vector<WPARAM>{0}, ChangedSlots());
    EXPECT_EQ(L"4", editor.layout.eventCountLabel->GetWindowText()) << "the totals follow every change";
}

TEST_F(MacroDlgTest, EditingADelayInPlace) {
    TestMacroDlg& editor = Open({{L"m", kFive, DELAY_NONE}});
    editor.layout.eventList.SetCurSel(1);
    editor.SendMessage(WM_LIST_VALUE_EDITED, 250, 1);
    EXPECT_EQ(Hex(Block("84 04 00 06 19 00 04 04 00 81 01 00 01 01 00")), Stored(L"m", MACRO_EVENTS_MAX));
    EXPECT_EQ(std::wstring(54, L' ') + L"250", editor.layout.eventList.GetText(1));
    EXPECT_EQ(std::vector<WPARAM>{0}, ChangedSlots());
    EXPECT_EQ(L"250", editor.layout.totalTimeLabel->GetWindowText());
}

TEST_F(MacroDlgTest, RowsStayInStepWithAFileWrittenElsewhere) {
    // Empty records and a record of another kind between the events: the rows show the three
    // events, the file is not rewritten by opening it, and deleting row 1 deletes the delay.
    WriteMacros({{L"m", "", DELAY_NONE}});
    IniFile(MacroFilePath(L"m")).WriteStruct(L"Setting", L"MacroSetting_0",
                                             Block("00 00 00 84 04 00 05 01 00 06 0C 00 04 04 00").data(),
                                             sizeof(MacroEvents));
    const std::string before = TestFolder::ReadBytes(MacroFilePath(L"m"));
    TestMacroDlg& editor = Open();
    EXPECT_EQ((std::vector<std::wstring>{kRowA, kDelayRow120, kRowA}), Rows(editor.layout.eventList));
    EXPECT_EQ(before, TestFolder::ReadBytes(MacroFilePath(L"m")));
    editor.layout.eventList.SetCurSel(1);
    Click(editor.layout.deleteEventButton);
    EXPECT_EQ(Hex(Block("84 04 00 04 04 00")), Stored(L"m", MACRO_EVENTS_MAX));
}

TEST_F(MacroDlgTest, KeysThatWouldCloseADialogAreSwallowed) {
    TestMacroDlg& editor = Open({{L"m", kFive, DELAY_NONE}});
    for (WPARAM key : {WPARAM(VK_ESCAPE), WPARAM(VK_RETURN), WPARAM(VK_SPACE)}) {
        MSG message{editor.m_hWnd, WM_KEYDOWN, key, 1, 0, {0, 0}};
        EXPECT_TRUE(editor.PreTranslateMessage(&message)) << key;
    }
}

// Space toggles the focused check box and presses the focused button; while a recording runs it
// toggles and presses nothing, Stop included. Escape, Enter and Space for a window that is not the
// editor's (its mouse menu) pass.
TEST_F(MacroDlgTest, TheSpaceBarTogglesACheckBoxAndOtherWindowsGetTheirKeys) {
    TestMacroDlg& editor = Open({{L"m", kFive, DELAY_NONE}});
    const auto swallowed = [&editor](HWND target, WPARAM key) {
        MSG message{target, WM_KEYDOWN, key, 1, 0, {0, 0}};
        return editor.PreTranslateMessage(&message) != FALSE;
    };
    const auto space = [&editor, &swallowed](CBitmapBtn& box) {
        ::SetFocus(box.m_hWnd);
        if (!swallowed(box.m_hWnd, VK_SPACE)) box.SendMessage(WM_KEYDOWN, VK_SPACE, 0x00390001);
        box.SendMessage(WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0390001));
        PumpMessages();
    };
    CBitmapBtn& box = editor.layout.loopCountBox;
    const BOOL ticked = box.checked;
    space(box);
    EXPECT_NE(ticked, box.checked) << "Space toggles the focused check box";
    for (WPARAM key : {WPARAM(VK_ESCAPE), WPARAM(VK_RETURN)}) {
        EXPECT_TRUE(swallowed(box.m_hWnd, key)) << key;
    }
    for (WPARAM key : {WPARAM(VK_ESCAPE), WPARAM(VK_RETURN), WPARAM(VK_SPACE)}) {
        EXPECT_FALSE(swallowed(service.m_hWnd, key)) << "a window outside the editor, key " << key;
    }

    space(editor.layout.recordButton);
    ASSERT_TRUE(editor.layout.stopButton.IsWindowEnabled()) << "Space on Record starts a recording";
    const BOOL whileRecording = box.checked;
    space(box);
    EXPECT_EQ(whileRecording, box.checked) << "a recording takes the space bar";
    EXPECT_TRUE(swallowed(editor.layout.stopButton.m_hWnd, VK_SPACE)) << "Space on Stop is a key of the macro";
    Click(editor.layout.stopButton);
    EXPECT_FALSE(editor.layout.stopButton.IsWindowEnabled());
}
// A right click in the macro list leaves the macro shown the one highlighted, so that the next
// change is written into the macro it was made in.
TEST_F(MacroDlgTest, ARightClickInTheMacroListKeepsTheShownMacroSelected) {
    TestMacroDlg& editor = Open({{L"A", kFive, DELAY_NONE}, {L"B", "84 05 00 04 05 00", DELAY_NONE}});
    PressRow(editor.layout.macroList, 1, WM_RBUTTONDOWN);
    const std::wstring highlighted = editor.layout.macroList.GetText(editor.layout.macroList.GetCurSel());
    EXPECT_EQ(highlighted == L"A" ? 5 : 2, editor.layout.eventList.GetCount()) << highlighted << " is highlighted";
    Click(editor.layout.loopSecondBox);
    EXPECT_EQ(Hex(Block(kFive)), Stored(L"A", MACRO_EVENTS_MAX));
    EXPECT_EQ(Hex(Block("84 05 00 04 05 00")), Stored(L"B", MACRO_EVENTS_MAX)) << "B keeps its events";
}

// Every rebuild of the event rows closes an open delay editor without storing what was typed, so
// an Enter afterwards changes no delay of the rows shown then.
TEST_F(MacroDlgTest, RebuildingTheRowsClosesTheDelayEditor) {
    struct RebuildCase {
        const char* what;
        void (*rebuild)(TestMacroDlg&);
    };
    const RebuildCase cases[] = {
        {"another macro", [](TestMacroDlg& e) { PressRow(e.layout.macroList, 1); }},
        {"move down", [](TestMacroDlg& e) { Click(e.layout.moveDownButton); }},
        {"delete", [](TestMacroDlg& e) { Click(e.layout.deleteEventButton); }},
        {"paste", [](TestMacroDlg& e) { Click(e.layout.pasteButton); }},
        {"insert recording",
         [](TestMacroDlg& e) {
             Click(e.layout.insertRecordButton);
             Click(e.layout.stopButton);
         }},
        {"record",
         [](TestMacroDlg& e) {
             Click(e.layout.recordButton);
             e.SendMessage(WM_HOOK_KEY, 'D', kDown);
             e.SendMessage(WM_HOOK_KEY, 'D', kUp);
             Click(e.layout.stopButton);
         }},
    };
    for (const RebuildCase& c : cases) {
        data = std::make_unique<MacroDataFolder>();
        ProcessRecordingState() = MacroRecordingState{};
        TestMacroDlg& editor = Open({{L"A", kFive, DELAY_NONE}, {L"B", "84 05 00 06 05 00 04 05 00", DELAY_NONE}});
        editor.layout.eventList.SetCurSel(0);
        Click(editor.layout.copyButton);
        editor.layout.eventList.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, Point(60, 23 + 10));
        editor.layout.eventList.SendMessage(WM_LBUTTONUP, 0, Point(60, 23 + 10));
        PumpMessages();
        HWND typed = DelayEditor(editor.layout.eventList);
        ASSERT_NE(nullptr, typed) << c.what;
        ::SetWindowTextW(typed, L"999");
        c.rebuild(editor);
        EXPECT_FALSE(editor.layout.eventList.IsEditing()) << c.what;
        EXPECT_EQ(nullptr, DelayEditor(editor.layout.eventList)) << c.what;
        if (HWND left = DelayEditor(editor.layout.eventList)) {
            ::SendMessageW(left, WM_KEYUP, VK_RETURN, 0xC0000001);
            PumpMessages();
        }
        for (const wchar_t* name : {L"A", L"B"}) {
            EXPECT_EQ(std::string::npos, Stored(name, MACRO_EVENTS_MAX).find("06 63 00")) << c.what << ": " << name;
        }
        for (const std::wstring& row : Rows(editor.layout.eventList))
            EXPECT_NE(L"999", row.substr(row.size() - 3)) << c.what;
        dialog->DestroyWindow();
    }
}

// While recording only Stop ends it: the macro buttons and the list are locked, and closing the
// editor stops the recording first and saves what was recorded.
TEST_F(MacroDlgTest, WhileRecordingOnlyStopEndsIt) {
    TestMacroDlg& editor = Open({{L"m", kFive, DELAY_NONE}, {L"n", "", DELAY_NONE}});
    Click(editor.layout.recordButton);
    for (const CWnd* control : std::initializer_list<const CWnd*>{
             &editor.layout.newMacroButton, &editor.layout.deleteMacroButton, &editor.layout.macroList,
             &editor.layout.okButton, &editor.layout.cancelButton}) {
        EXPECT_FALSE(control->IsWindowEnabled()) << control->GetWindowText();
    }
    Click(editor.layout.stopButton);
    for (const CWnd* control : std::initializer_list<const CWnd*>{
             &editor.layout.newMacroButton, &editor.layout.deleteMacroButton, &editor.layout.macroList}) {
        EXPECT_TRUE(control->IsWindowEnabled()) << control->GetWindowText();
    }
    dialog->DestroyWindow();

    struct CloseCase {
        const char* what;
        UINT message;
        WPARAM wParam;
    };
    for (const CloseCase& c : {CloseCase{"Alt+F4", WM_SYSCOMMAND, SC_CLOSE}, CloseCase{"WM_CLOSE", WM_CLOSE, 0}}) {
        data = std::make_unique<MacroDataFolder>();
        ProcessRecordingState() = MacroRecordingState{};
        TestMacroDlg& recording = Open({{L"m", kFive, DELAY_NONE}});
        Click(recording.layout.recordButton);
        Key(kVkA, kDown);
        Key(kVkA, kUp);
        recording.SendMessage(c.message, c.wParam, 0);
        PumpMessages();
        EXPECT_EQ(nullptr, recording.m_hWnd) << c.what << ": the editor closed";
        EXPECT_EQ(Hex(Block("84 04 00 04 04 00")), Stored(L"m", MACRO_EVENTS_MAX)) << c.what;
        EXPECT_EQ(std::vector<WPARAM>{0}, ChangedSlots()) << c.what;
    }
}

// After a cut no event row is selected; a click on a row selects it again.
TEST_F(MacroDlgTest, AfterCutAClickSelectsARow) {
    TestMacroDlg& editor = Open({{L"m", kFive, DELAY_NONE}});
    editor.layout.eventList.SetCurSel(1);
    Click(editor.layout.cutButton);
    ASSERT_EQ(-1, editor.layout.eventList.GetCurSel());
    PressRow(editor.layout.eventList, 2);
    EXPECT_EQ(2, editor.layout.eventList.GetCurSel());
    Click(editor.layout.deleteEventButton);
    EXPECT_EQ(Hex(Block("84 04 00 04 04 00 01 01 00")), Stored(L"m", MACRO_EVENTS_MAX));
}

// A move to a screen of another scale makes the editor's controls anew: a recording that runs
// stops and keeps what it took, the macro shown stays shown, and the next recording records.
TEST_F(MacroDlgTest, ANewScaleStopsARecordingAndKeepsTheMacroShown) {
    TestMacroDlg& editor = Open({{L"m", kFive, DELAY_NONE}, {L"n", "", DELAY_NONE}});
    PressRow(editor.layout.macroList, 1);
    ASSERT_EQ(L"n", editor.layout.macroList.GetText(editor.layout.macroList.GetCurSel()));
    Click(editor.layout.recordButton);
    Key(kVkA, kDown);
    Key(kVkA, kUp);
    const HWND oldStop = editor.layout.stopButton.m_hWnd;
    RECT suggested{10, 10, 10 + 1136, 10 + 873};
    editor.SendMessage(WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    PumpMessages();
    ASSERT_FALSE(::IsWindow(oldStop)) << "the controls were made anew";
    EXPECT_EQ(Hex(Block("84 04 00 04 04 00")), Stored(L"n", MACRO_EVENTS_MAX)) << "the recording was kept";
    EXPECT_EQ(Hex(Block(kFive)), Stored(L"m", MACRO_EVENTS_MAX));
    EXPECT_EQ(L"n", editor.layout.macroList.GetText(editor.layout.macroList.GetCurSel()));
    EXPECT_EQ(2, editor.layout.eventList.GetCount()) << "its events are the ones shown";
    EXPECT_FALSE(editor.layout.stopButton.IsWindowEnabled());
    EXPECT_TRUE(editor.layout.recordButton.IsWindowEnabled());

    Click(editor.layout.recordButton);
    EXPECT_TRUE(editor.layout.stopButton.IsWindowEnabled());
    Key(WPARAM('B'), kDown);
    Key(WPARAM('B'), kUp);
    Click(editor.layout.stopButton);
    EXPECT_EQ(Hex(Block("84 05 00 04 05 00")), Stored(L"n", MACRO_EVENTS_MAX));
}
}  // namespace
