// The mouse's profiles as the simulator sees them: the five profile files, repaired the same way
// the tool repairs what it loads.
#pragma once
#include "profile/ProfileSet.h"

ProfileSet ReadDeviceProfiles();
