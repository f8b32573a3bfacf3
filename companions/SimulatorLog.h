// The device simulator's log, "hid-simulator.log" in the data folder: one line per message the
// simulator receives or sends and per control command, each starting with the time, for
// example "14:02:31.250 received WM_SERVICE_APPLY 0 0 complete-files=5".
#pragma once
#include <windows.h>

#include <string>

class SimulatorLog {
public:
    explicit SimulatorLog(std::wstring path) : path(std::move(path)) {}

    void Write(const std::wstring& text) const;
    // "<event> <message name> <wParam> <lParam>", then the note when there is one.
    void WriteMessage(const wchar_t* event, UINT message, WPARAM wParam, LPARAM lParam,
                      const std::wstring& note = L"") const;

private:
    std::wstring path;
};
