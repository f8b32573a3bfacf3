#include "profile/AppliedProfiles.h"

#include "profile/ProfileFiles.h"

bool AppliedProfiles::HasUnappliedEdits(const ProfileSet& working) const { return !SameProfileFiles(applied, working); }
