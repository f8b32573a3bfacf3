// Opens a web address in the user's default browser.
#pragma once
#include <string>

// True for an address the web link may open: "http://" or "https://" (any case) and more.
bool IsWebAddress(const std::wstring& address);

// Opens a web address through the shell; returns 0 when the shell took it, -1 otherwise, and for
// anything that is not a web address (the address comes from a localisation file).
int OpenWebPage(const std::wstring& address);
