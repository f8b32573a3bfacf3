#include "ui/main/WebPage.h"

#include <gtest/gtest.h>

#include <set>

namespace {
TEST(WebPage, ApplicationOfARegisteredCommand) {
    const std::set<std::wstring> files{L"C:\\Program Files\\Browser\\browser.exe", L"C:\\web.exe"};
    auto isFile = [&files](const std::wstring& path) { return files.count(path) > 0; };
    struct Case {
        const wchar_t* command;
        const wchar_t* application;
    };
    const Case cases[] = {
        {L"\"C:\\Program Files\\Browser\\browser.exe\" -- \"%1\"", L"C:\\Program Files\\Browser\\browser.exe"},
        {L"  C:\\web.exe %1  ", L"C:\\web.exe"},
        {L"C:\\web.exe", L"C:\\web.exe"},
        {L"C:\\missing.exe %1", L"C:\\missing.exe %1"},
        {L"   ", L""},
        {L"", L""},
    };
    for (const Case& c : cases) EXPECT_EQ(c.application, ApplicationOfCommand(c.command, isFile)) << c.command;
}
}  // namespace
