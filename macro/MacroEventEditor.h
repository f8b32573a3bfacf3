// The events of the macro being edited and the rows that show them, kept in step: row i always
// shows record i. Recording from the input hook, the event commands and the pairing check work
// here; the editor window only draws the rows and routes messages. No windows.
#pragma once
#include "macro/MacroEvents.h"

#include <cstdint>
#include <string>
#include <vector>

// What the recording state of every editor of the process shares: it outlives the dialog.
struct MacroRecordingState {
    // The last hook event recorded, (virtual-key code, flags); an equal pair next is ignored.
    std::uint32_t lastHookKey = 0;
    std::uint32_t lastHookFlags = 0;
    // Tick count of the last recorded event; 0 means none yet.
    std::uint32_t lastEventTime = 0;
};

// The arrow a row shows in front of its text.
enum class RowMark { None, Press, Release };

struct EventRow {
    std::wstring text;
    RowMark mark = RowMark::None;
};

// 19 blanks, then the name of a key or mouse button.
std::wstring KeyRowText(const std::wstring& name);
// 54 blanks, then the delay in milliseconds.
std::wstring DelayRowText(int milliseconds);

// How delays are recorded (the macro file's DelayType).
constexpr int DELAY_RECORDED = 0;
constexpr int DELAY_FIXED = 1;
constexpr int DELAY_NONE = 2;

// Flags of a hook event that record a key; any other value records no key.
constexpr std::uint32_t kHookKeyPressed = 0;
constexpr std::uint32_t kHookExtendedKeyPressed = 1;
constexpr std::uint32_t kHookKeyReleased = 0x80;
constexpr std::uint32_t kHookExtendedKeyReleased = 0x81;

class MacroEventEditor {
public:
    // A selection result meaning: leave the list's selection as it is.
    static constexpr int kKeepSelection = -2;

    // `recording` is borrowed: the process-wide state, or a test's own.
    explicit MacroEventEditor(MacroRecordingState& recording) : recording(recording) {}

    // Shows the listed events of a block in their order; empty records and records of other kinds
    // are dropped, so that every later edit addresses the event its row shows.
    void Load(const MacroEvents& block);
    // No events, no rows.
    void Clear();

    const MacroEvents& Events() const { return events; }
    int EventCount() const { return static_cast<int>(rows.size()); }
    const std::vector<EventRow>& Rows() const { return rows; }
    bool IsBalanced() const { return IsPressReleaseBalanced(events, EventCount()); }

    // Recording: appending empties the macro first; inserting puts the new events after the
    // selected row. Either way the first key records no delay.
    void StartRecording(bool insert);
    bool InsertMode() const { return insertMode; }
    // A macro was deleted: the next recording appends unless asked otherwise.
    void ClearInsertMode() { insertMode = false; }

    struct HookResult {
        bool taken;     // false: a repeat, or no room; nothing changed
        int selection;  // the row to select when taken
    };
    // A key of the hook (`vk` and `flags` as WM_HOOK_KEY carries them) at tick `now`, with the
    // selected row (-1 for none), the delay type and the text of the fixed delay box.
    HookResult OnHookKey(std::uint32_t vk, std::uint32_t flags, std::uint32_t now, int selected, int delayType,
                         const std::wstring& fixedDelayText);

    // The commands return the row to select afterwards (-1 for none) or kKeepSelection.
    int MoveUp(int selected);
    int MoveDown(int selected);
    int DeleteEvent(int selected);
    // Mouse button 1 left, 2 right, 3 middle: a press and its release after the selected row.
    int InsertClick(int selected, int button);
    // These three leave the selection to the caller and say whether anything changed: copy and
    // cut need a selected row, paste a copied event and room.
    bool Copy(int selected);
    bool Cut(int selected);
    bool Paste(int selected);
    // A delay row edited in place to `milliseconds`; false when `row` is not a delay.
    bool EditDelay(int row, int milliseconds);

private:
    static EventRow RowFor(const MacroEvent& event);
    bool IsRow(int row) const { return row >= 0 && row < EventCount(); }
    void Insert(int at, const MacroEvent& event, EventRow row);
    void Remove(int at);
    void Swap(int first, int second);
    int DueDelay(std::uint32_t now, int delayType, const std::wstring& fixedDelayText) const;

    MacroRecordingState& recording;
    MacroEvents events{};
    std::vector<EventRow> rows;
    bool insertMode = false;
    MacroEvent clipboardEvent{};
    bool clipboardValid = false;
};
