// The tool's two folders, filled once when the main window is created and read-only afterwards.
#pragma once
#include <cstddef>

constexpr size_t kFolderChars = 260;  // 259 characters and the terminator

// Drive and directory of the running executable, ending with a backslash.
extern wchar_t AppDirectory[kFolderChars];
// Folder of the profile and macro files (documents folder + "\Orvane\"), ending with a backslash.
extern wchar_t DataFolder[kFolderChars];

void InitFolders();

// Creates DataFolder and its subfolder "MacroDB" where they are missing (the installer makes them
// only for the account that installs). Failures are left to the writes that follow to report.
void CreateDataFolders();

// The two folder strings for an executable path and a documents folder (null when the system
// could not tell one). A documents folder too long for the product folder falls back to the
// executable's directory, as an unavailable one does.
void BuildFolders(const wchar_t* modulePath, const wchar_t* documentsFolder, wchar_t* appDirectory,
                  wchar_t* dataFolder);
