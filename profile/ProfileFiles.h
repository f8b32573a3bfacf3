// The profile files: "RSProfile1.pfd" to "RSProfile5.pfd" in the data folder, shared with the
// device service, and single exported profiles. A missing file or key reads as its default;
// saving the five files reports whether every value was written.
#pragma once
#include "profile/ProfileSet.h"

#include <string>

// DataFolder + "RSProfile%d.pfd" for profile `profileIndex` 0 to 4.
std::wstring ProfileFilePath(int profileIndex);

// Writes all five profile files from WorkingProfiles, each replaced whole by a copy written
// beside it (ReplaceIniFile). False when any file could not be written; that file stays as it was.
bool SaveAllProfiles();

// True when SaveAllProfiles would write the same five files from `a` as from `b`: the same
// GroupID and, value by value, the same keys of every profile (a macro name as far as it is written).
bool SameProfileFiles(const ProfileSet& a, const ProfileSet& b);

// True for the five profile files and for anything inside the folder "MacroDB" of DataFolder,
// however the path is spelled (case, "..", "/" or a relative path are all resolved first). These
// files belong to the tool and the service and are never a destination chosen by the user.
bool IsProtectedDataFile(const std::wstring& path);

// Reads all five profile files into `set`, which SetProfileDefaults has prepared. GroupID is
// the fifth file's. Nothing is repaired.
void LoadAllProfiles(ProfileSet& set);

// The whole loading sequence of initialisation and reload: zeroes `staging` and WorkingProfiles,
// sets the defaults, reads the files into `staging`, then validates it into WorkingProfiles.
void LoadProfiles(ProfileSet& staging);

// Writes one profile to `path` without GroupID and without the buttons' LoopNumber, replacing the
// file whole. Keys already in the file and not written here stay. False when it could not be written.
bool ExportProfile(const ProfileRecord& record, const std::wstring& path);

// Reads a file written by ExportProfile into `record`, unrepaired. LoopNumber stays, and a macro
// name is taken up to its first 50 characters.
void ImportProfile(const std::wstring& path, ProfileRecord& record);
