// What list, show and macros print: plain lines for people and screen readers, or one JSON
// document whose schema the README gives and which stays stable across versions.
#pragma once
#include "profile/ProfileSet.h"

#include <string>
#include <vector>

class ProfileReport {
public:
    // `profiles` as loaded and repaired; `macroNames` the library's list in slot order.
    ProfileReport(const ProfileSet& profiles, std::vector<std::wstring> macroNames, bool json)
        : profiles(profiles), macroNames(std::move(macroNames)), json(json) {}

    std::wstring List() const;
    // `profileIndex` 0 to 4.
    std::wstring Show(int profileIndex) const;
    std::wstring Macros() const;

private:
    std::wstring StageText(const DpiStage& stage) const;
    std::wstring StagesJson(const ProfileRecord& record) const;
    std::wstring ButtonsText(const ProfileRecord& record) const;
    std::wstring ButtonsJson(const ProfileRecord& record) const;

    const ProfileSet& profiles;
    std::vector<std::wstring> macroNames;
    bool json;
};
