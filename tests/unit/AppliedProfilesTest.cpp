#include "profile/AppliedProfiles.h"

#include "ProfileTestData.h"
#include "framework/Folders.h"
#include "profile/ProfileFiles.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <functional>
#include <string>

namespace {
struct EditCase {
    const char* name;
    std::function<void(ProfileSet&)> edit;
};

// One value of each kind the files hold, at the first or the last place of its kind.
const EditCase kWrittenEdits[] = {
    {"the active profile", [](ProfileSet& s) { s.GroupID = 4; }},
    {"the first integer of the first profile", [](ProfileSet& s) { s.Profiles[0].Group += 1; }},
    {"the polling rate", [](ProfileSet& s) { s.Profiles[2].PollingRate = 1; }},
    {"the lighting colour", [](ProfileSet& s) { s.Profiles[1].LedColor1 ^= 0x010000; }},
    {"the last integer of the last profile", [](ProfileSet& s) { s.Profiles[4].DPIStageNum = 4; }},
    {"a stage's X", [](ProfileSet& s) { s.Profiles[3].DPIStageValue[0].X += 1; }},
    {"the last stage's link", [](ProfileSet& s) { s.Profiles[4].DPIStageValue[4].Linked ^= 1; }},
    {"a button's id", [](ProfileSet& s) { s.Profiles[0].Buttons[0].ButtonID = 9; }},
    {"a button's function", [](ProfileSet& s) { s.Profiles[2].Buttons[3].ButtonFunc = FUNC_DISABLED; }},
    {"the last button's loop count", [](ProfileSet& s) { s.Profiles[4].Buttons[7].LoopNumber ^= 1; }},
    {"a button's key count", [](ProfileSet& s) { s.Profiles[1].Buttons[5].KeyNumber ^= 1; }},
    {"the first key byte", [](ProfileSet& s) { s.Profiles[0].Buttons[2].KeyData[0] ^= 1; }},
    {"the last key byte", [](ProfileSet& s) { s.Profiles[4].Buttons[7].KeyData[kKeyDataBytes - 1] ^= 1; }},
    {"a macro name cut short", [](ProfileSet& s) { s.Profiles[3].Buttons[1].MacroName[2] = L'\0'; }},
    {"the last written character of a macro name",
     [](ProfileSet& s) {
         ButtonAssignment& button = s.Profiles[2].Buttons[6];
         std::wmemset(button.MacroName, L'm', kMacroNameChars);
         button.MacroName[kMacroNameChars] = L'\0';
     }},
};

// Parts of the set no file receives.
const EditCase kUnwrittenEdits[] = {
    {"characters after a macro name's end", [](ProfileSet& s) { s.Profiles[1].Buttons[4].MacroName[100] = L'x'; }},
    {"the terminator place of a full macro name",
     [](ProfileSet& s) {
         ButtonAssignment& button = s.Profiles[0].Buttons[3];
         std::wmemset(button.MacroName, L'm', kMacroNameChars + 1);
     }},
};
}  // namespace

TEST(AppliedProfiles, EveryValueTheFilesHoldIsAnEditUntilSettled) {
    for (const EditCase& c : kWrittenEdits) {
        AppliedProfiles applied;
        ProfileSet working = SampleSet();
        applied.Settle(working);
        EXPECT_FALSE(applied.HasUnappliedEdits(working)) << c.name;
        ProfileSet before = working;
        c.edit(working);
        EXPECT_TRUE(applied.HasUnappliedEdits(working)) << c.name;
        EXPECT_FALSE(SameProfileFiles(before, working)) << c.name;
        applied.Settle(working);
        EXPECT_FALSE(applied.HasUnappliedEdits(working)) << c.name << ", applied";
    }
}

TEST(AppliedProfiles, AnEditUndoneLeavesNothingUnapplied) {
    AppliedProfiles applied;
    ProfileSet working = SampleSet();
    applied.Settle(working);
    const std::int32_t rate = working.Profiles[1].PollingRate;
    working.Profiles[1].PollingRate = 1;
    ASSERT_TRUE(applied.HasUnappliedEdits(working));
    working.Profiles[1].PollingRate = rate;
    EXPECT_FALSE(applied.HasUnappliedEdits(working));
}

TEST(AppliedProfiles, WhatNoFileReceivesIsNoEdit) {
    // A full macro name in the first case's button makes the second case's change one past it.
    for (const EditCase& c : kUnwrittenEdits) {
        AppliedProfiles applied;
        ProfileSet working = SampleSet();
        std::wmemset(working.Profiles[0].Buttons[3].MacroName, L'm', kMacroNameChars);
        applied.Settle(working);
        c.edit(working);
        EXPECT_FALSE(applied.HasUnappliedEdits(working)) << c.name;
    }
}

// The comparison is the files' view: a set saved and loaded back from the five files is the
// same, and a set with an edit is not, whatever the bytes the files leave out.
TEST(AppliedProfiles, ASetLoadedFromItsSavedFilesHasNothingUnapplied) {
    TestFolder folder;
    wcsncpy_s(DataFolder, kFolderChars, folder.Path().c_str(), _TRUNCATE);
    ProfileSet saved = SampleSet();
    for (const EditCase& c : kUnwrittenEdits) c.edit(saved);
    WorkingProfiles = saved;
    ASSERT_TRUE(SaveAllProfiles());
    ProfileSet loaded = SampleSet();
    LoadAllProfiles(loaded);
    DataFolder[0] = L'\0';

    AppliedProfiles applied;
    applied.Settle(loaded);
    EXPECT_FALSE(applied.HasUnappliedEdits(saved));
    saved.Profiles[0].MouseSensitivity += 1;
    EXPECT_TRUE(applied.HasUnappliedEdits(saved));
}
