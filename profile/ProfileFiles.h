// The profile files: "RSProfile1.pfd" to "RSProfile5.pfd" in the data folder, shared with the
// device service, and single exported profiles. None of these operations reports a failure: a
// missing file or key reads as its default and a failed write is silent.
#pragma once
#include "profile/ProfileSet.h"

#include <string>

// DataFolder + "RSProfile%d.pfd" for profile `profileIndex` 0 to 4.
std::wstring ProfileFilePath(int profileIndex);

// Writes all five profile files from WorkingProfiles, every value flushed before the next.
void SaveAllProfiles();

// Reads all five profile files into `set`, which SetProfileDefaults has prepared. GroupID is
// the fifth file's. Nothing is repaired.
void LoadAllProfiles(ProfileSet& set);

// The whole loading sequence of initialisation and reload: zeroes `staging` and WorkingProfiles,
// sets the defaults, reads the files into `staging`, then validates it into WorkingProfiles.
void LoadProfiles(ProfileSet& staging);

// Writes one profile to `path` without GroupID and without the buttons' LoopNumber. Keys already
// in the file and not written here stay.
void ExportProfile(const ProfileRecord& record, const std::wstring& path);

// Reads a file written by ExportProfile into `record`, unrepaired. LoopNumber stays, and a macro
// name is taken up to its first 50 characters.
void ImportProfile(const std::wstring& path, ProfileRecord& record);
