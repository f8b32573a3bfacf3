#include "framework/Folders.h"
#include "macro/HookFunctions.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <array>
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

std::array<const void*, 5> EntryPoints(const HookFunctions& functions) {
    return {reinterpret_cast<const void*>(functions.installhook), reinterpret_cast<const void*>(functions.removehook),
            reinterpret_cast<const void*>(functions.installmousehook),
            reinterpret_cast<const void*>(functions.removemousehook),
            reinterpret_cast<const void*>(functions.enablehook)};
}

TEST(HookLibrary, MissingLibraryLeavesEveryEntryPointNullAndTheCallsAreSkipped) {
    TestFolder folder;
    AppDirectoryScope scope(folder.Path());

    HookFunctions functions = LoadHookLibrary();

    EXPECT_EQ(nullptr, functions.library);
    for (const void* entryPoint : EntryPoints(functions)) EXPECT_EQ(nullptr, entryPoint);
    EXPECT_FALSE(functions.Install(nullptr));
    functions.Enable(true);
    functions.Remove();
}

// What the dialogs tell the user: no file, or a file that is no loadable hook library (an
// antivirus may leave a stub or a damaged copy behind).
TEST(HookLibrary, WhyNoKeysCanBeReadIsNoted) {
    struct Case {
        const char* what;
        const char* fileBytes;  // null: no KBHook.dll
        HookProblem problem;
    };
    const Case cases[] = {
        {"no file", nullptr, HookProblem::LibraryMissing},
        {"text instead of a library", "quarantined\r\n", HookProblem::LibraryBlocked},
        {"an empty file", "", HookProblem::LibraryBlocked},
    };
    for (const Case& c : cases) {
        TestFolder folder;
        AppDirectoryScope scope(folder.Path());
        if (c.fileBytes) TestFolder::WriteBytes(folder.File(L"KBHook.dll"), c.fileBytes);

        HookFunctions functions = LoadHookLibrary();

        EXPECT_EQ(c.problem, functions.problem) << c.what;
        EXPECT_FALSE(functions.Install(nullptr)) << c.what;
        EXPECT_EQ(c.problem, functions.problem) << c.what << ": Install keeps the first reason";
    }
}

TEST(HookLibrary, LibraryBesideTheExecutableGivesAllFiveEntryPointsAndStaysLoaded) {
    InitFolders();  // the tests run beside the built KBHook.dll

    HookFunctions first = LoadHookLibrary();
    HookFunctions second = LoadHookLibrary();

    ASSERT_NE(nullptr, first.library);
    EXPECT_EQ(HookProblem::None, first.problem);
    for (const void* entryPoint : EntryPoints(first)) EXPECT_NE(nullptr, entryPoint);
    EXPECT_EQ(first.library, second.library);
    EXPECT_EQ(EntryPoints(first), EntryPoints(second));
}
}  // namespace
