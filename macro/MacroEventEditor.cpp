#include "macro/MacroEventEditor.h"

#include "keys/KeyTables.h"

#include <windows.h>

#include <algorithm>
#include <cwchar>

namespace {
// With no delays, recording stops at 62 records; with delays at 63, and a key that would need
// its delay and itself where only one record is free is refused whole.
constexpr int kRecordedLimitWithoutDelays = 62;

// The names of the two Windows keys, which share one key index in the key table.
constexpr int kLeftWindowsKeyIndex = 244;
constexpr int kRightWindowsKeyIndex = 245;

// The button bits of a macro's mouse events, by mouse button 1 left, 2 right, 3 middle.
constexpr unsigned char kClickCodes[] = {1, 2, 4};

std::wstring RecordedKeyName(std::uint32_t vk) {
    if (vk == VK_LWIN) return KeyIndexName(kLeftWindowsKeyIndex);
    if (vk == VK_RWIN) return KeyIndexName(kRightWindowsKeyIndex);
    return KeyName(static_cast<int>(vk));
}

bool IsKeyFlags(std::uint32_t flags) {
    return flags == kHookKeyPressed || flags == kHookExtendedKeyPressed || flags == kHookKeyReleased ||
           flags == kHookExtendedKeyReleased;
}
}  // namespace

std::wstring KeyRowText(const std::wstring& name) { return std::wstring(19, L' ') + name; }

std::wstring DelayRowText(int milliseconds) { return std::wstring(54, L' ') + std::to_wstring(milliseconds); }

EventRow MacroEventEditor::RowFor(const MacroEvent& event) {
    if (event.IsDelay()) return {DelayRowText(event.DelayMilliseconds()), RowMark::None};
    return {KeyRowText(EventDisplayName(event)), event.IsPress() ? RowMark::Press : RowMark::Release};
}

void MacroEventEditor::Load(const MacroEvents& block) {
    events = block;
    const int count = CompactListedEvents(events);
    rows.clear();
    for (int i = 0; i < count; ++i) rows.push_back(RowFor(events[i]));
}

void MacroEventEditor::Clear() {
    events = MacroEvents{};
    rows.clear();
}

void MacroEventEditor::Insert(int at, const MacroEvent& event, EventRow row) {
    std::copy_backward(events.begin() + at, events.begin() + EventCount(), events.begin() + EventCount() + 1);
    events[at] = event;
    rows.insert(rows.begin() + at, std::move(row));
}

void MacroEventEditor::Remove(int at) {
    std::copy(events.begin() + at + 1, events.begin() + EventCount(), events.begin() + at);
    events[EventCount() - 1] = MacroEvent{};
    rows.erase(rows.begin() + at);
}

void MacroEventEditor::Swap(int first, int second) {
    std::swap(events[first], events[second]);
    std::swap(rows[first], rows[second]);
}

void MacroEventEditor::StartRecording(bool insert) {
    insertMode = insert;
    recording.lastEventTime = 0;
    if (!insert) Clear();
}

int MacroEventEditor::DueDelay(std::uint32_t now, int delayType, const std::wstring& fixedDelayText) const {
    if (recording.lastEventTime == 0) return 0;
    std::uint32_t elapsed = 0;
    if (delayType == DELAY_RECORDED) {
        elapsed = now - recording.lastEventTime;
    } else if (delayType == DELAY_FIXED) {
        const long typed = std::wcstol(fixedDelayText.c_str(), nullptr, 10);
        elapsed = static_cast<std::uint32_t>(std::clamp(typed, 10L, 0xFFFFFL));
    }
    elapsed -= elapsed % 10;
    return elapsed > 65534 ? 65535 : static_cast<int>(elapsed);
}

