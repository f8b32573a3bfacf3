#include "companions/DeviceProfiles.h"

#include "profile/ProfileFiles.h"
#include "profile/ProfileRules.h"

ProfileSet ReadDeviceProfiles() {
    ProfileSet set{};
    SetProfileDefaults(set);
    LoadAllProfiles(set);
    RepairProfileSet(set);
    return set;
}
