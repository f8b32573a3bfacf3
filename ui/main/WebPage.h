// Opens a web address with the application registered for ".htm" files.
#pragma once
#include <functional>
#include <string>

// Returns 0 when the application was started, -1 otherwise.
int OpenWebPage(const std::wstring& address);

// The program of a registered command line: quotes removed, white space trimmed, and cut at the
// first space before which an existing file is named (the whole text when none is).
std::wstring ApplicationOfCommand(std::wstring command, const std::function<bool(const std::wstring&)>& isFile);
