// What window tests share: running the messages that are waiting, and a documents folder of
// the test's own.
#pragma once
#include <windows.h>

#include <string>

// Dispatches every message waiting in this thread's queue.
void PumpMessages();

// Points the user's documents folder (the shell folder "Personal") at `folder`, which ends with a
// backslash, while the object lives; the previous value comes back afterwards.
class DocumentsRedirect {
public:
    explicit DocumentsRedirect(const std::wstring& folder);
    ~DocumentsRedirect();
    DocumentsRedirect(const DocumentsRedirect&) = delete;
    DocumentsRedirect& operator=(const DocumentsRedirect&) = delete;

private:
    bool hadValue = false;
    DWORD savedType = REG_SZ;
    wchar_t saved[MAX_PATH] = L"";
};