MacroEventEditor::HookResult MacroEventEditor::OnHookKey(std::uint32_t vk, std::uint32_t flags, std::uint32_t now,
                                                         int selected, int delayType,
                                                         const std::wstring& fixedDelayText) {
    const HookResult refused{false, kKeepSelection};
    if (vk == recording.lastHookKey && flags == recording.lastHookFlags) return refused;

    const bool withDelays = delayType == DELAY_RECORDED || delayType == DELAY_FIXED;
    const int delay = withDelays ? DueDelay(now, delayType, fixedDelayText) : 0;
    const int needed = (delay != 0 ? 1 : 0) + (IsKeyFlags(flags) ? 1 : 0);
    const int limit = withDelays ? MACRO_EVENTS_MAX : kRecordedLimitWithoutDelays;
    if (EventCount() >= limit || EventCount() + needed > MACRO_EVENTS_MAX) return refused;

    int at = insertMode ? std::clamp(selected, -1, EventCount() - 1) + 1 : EventCount();
    int selection = kKeepSelection;
    if (delay != 0) {
        const MacroEvent record = MacroEvent::Delay(delay);
        Insert(at, record, RowFor(record));
        selection = at++;
    }
    if (IsKeyFlags(flags)) {
        std::uint8_t usage = 0;
        KeyUsage(static_cast<int>(vk), usage);
        const bool press = flags == kHookKeyPressed || flags == kHookExtendedKeyPressed;
        const MacroEvent record = press ? MacroEvent::Press(EVENT_KEY, usage) : MacroEvent::Release(EVENT_KEY, usage);
        Insert(at, record, {KeyRowText(RecordedKeyName(vk)), press ? RowMark::Press : RowMark::Release});
        selection = at;
    }
    recording.lastEventTime = now;
    recording.lastHookKey = vk;
    recording.lastHookFlags = flags;
    if (!insertMode) selection = EventCount() - 1;
    return {true, selection};
}

int MacroEventEditor::MoveUp(int selected) {
    if (!IsRow(selected) || selected == 0) return kKeepSelection;
    Swap(selected, selected - 1);
    return selected - 1;
}

int MacroEventEditor::MoveDown(int selected) {
    if (!IsRow(selected) || selected == EventCount() - 1) return kKeepSelection;
    Swap(selected, selected + 1);
    return selected + 1;
}

int MacroEventEditor::DeleteEvent(int selected) {
    if (!IsRow(selected)) return kKeepSelection;
    Remove(selected);
    return std::min(selected, EventCount() - 1);
}

int MacroEventEditor::InsertClick(int selected, int button) {
    if (button < 1 || button > 3 || EventCount() >= MACRO_EVENTS_MAX - 1) return kKeepSelection;
    const unsigned char code = kClickCodes[button - 1];
    const int at = std::clamp(selected, -1, EventCount() - 1) + 1;
    const MacroEvent press = MacroEvent::Press(EVENT_MOUSE_BUTTON, code);
    const MacroEvent release = MacroEvent::Release(EVENT_MOUSE_BUTTON, code);
    Insert(at, press, RowFor(press));
    Insert(at + 1, release, RowFor(release));
    return at + 1;
}

bool MacroEventEditor::Copy(int selected) {
    if (!IsRow(selected)) return false;
    clipboardEvent = events[selected];
    clipboardValid = true;
    return true;
}

bool MacroEventEditor::Cut(int selected) {
    if (!Copy(selected)) return false;
    Remove(selected);
    return true;
}

bool MacroEventEditor::Paste(int selected) {
    if (!clipboardValid || EventCount() >= MACRO_EVENTS_MAX) return false;
    Insert(std::clamp(selected, -1, EventCount() - 1) + 1, clipboardEvent, RowFor(clipboardEvent));
    return true;
}

bool MacroEventEditor::EditDelay(int row, int milliseconds) {
    if (!IsRow(row) || !events[row].IsDelay()) return false;
    const MacroEvent units = MacroEvent::Delay(milliseconds);
    events[row].code = units.code;
    events[row].high = units.high;
    rows[row] = RowFor(events[row]);
    return true;
}
