// One start of a program, seen from outside: the time from CreateProcess until its window with
// the given title is shown and completely painted (no window of it waits for a paint and its
// thread is back in its message loop), and the program's private memory at that moment.
#pragma once
#include <windows.h>

#include <string>

struct StartResult {
    bool painted = false;
    double milliseconds = 0;
    double privateMegabytes = 0;
    int childWindows = 0;
};

class ProgramStart {
public:
    // `commandLine`: the program and its arguments; `title`: its main window's title.
    ProgramStart(std::wstring commandLine, std::wstring title);

    // Starts the program, waits at most `limitMilliseconds` for its first complete paint, then
    // ends it and waits for it to be gone.
    StartResult Run(DWORD limitMilliseconds) const;
    // Starts a console program with its output thrown away and times it until it has ended;
    // negative when it did not start, failed, or did not end within `limitMilliseconds` (it is
    // ended then).
    double RunToExit(DWORD limitMilliseconds) const;

private:
    std::wstring commandLine;
    std::wstring title;
};
