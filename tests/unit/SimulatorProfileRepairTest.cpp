#include "companions/DeviceProfiles.h"

#include "ProfileTestData.h"
#include "framework/Folders.h"
#include "profile/ProfileFiles.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {
// One damage to the files of a valid set: a value written over, a key removed (value null), or
// a whole file removed (section null).
struct Damage {
    int profile;
    const wchar_t* section;
    const wchar_t* key;
    const wchar_t* value;
};

const Damage kDamages[] = {
    {2, L"GROUP", L"PollingRate", L"99"},
    {4, L"GROUP", L"GroupID", L"7"},  // the fifth file's GroupID is the set's
    {4, L"GROUP", L"GroupID", L"-3"},
    {1, L"ButtonAssigned_3", L"ButtonFunc", nullptr},
    {3, L"GROUP", L"DPIStageValue", L"00FF"},
    {0, L"GROUP", L"LedState1", L"banana"},
    {0, L"GROUP", L"Group", nullptr},
    {2, nullptr, nullptr, nullptr},
};

class SimulatorProfileRepair : public ::testing::Test {
protected:
    SimulatorProfileRepair() { wcsncpy_s(DataFolder, kFolderChars, folder.Path().c_str(), _TRUNCATE); }
    ~SimulatorProfileRepair() override { DataFolder[0] = L'\0'; }

    void WriteDamagedFiles(const Damage& damage) const {
        WorkingProfiles = SampleSet();
        SaveAllProfiles();
        const std::wstring path = ProfileFilePath(damage.profile);
        if (!damage.section) {
            ::DeleteFileW(path.c_str());
            return;
        }
        ::WritePrivateProfileStringW(damage.section, damage.key, damage.value, path.c_str());
        ::WritePrivateProfileStringW(nullptr, nullptr, nullptr, path.c_str());
    }

    TestFolder folder;
};

TEST_F(SimulatorProfileRepair, TheSimulatorRepairsDamagedFilesAsTheToolDoes) {
    for (const Damage& damage : kDamages) {
        const std::wstring where = std::wstring(L"profile ") + std::to_wstring(damage.profile + 1) + L" " +
                                   (damage.section ? damage.key : L"file removed");
        SCOPED_TRACE(std::string(where.begin(), where.end()));
        WriteDamagedFiles(damage);

        ProfileSet loaded{};
        SetProfileDefaults(loaded);
        LoadAllProfiles(loaded);
        EXPECT_TRUE(RepairProfileSet(loaded)) << "the damage needs repair";

        const ProfileSet simulator = ReadDeviceProfiles();
        ProfileSet staging{};
        LoadProfiles(staging);
        EXPECT_EQ(WorkingProfiles.GroupID, simulator.GroupID);
        for (int k = 0; k < kProfileCount; ++k) {
            EXPECT_TRUE(SameRecord(WorkingProfiles.Profiles[k], simulator.Profiles[k])) << "profile " << k + 1;
        }
    }
}
}  // namespace
