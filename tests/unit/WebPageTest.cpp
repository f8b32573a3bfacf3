#include "ui/main/WebPage.h"

#include <gtest/gtest.h>

namespace {
// The address comes from a localisation file; only a web address may reach the shell, which
// would start a program or open a file just as readily.
TEST(WebPage, OnlyWebAddressesAreOpened) {
    struct Case {
        const wchar_t* address;
        bool web;
    };
    const Case cases[] = {
        {L"https://www.orvane.example/", true},
        {L"http://orvane.example", true},
        {L"HTTPS://ORVANE.EXAMPLE/", true},
        {L"https://", false},
        {L"http:/orvane.example", false},
        {L"C:\\Program.exe", false},
        {L"notepad.exe", false},
        {L"file:///C:/Windows/System32/calc.exe", false},
        {L"\\\\server\\share\\page.htm", false},
        {L" https://orvane.example/", false},
        {L"", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.web, IsWebAddress(c.address)) << c.address;
        if (!c.web) {
            EXPECT_EQ(-1, OpenWebPage(c.address)) << c.address;
        }
    }
}
}  // namespace
