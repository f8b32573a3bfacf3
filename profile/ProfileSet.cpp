#include "profile/ProfileSet.h"

ProfileSet WorkingProfiles;
