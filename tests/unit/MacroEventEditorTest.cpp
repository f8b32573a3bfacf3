#include "macro/MacroEventEditor.h"

#include "MacroTestData.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
constexpr std::uint32_t kVkA = 'A';
constexpr std::uint32_t kVkB = 'B';
constexpr std::uint32_t kDown = kHookKeyPressed;
constexpr std::uint32_t kUp = kHookKeyReleased;

struct HookEvent {
    std::uint32_t vk;
    std::uint32_t flags;
    std::uint32_t tick;
};

// Row i shows record i: as many rows as records in use, nothing recorded past them, and each
// row's arrow telling the record's press or release.
void ExpectInStep(const MacroEventEditor& editor) {
    const MacroEvents& events = editor.Events();
    ASSERT_LE(editor.EventCount(), MACRO_EVENTS_MAX);
    for (int i = editor.EventCount(); i < MACRO_EVENTS_MAX; ++i) EXPECT_TRUE(events[i].IsEmpty()) << "record " << i;
    for (int i = 0; i < editor.EventCount(); ++i) {
        const MacroEvent& event = events[i];
        const EventRow& row = editor.Rows()[i];
        RowMark mark = event.IsDelay() ? RowMark::None : event.IsPress() ? RowMark::Press : RowMark::Release;
        EXPECT_EQ(mark, row.mark) << "row " << i;
        if (event.IsDelay()) {
            EXPECT_EQ(DelayRowText(event.DelayMilliseconds()), row.text) << "row " << i;
        }
    }
}

std::vector<std::wstring> RowTexts(const MacroEventEditor& editor) {
    std::vector<std::wstring> texts;
    for (const EventRow& row : editor.Rows()) texts.push_back(row.text);
    return texts;
}

// An editor over a block that was loaded, with a fresh recording state.
class EditorFixture {
public:
    explicit EditorFixture(const char* block = "") : editor(recording) { editor.Load(Block(block)); }
    int Record(const std::vector<HookEvent>& keys, int delayType, const wchar_t* fixedDelay = L"10", int selected = -1) {
        for (const HookEvent& key : keys) {
            MacroEventEditor::HookResult result =
                editor.OnHookKey(key.vk, key.flags, key.tick, selected, delayType, fixedDelay);
            if (result.taken) selected = result.selection;
        }
        return selected;
    }

    NamesFolder names;
    MacroRecordingState recording;
    MacroEventEditor editor;
};

TEST(MacroEventEditor, RowTexts) {
    EXPECT_EQ(L"                   A", KeyRowText(L"A"));
    EXPECT_EQ(std::wstring(54, L' ') + L"120", DelayRowText(120));
}

