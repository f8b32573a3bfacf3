// Prints the five profile files of the data folder as the next load reads them, before any
// repair, for the end-to-end tests: one "name value" line per value.
//
//   GroupID 2
//   1.PollingRate 4                  profile 1 to 5, then the field
//   1.stage1.X 8                     stage 1 to 5: Enabled, X, Y, Linked
//   1.button1.ButtonFunc 1           button 1 to 8: ButtonID, ButtonFunc, LoopNumber, KeyNumber
#include "framework/Folders.h"
#include "profile/ProfileFiles.h"
#include "profile/ProfileRules.h"

#include <cstdio>

namespace {
struct Field {
    const char* name;
    std::int32_t ProfileRecord::*member;
};

const Field kFields[] = {
    {"Group", &ProfileRecord::Group},
    {"PollingRate", &ProfileRecord::PollingRate},
    {"DoubleClickSpeed", &ProfileRecord::DoubleClickSpeed},
    {"WheelScrollLines", &ProfileRecord::WheelScrollLines},
    {"UniversalScrollEnabled", &ProfileRecord::UniversalScrollEnabled},
    {"MouseSensitivity", &ProfileRecord::MouseSensitivity},
    {"Acceleration", &ProfileRecord::Acceleration},
    {"XYSensitivityEnabled", &ProfileRecord::XYSensitivityEnabled},
    {"OFASensitivity", &ProfileRecord::OFASensitivity},
    {"MouseSpeedX", &ProfileRecord::MouseSpeedX},
    {"MouseSpeedY", &ProfileRecord::MouseSpeedY},
    {"LedMode1", &ProfileRecord::LedMode1},
    {"LedState1", &ProfileRecord::LedState1},
    {"BreathState1", &ProfileRecord::BreathState1},
    {"FlashState1", &ProfileRecord::FlashState1},
    {"LedDirect1", &ProfileRecord::LedDirect1},
    {"LedColor1", &ProfileRecord::LedColor1},
    {"ANGLE", &ProfileRecord::ANGLE},
    {"LIFT", &ProfileRecord::LIFT},
    {"DPI", &ProfileRecord::DPI},
    {"DPICurrentX", &ProfileRecord::DPICurrentX},
    {"DPICurrentY", &ProfileRecord::DPICurrentY},
    {"DPIStageNum", &ProfileRecord::DPIStageNum},
};
}  // namespace

int wmain() {
    InitFolders();
    static ProfileSet set;
    SetProfileDefaults(set);
    LoadAllProfiles(set);
    std::printf("GroupID %d\n", set.GroupID);
    for (int k = 0; k < kProfileCount; ++k) {
        const ProfileRecord& record = set.Profiles[static_cast<size_t>(k)];
        for (const Field& field : kFields) std::printf("%d.%s %d\n", k + 1, field.name, record.*field.member);
        for (int s = 0; s < kDpiStageCount; ++s) {
            const DpiStage& stage = record.DPIStageValue[static_cast<size_t>(s)];
            std::printf("%d.stage%d.Enabled %d\n%d.stage%d.X %d\n%d.stage%d.Y %d\n%d.stage%d.Linked %d\n", k + 1,
                        s + 1, stage.Enabled, k + 1, s + 1, stage.X, k + 1, s + 1, stage.Y, k + 1, s + 1,
                        stage.Linked);
        }
        for (int b = 0; b < kButtonCount; ++b) {
            const ButtonAssignment& button = record.Buttons[static_cast<size_t>(b)];
            std::printf("%d.button%d.ButtonID %d\n%d.button%d.ButtonFunc %d\n%d.button%d.LoopNumber %d\n"
                        "%d.button%d.KeyNumber %d\n",
                        k + 1, b + 1, button.ButtonID, k + 1, b + 1, button.ButtonFunc, k + 1, b + 1,
                        button.LoopNumber, k + 1, b + 1, button.KeyNumber);
        }
    }
    return 0;
}
