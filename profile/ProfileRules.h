// Defaults, repair and factory reset of the profile records, and the one rule that spans buttons.
#pragma once
#include "profile/ProfileSet.h"

#include <array>
#include <cstddef>
#include <cstdint>

// How the repair treats one integer field of a profile record: a value that lies outside lowest
// to highest, compared as unsigned (so that -1 is too large), becomes `repaired`.
struct FieldRule {
    std::int32_t ProfileRecord::*field;
    std::uint32_t lowest;
    std::uint32_t highest;
    std::int32_t repaired;
    std::int32_t reset;  // factory value
};

constexpr std::size_t kFieldRuleCount = 22;

// The rules of every integer field but Group, whose repair depends on the profile and which a
// reset keeps. RepairProfile, ResetProfile and SetProfileDefaults work from this one table.
const std::array<FieldRule, kFieldRuleCount>& ProfileFieldRules();

// The codes the function menu can store; anything else is unset, damaged, or one of the codes
// that only open a sub-menu, and the repair gives the button its default.
bool IsStorableFunction(std::uint8_t code);

// Prepares a set before it is loaded: GroupID -1; every integer field -1 except LedMode1 and
// LedDirect1 (0); stages zero; button b gets ButtonID b + 1, ButtonFunc FUNC_UNSET, LoopNumber 1,
// KeyNumber 0, and empty key data and macro name.
void SetProfileDefaults(ProfileSet& set);

// Repairs profile `profileIndex` (0 to 4) after a load or an import, so that every value is one
// the tool's own controls could have set: each integer field by its rule; each stage's codes to
// 2 to 80 (its default code otherwise), its flags to 0 or 1 (0 otherwise), a linked stage's Y to
// its X, a set without an enabled stage gets stage 1 enabled, and DPI names an enabled stage;
// each button function the menu cannot store (unset, a sub-menu's code, above 55) becomes the
// button's default, and a profile without a Left click gets it on button record 0. Returns
// whether anything changed.
bool RepairProfile(ProfileRecord& record, int profileIndex);

// Repairs `set` after a load: a GroupID outside 0 to 4 becomes 0, and every profile is repaired by
// RepairProfile. Returns whether anything changed. The tool and the device simulator both repair
// with it, so they agree on what damaged files mean.
bool RepairProfileSet(ProfileSet& set);

// Copies `staging` into WorkingProfiles, then repairs the copy with RepairProfileSet.
// Returns whether anything was repaired.
bool ValidateProfiles(const ProfileSet& staging);

// Gives profile `profileIndex` its factory values. Group, and every button's ButtonID and
// LoopNumber, stay as they are. An index outside 0 to 4 changes nothing.
void ResetProfile(ProfileSet& set, int profileIndex);

// True when a button other than `button` (0 to 7) of `profile` has FUNC_LEFT_CLICK.
bool HasOtherPrimaryButton(const ProfileRecord& profile, int button);