TEST(MacroEventEditor, RecordingByDelayType) {
    struct RecordingCase {
        const char* what;
        int delayType;
        const wchar_t* fixedDelay;
        std::vector<HookEvent> keys;
        const char* records;
    };
    const RecordingCase cases[] = {
        {"no delays", DELAY_NONE, L"10", {{kVkA, kDown, 1000}, {kVkA, kUp, 1500}}, "84 04 00 04 04 00"},
        {"fixed 5 ms is raised to 10 ms", DELAY_FIXED, L"5",
         {{kVkA, kDown, 1000}, {kVkA, kUp, 1003}, {kVkB, kDown, 9000}},
         "84 04 00 06 01 00 04 04 00 06 01 00 84 05 00"},
        {"fixed 250 ms", DELAY_FIXED, L"250", {{kVkA, kDown, 1000}, {kVkA, kUp, 1001}}, "84 04 00 06 19 00 04 04 00"},
        {"fixed, text without digits", DELAY_FIXED, L"", {{kVkA, kDown, 1000}, {kVkA, kUp, 1001}},
         "84 04 00 06 01 00 04 04 00"},
        {"recorded 123 ms gives 12 units", DELAY_RECORDED, L"10", {{kVkA, kDown, 1000}, {kVkA, kUp, 1123}},
         "84 04 00 06 0C 00 04 04 00"},
        {"recorded under 10 ms gives none", DELAY_RECORDED, L"10", {{kVkA, kDown, 1000}, {kVkA, kUp, 1009}},
         "84 04 00 04 04 00"},
        {"recorded pause too long for a delay", DELAY_RECORDED, L"10", {{kVkA, kDown, 1000}, {kVkA, kUp, 800000}},
         "84 04 00 06 99 19 04 04 00"},
        {"the tick count wraps", DELAY_RECORDED, L"10", {{kVkA, kDown, 0xFFFFFFF0u}, {kVkA, kUp, 0x10}},
         "84 04 00 06 03 00 04 04 00"},
        {"a held key records one press", DELAY_NONE, L"10",
         {{kVkA, kDown, 1000}, {kVkA, kDown, 1030}, {kVkA, kDown, 1060}, {kVkA, kUp, 1100}}, "84 04 00 04 04 00"},
        {"extended keys", DELAY_NONE, L"10", {{VK_RCONTROL, 1, 10}, {VK_RCONTROL, 0x81, 20}}, "84 E4 00 04 E4 00"},
        {"a key without a usage", DELAY_NONE, L"10", {{0xFF, kDown, 10}}, "84 00 00"},
        {"other flags record no key but keep the delay", DELAY_FIXED, L"20",
         {{kVkA, kDown, 10}, {kVkB, 0x40, 20}}, "84 04 00 06 02 00"},
    };
    for (const RecordingCase& c : cases) {
        EditorFixture fixture("84 07 00");
        fixture.editor.StartRecording(false);
        fixture.Record(c.keys, c.delayType, c.fixedDelay);
        EXPECT_EQ(Hex(Block(c.records)), Hex(fixture.editor.Events())) << c.what;
        ExpectInStep(fixture.editor);
    }
}

TEST(MacroEventEditor, RecordedRows) {
    EditorFixture fixture;
    fixture.editor.StartRecording(false);
    int selected = fixture.Record({{kVkA, kDown, 1000}, {kVkA, kUp, 1123}, {VK_LWIN, kDown, 1200}}, DELAY_RECORDED);
    const std::vector<std::wstring> rows = {KeyRowText(L"A"), DelayRowText(120), KeyRowText(L"A"), DelayRowText(70),
                                            KeyRowText(L"Left Windows")};
    EXPECT_EQ(rows, RowTexts(fixture.editor));
    EXPECT_EQ(4, selected) << "appending selects the last row";
    EXPECT_EQ(RowMark::Press, fixture.editor.Rows()[4].mark);
}

TEST(MacroEventEditor, RepeatsAreIgnoredAcrossEditors) {
    NamesFolder names;
    MacroRecordingState shared;
    MacroEventEditor first(shared);
    first.StartRecording(false);
    EXPECT_TRUE(first.OnHookKey(kVkA, kUp, 10, -1, DELAY_NONE, L"10").taken);
    MacroEventEditor second(shared);
    second.StartRecording(false);
    EXPECT_FALSE(second.OnHookKey(kVkA, kUp, 20, -1, DELAY_NONE, L"10").taken) << "the last pair outlives an editor";
    EXPECT_TRUE(second.OnHookKey(kVkA, kDown, 30, -1, DELAY_NONE, L"10").taken);
}

