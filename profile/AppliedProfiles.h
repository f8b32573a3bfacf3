// The profiles as the files and the device last took them: as loaded, reloaded or applied. The
// working profiles hold unapplied edits while saving them would write other files than these.
#pragma once
#include "profile/ProfileSet.h"

class AppliedProfiles {
public:
    // `profiles` are what the files now hold: they were just loaded or saved, or the device
    // reported the change itself.
    void Settle(const ProfileSet& profiles) { applied = profiles; }
    // True while saving `working` would change a value of the files.
    bool HasUnappliedEdits(const ProfileSet& working) const;

private:
    ProfileSet applied{};
};
