#include "framework/Folders.h"

#include "support/TestFolder.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {
struct FolderCase {
    const wchar_t* modulePath;
    const wchar_t* documents;  // null: the system could not tell the documents folder
    const wchar_t* appDirectory;
    const wchar_t* dataFolder;
};

const FolderCase kCases[] = {
    {L"C:\\A\\B\\tool.exe", L"D:\\Docs", L"C:\\A\\B\\", L"D:\\Docs\\Orvane\\"},
    {L"C:\\Tools\\Mouse\\tool.exe", L"C:\\Users\\pat\\Documents", L"C:\\Tools\\Mouse\\",
     L"C:\\Users\\pat\\Documents\\Orvane\\"},
    {L"C:\\tool.exe", L"D:\\Docs", L"C:\\", L"D:\\Docs\\Orvane\\"},
    {L"Z:\\build\\bin\\OrvaneCfg.exe", nullptr, L"Z:\\build\\bin\\", L"Z:\\build\\bin\\"},
    {L"\\\\server\\share\\tools\\tool.exe", L"D:\\Docs", L"\\\\server\\share\\tools\\", L"D:\\Docs\\Orvane\\"},
};

TEST(Folders, AppDirectoryAndDataFolder) {
    for (const FolderCase& c : kCases) {
        wchar_t appDirectory[kFolderChars];
        wchar_t dataFolder[kFolderChars];
        BuildFolders(c.modulePath, c.documents, appDirectory, dataFolder);
        EXPECT_STREQ(c.appDirectory, appDirectory) << c.modulePath;
        EXPECT_STREQ(c.dataFolder, dataFolder) << c.modulePath;
    }
}

TEST(Folders, DocumentsPathTooLongForTheProductFolderFallsBackToTheToolsDirectory) {
    // 251 characters + "\Orvane\" (8) = 259 still fits; one more does not.
    const std::wstring fits = L"D:\\" + std::wstring(248, L'd');
    const std::wstring tooLong = fits + L"x";
    wchar_t appDirectory[kFolderChars];
    wchar_t dataFolder[kFolderChars + 8];
    std::fill(std::begin(dataFolder), std::end(dataFolder), L'#');

    BuildFolders(L"C:\\A\\tool.exe", fits.c_str(), appDirectory, dataFolder);
    EXPECT_EQ(fits + L"\\Orvane\\", dataFolder);

    BuildFolders(L"C:\\A\\tool.exe", tooLong.c_str(), appDirectory, dataFolder);
    EXPECT_STREQ(L"C:\\A\\", dataFolder);
    for (size_t i = kFolderChars; i < kFolderChars + 8; ++i) EXPECT_EQ(L'#', dataFolder[i]) << "written past the end";
}

TEST(Folders, InitFoldersUsesTheRunningExecutable) {
    InitFolders();
    wchar_t modulePath[MAX_PATH];
    GetModuleFileNameW(nullptr, modulePath, MAX_PATH);
    std::wstring directory(modulePath);
    directory.erase(directory.find_last_of(L'\\') + 1);
    EXPECT_EQ(directory, AppDirectory);
    std::wstring data(DataFolder);
    ASSERT_GE(data.size(), 8u);
    EXPECT_EQ(L"\\Orvane\\", data.substr(data.size() - 8));
}

bool IsFolder(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// A user other than the one who installed has no data folder yet; writes into it would fail.
TEST(Folders, TheDataFolderAndItsMacroFolderAreCreatedWhenMissing) {
    TestFolder documents;
    const std::wstring data = documents.Path() + L"Orvane\\";
    wcscpy_s(DataFolder, kFolderChars, data.c_str());
    CreateDataFolders();
    EXPECT_TRUE(IsFolder(data));
    EXPECT_TRUE(IsFolder(data + L"MacroDB"));

    // Present folders and what they hold stay as they are.
    TestFolder::WriteBytes(data + L"MacroDB\\MacroSet.MSDB", "[MACRO_LIST]\r\n");
    CreateDataFolders();
    EXPECT_EQ("[MACRO_LIST]\r\n", TestFolder::ReadBytes(data + L"MacroDB\\MacroSet.MSDB"));

    // A file where the folder should be is left alone; the saves report it.
    const std::wstring blocked = documents.Path() + L"Blocked\\";
    TestFolder::WriteBytes(documents.Path() + L"Blocked", "x");
    wcscpy_s(DataFolder, kFolderChars, blocked.c_str());
    CreateDataFolders();
    EXPECT_EQ("x", TestFolder::ReadBytes(documents.Path() + L"Blocked"));
    DataFolder[0] = L'\0';
}
}  // namespace