TEST(MacroEventEditor, InsertingARecording) {
    struct InsertCase {
        const char* what;
        int selected;
        int delayType;
        const char* records;
        int selection;
    };
    const InsertCase cases[] = {
        {"after row 2 of five", 2, DELAY_NONE, "84 04 00 84 05 00 04 05 00 84 06 00 04 06 00 04 04 00 04 06 00", 4},
        {"with a fixed delay", 2, DELAY_FIXED,
         "84 04 00 84 05 00 04 05 00 84 06 00 06 01 00 04 06 00 04 04 00 04 06 00", 5},
        {"without a selection, at the front", -1, DELAY_NONE,
         "84 06 00 04 06 00 84 04 00 84 05 00 04 05 00 04 04 00 04 06 00", 1},
        {"after the last row", 4, DELAY_NONE, "84 04 00 84 05 00 04 05 00 04 04 00 04 06 00 84 06 00 04 06 00", 6},
    };
    for (const InsertCase& c : cases) {
        EditorFixture fixture("84 04 00 84 05 00 04 05 00 04 04 00 04 06 00");
        fixture.editor.StartRecording(true);
        EXPECT_TRUE(fixture.editor.InsertMode());
        int selection = fixture.Record({{'C', kDown, 1000}, {'C', kUp, 1500}}, c.delayType, L"10", c.selected);
        EXPECT_EQ(Hex(Block(c.records)), Hex(fixture.editor.Events())) << c.what;
        EXPECT_EQ(c.selection, selection) << c.what;
        ExpectInStep(fixture.editor);
    }
}

TEST(MacroEventEditor, FullMacro) {
    struct LimitCase {
        const char* what;
        int delayType;
        int recordsBefore;
        bool delayDue;
        bool taken;
        int recordsAfter;
    };
    const LimitCase cases[] = {
        {"no delays: the 62nd record", DELAY_NONE, 61, false, true, 62},
        {"no delays: full at 62", DELAY_NONE, 62, false, false, 62},
        {"delays: key and delay fill 63", DELAY_FIXED, 61, true, true, 63},
        {"delays: the key alone takes the last record", DELAY_FIXED, 62, false, true, 63},
        {"delays: no room for key and delay, refused whole", DELAY_FIXED, 62, true, false, 62},
        {"delays: full at 63", DELAY_RECORDED, 63, false, false, 63},
    };
    for (const LimitCase& c : cases) {
        EditorFixture fixture;
        MacroEvents block{};
        for (int i = 0; i < c.recordsBefore; ++i) block[i] = MacroEvent::Press(EVENT_KEY, 0x04);
        fixture.editor.Load(block);
        fixture.editor.StartRecording(true);
        if (c.delayDue) fixture.recording.lastEventTime = 1000;
        MacroEventEditor::HookResult result =
            fixture.editor.OnHookKey(kVkB, kDown, 2000, c.recordsBefore - 1, c.delayType, L"10");
        EXPECT_EQ(c.taken, result.taken) << c.what;
        EXPECT_EQ(c.recordsAfter, fixture.editor.EventCount()) << c.what;
        EXPECT_EQ(c.taken ? 2000u : (c.delayDue ? 1000u : 0u), fixture.recording.lastEventTime) << c.what;
        ExpectInStep(fixture.editor);
    }
}

TEST(MacroEventEditor, StartingARecording) {
    EditorFixture fixture("84 04 00 04 04 00");
    fixture.recording.lastEventTime = 500;
    fixture.editor.StartRecording(true);
    EXPECT_EQ(2, fixture.editor.EventCount()) << "inserting keeps the events";
    EXPECT_EQ(0u, fixture.recording.lastEventTime);
    fixture.editor.StartRecording(false);
    EXPECT_EQ(0, fixture.editor.EventCount()) << "appending starts empty";
    EXPECT_FALSE(fixture.editor.InsertMode());
}

// Five events, A down, 120 ms, A up, left press, left release.
const char kFive[] = "84 04 00 06 0C 00 04 04 00 81 01 00 01 01 00";

enum class Command { MoveUp, MoveDown, Delete, Click1, Click2, Click3, Click9 };

