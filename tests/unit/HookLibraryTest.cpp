#include "app/Folders.h"
#include "macro/HookFunctions.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cwchar>
#include <string>

namespace {
// Points AppDirectory at a folder for one test.
class AppDirectoryScope {
public:
    explicit AppDirectoryScope(const std::wstring& folder) {
        wcscpy_s(saved, kFolderChars, AppDirectory);
        wcscpy_s(AppDirectory, kFolderChars, folder.c_str());
    }
    ~AppDirectoryScope() { wcscpy_s(AppDirectory, kFolderChars, saved); }

private:
    wchar_t saved[kFolderChars];
};

TEST(HookLibrary, MissingLibraryLeavesEveryEntryPointNullAndTheCallsAreSkipped) {
    TestFolder folder;
    AppDirectoryScope scope(folder.Path());

    HookFunctions functions = LoadHookLibrary();

    EXPECT_EQ(nullptr, functions.library);
    EXPECT_EQ(nullptr, functions.installhook);
    EXPECT_EQ(nullptr, functions.removehook);
    EXPECT_EQ(nullptr, functions.installmousehook);
    EXPECT_EQ(nullptr, functions.removemousehook);
    EXPECT_EQ(nullptr, functions.enablehook);
    functions.Install(nullptr);
    functions.Enable(true);
    functions.Remove();
}

TEST(HookLibrary, LibraryBesideTheExecutableGivesAllFiveEntryPointsAndStaysLoaded) {
    InitFolders();  // the tests run beside the built KBHook.dll

    HookFunctions first = LoadHookLibrary();
    HookFunctions second = LoadHookLibrary();

    ASSERT_NE(nullptr, first.library);
    EXPECT_NE(nullptr, first.installhook);
    EXPECT_NE(nullptr, first.removehook);
    EXPECT_NE(nullptr, first.installmousehook);
    EXPECT_NE(nullptr, first.removemousehook);
    EXPECT_NE(nullptr, first.enablehook);
    EXPECT_EQ(first.library, second.library);
    EXPECT_EQ(first.installhook, second.installhook);
}
}  // namespace