TEST(MacroEventEditor, EventCommands) {
    struct CommandCase {
        const char* what;
        const char* block;
        Command command;
        int selected;
        const char* records;
        int selection;
    };
    const int keep = MacroEventEditor::kKeepSelection;
    const CommandCase cases[] = {
        {"move up", kFive, Command::MoveUp, 2, "84 04 00 04 04 00 06 0C 00 81 01 00 01 01 00", 1},
        {"move up at row 0", kFive, Command::MoveUp, 0, kFive, keep},
        {"move up without a selection", kFive, Command::MoveUp, -1, kFive, keep},
        {"move down", kFive, Command::MoveDown, 0, "06 0C 00 84 04 00 04 04 00 81 01 00 01 01 00", 1},
        {"move down at the last row", kFive, Command::MoveDown, 4, kFive, keep},
        {"move down without a selection", kFive, Command::MoveDown, -1, kFive, keep},
        {"delete", kFive, Command::Delete, 1, "84 04 00 04 04 00 81 01 00 01 01 00", 1},
        {"delete the last row", kFive, Command::Delete, 4, "84 04 00 06 0C 00 04 04 00 81 01 00", 3},
        {"delete the only row", "84 04 00", Command::Delete, 0, "", -1},
        {"delete without a selection", kFive, Command::Delete, -1, kFive, keep},
        {"left click after the selection", "84 04 00 04 04 00", Command::Click1, 0,
         "84 04 00 81 01 00 01 01 00 04 04 00", 2},
        {"right click into an empty macro", "", Command::Click2, -1, "81 02 00 01 02 00", 1},
        {"middle click", "84 04 00", Command::Click3, 0, "84 04 00 81 04 00 01 04 00", 2},
        {"no such button", "84 04 00", Command::Click9, 0, "84 04 00", keep},
    };
    for (const CommandCase& c : cases) {
        EditorFixture fixture(c.block);
        MacroEventEditor& editor = fixture.editor;
        int selection = keep;
        switch (c.command) {
        case Command::MoveUp: selection = editor.MoveUp(c.selected); break;
        case Command::MoveDown: selection = editor.MoveDown(c.selected); break;
        case Command::Delete: selection = editor.DeleteEvent(c.selected); break;
        case Command::Click1: selection = editor.InsertClick(c.selected, 1); break;
        case Command::Click2: selection = editor.InsertClick(c.selected, 2); break;
        case Command::Click3: selection = editor.InsertClick(c.selected, 3); break;
        case Command::Click9: selection = editor.InsertClick(c.selected, 9); break;
        }
        EXPECT_EQ(Hex(Block(c.records)), Hex(editor.Events())) << c.what;
        EXPECT_EQ(c.selection, selection) << c.what;
        ExpectInStep(editor);
    }
}

TEST(MacroEventEditor, ClickRows) {
    EditorFixture fixture;
    fixture.editor.InsertClick(-1, 1);
    const std::vector<std::wstring> rows = {KeyRowText(L"Left"), KeyRowText(L"Left")};
    EXPECT_EQ(rows, RowTexts(fixture.editor));
    EXPECT_EQ(RowMark::Press, fixture.editor.Rows()[0].mark);
    EXPECT_EQ(RowMark::Release, fixture.editor.Rows()[1].mark);
}

TEST(MacroEventEditor, ClickNeedsTwoRecords) {
    struct ClickLimitCase {
        int recordsBefore;
        int recordsAfter;
    };
    for (const ClickLimitCase& c : {ClickLimitCase{61, 63}, ClickLimitCase{62, 62}, ClickLimitCase{63, 63}}) {
        EditorFixture fixture;
        MacroEvents block{};
        for (int i = 0; i < c.recordsBefore; ++i) block[i] = MacroEvent::Delay(10);
        fixture.editor.Load(block);
        fixture.editor.InsertClick(0, 1);
        EXPECT_EQ(c.recordsAfter, fixture.editor.EventCount()) << c.recordsBefore;
    }
}

TEST(MacroEventEditor, Clipboard) {
    EditorFixture fixture(kFive);
    MacroEventEditor& editor = fixture.editor;
    EXPECT_FALSE(editor.Paste(0)) << "nothing copied yet";
    EXPECT_FALSE(editor.Copy(-1)) << "copy needs a selected row";
    EXPECT_FALSE(editor.Cut(-1)) << "cut needs a selected row";
    EXPECT_FALSE(editor.Cut(5));
    EXPECT_EQ(Hex(Block(kFive)), Hex(editor.Events()));

    EXPECT_TRUE(editor.Cut(1));
    EXPECT_EQ(Hex(Block("84 04 00 04 04 00 81 01 00 01 01 00")), Hex(editor.Events()));
    EXPECT_TRUE(editor.Paste(3));
    EXPECT_TRUE(editor.Paste(-1)) << "the clipboard keeps its event";
    EXPECT_EQ(Hex(Block("06 0C 00 84 04 00 04 04 00 81 01 00 01 01 00 06 0C 00")), Hex(editor.Events()));
    EXPECT_EQ(DelayRowText(120), editor.Rows()[0].text);
    ExpectInStep(editor);

    EXPECT_TRUE(editor.Copy(1));
    EXPECT_TRUE(editor.Paste(5));
    EXPECT_EQ(KeyRowText(L"A"), editor.Rows()[6].text);
    EXPECT_EQ(RowMark::Press, editor.Rows()[6].mark);

    MacroEvents full{};
    full.fill(MacroEvent::Delay(10));
    editor.Load(full);
    EXPECT_FALSE(editor.Paste(0)) << "no room in a full macro";
    EXPECT_EQ(MACRO_EVENTS_MAX, editor.EventCount());
}

TEST(MacroEventEditor, EditingADelay) {
    struct EditCase {
        int row;
        int milliseconds;
        bool edited;
        const char* records;
    };
    const EditCase cases[] = {
        {1, 250, true, "84 04 00 06 19 00 04 04 00"},
        {1, 255, true, "84 04 00 06 19 00 04 04 00"},
        {1, 0, true, "84 04 00 06 00 00 04 04 00"},
        {1, 99999, true, "84 04 00 06 0F 27 04 04 00"},
        {0, 250, false, "84 04 00 06 0C 00 04 04 00"},
        {3, 250, false, "84 04 00 06 0C 00 04 04 00"},
        {-1, 250, false, "84 04 00 06 0C 00 04 04 00"},
    };
    for (const EditCase& c : cases) {
        EditorFixture fixture("84 04 00 06 0C 00 04 04 00");
        EXPECT_EQ(c.edited, fixture.editor.EditDelay(c.row, c.milliseconds)) << c.row << " " << c.milliseconds;
        EXPECT_EQ(Hex(Block(c.records)), Hex(fixture.editor.Events())) << c.row << " " << c.milliseconds;
        ExpectInStep(fixture.editor);
    }
}

TEST(MacroEventEditor, LoadingKeepsOnlyTheShownEvents) {
    struct LoadCase {
        const char* block;
        const char* records;
        int count;
    };
    const LoadCase cases[] = {
        {"", "", 0},
        {kFive, kFive, 5},
        {"00 00 00 84 04 00 05 01 00 06 0C 00 00 00 00 04 04 00", "84 04 00 06 0C 00 04 04 00", 3},
        {"87 01 00 80 00 00", "", 0},
    };
    for (const LoadCase& c : cases) {
        EditorFixture fixture(c.block);
        EXPECT_EQ(c.count, fixture.editor.EventCount()) << c.block;
        EXPECT_EQ(Hex(Block(c.records)), Hex(fixture.editor.Events())) << c.block;
        ExpectInStep(fixture.editor);
    }

    // Deleting the row that shows the delay deletes the delay, not the record of another kind
    // that sat before it in the file.
    EditorFixture fixture("84 04 00 05 01 00 06 0C 00 04 04 00");
    EXPECT_EQ(DelayRowText(120), fixture.editor.Rows()[1].text);
    fixture.editor.DeleteEvent(1);
    EXPECT_EQ(Hex(Block("84 04 00 04 04 00")), Hex(fixture.editor.Events()));
}

TEST(MacroEventEditor, TotalsAndPairing) {
    EditorFixture fixture(kFive);
    EXPECT_EQ(120, TotalPlayingTime(fixture.editor.Events()));
    EXPECT_TRUE(fixture.editor.IsBalanced());
    fixture.editor.DeleteEvent(2);
    EXPECT_FALSE(fixture.editor.IsBalanced()) << "A pressed, never released";
}
}  // namespace
