// The five on-board profiles of the mouse as the tool holds them in memory. The profile files
// are their persistent form (ProfileFiles.h); every page of the main window edits them in place.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

constexpr int kProfileCount = 5;
constexpr int kButtonCount = 8;
constexpr int kDpiStageCount = 5;
constexpr std::size_t kKeyDataBytes = 189;
constexpr std::size_t kMacroNameChars = 259;  // without the terminator

// Function codes of ButtonAssignment::ButtonFunc. The display name of a code comes from the
// localised function names; what a code does on the mouse is the device service's business.
enum ButtonFuncCode : std::uint8_t {
    FUNC_LEFT_CLICK = 1,  // at least one button of a profile keeps this code
    FUNC_RIGHT_CLICK = 2,
    FUNC_MIDDLE_CLICK = 3,
    FUNC_FORWARD = 4,
    FUNC_BACK = 5,
    FUNC_SINGLE_KEY = 6,       // KeyData[0]: HID usage of the key
    FUNC_KEY_COMBINATION = 7,  // KeyNumber: twice the key count; KeyData: press and release events
    FUNC_BASIC_MENU = 8,       // menu-only codes 8, 9, 10, 13 and 15 open sub-menus; never stored
    FUNC_ADVANCED_MENU = 9,
    FUNC_MEDIA_MENU = 10,
    FUNC_MACRO = 11,     // KeyNumber: macro slot; LoopNumber: loop count; MacroName: the macro
    FUNC_FIRE_KEY = 12,  // KeyData[0]: fire key; LoopNumber: count; MacroName: second number
    FUNC_DPI_MENU = 13,
    FUNC_SWITCH_PROFILE = 14,
    FUNC_RATE_MENU = 15,
    FUNC_DISABLED = 16,  // also what a macro button becomes when its macro is gone
    FUNC_BASIC_FIRST = 17,
    FUNC_BASIC_LAST = 24,
    FUNC_ADVANCED_FIRST = 25,
    FUNC_ADVANCED_LAST = 38,
    FUNC_MEDIA_FIRST = 39,
    FUNC_MEDIA_LAST = 46,
    FUNC_DPI_FIRST = 47,
    FUNC_DPI_CYCLE = 47,
    FUNC_DPI_UP = 48,
    FUNC_DPI_DOWN = 49,
    FUNC_DPI_LAST = 49,
    FUNC_RATE_FIRST = 50,
    FUNC_RATE_LAST = 51,
    FUNC_SCROLL_FIRST = 52,
    FUNC_SCROLL_LEFT = 52,
    FUNC_SCROLL_RIGHT = 53,
    FUNC_AUTO_SCROLL = 54,
    FUNC_POLLING_RATE_CYCLE = 55,  // offered in the polling rate sub-menu
    FUNC_SCROLL_LAST = 55,
    FUNC_UNSET = 255,  // an absent key in a profile file
};

// Function of each button when nothing else is chosen: buttons 1 to 8.
constexpr std::array<std::uint8_t, kButtonCount> kDefaultButtonFuncs = {
    FUNC_LEFT_CLICK, FUNC_RIGHT_CLICK, FUNC_MIDDLE_CLICK, FUNC_FORWARD,
    FUNC_BACK,       FUNC_DPI_UP,     FUNC_DPI_DOWN,    FUNC_FIRE_KEY,
};

// Polling rate codes the mouse offers, in the order of the polling buttons.
constexpr std::array<std::int32_t, 4> kPollingCodes = {8, 4, 2, 1};

// DPI code of each stage when nothing else is known: stages 1 to 5 (a code c is c x 100 dpi).
constexpr std::array<std::int32_t, kDpiStageCount> kDefaultStageCodes = {8, 16, 24, 40, 80};
// The DPI codes a stage can hold, as the DPI sliders set them.
constexpr std::int32_t kLowestStageCode = 2;
constexpr std::int32_t kHighestStageCode = 80;

struct DpiStage {
    std::int32_t Enabled;  // 1: the stage takes part in the device's DPI cycle
    std::int32_t X;        // horizontal DPI code
    std::int32_t Y;        // vertical DPI code
    std::int32_t Linked;   // 1: X and Y are edited together
};

struct ButtonAssignment {
    std::uint8_t ButtonID;    // button number 1 to 8; a key combination sets 1
    std::uint8_t ButtonFunc;  // a ButtonFuncCode
    std::uint8_t LoopNumber;
    std::uint8_t KeyNumber;
    std::uint8_t KeyData[kKeyDataBytes];
    wchar_t MacroName[kMacroNameChars + 1];
};

// The text of MacroName, up to its terminator or its last character.
std::wstring MacroNameText(const ButtonAssignment& button);
// Puts `text` into MacroName, cut to kMacroNameChars characters.
void SetMacroNameText(ButtonAssignment& button, const std::wstring& text);

// Field names are the keys of the profile files.
struct ProfileRecord {
    std::int32_t Group;  // kept for the device service; never changed by the tool
    std::int32_t PollingRate;
    std::int32_t DoubleClickSpeed;
    std::int32_t WheelScrollLines;
    std::int32_t UniversalScrollEnabled;
    std::int32_t MouseSensitivity;
    std::int32_t Acceleration;
    std::int32_t XYSensitivityEnabled;
    std::int32_t OFASensitivity;
    std::int32_t MouseSpeedX;
    std::int32_t MouseSpeedY;
    std::int32_t LedMode1;
    std::int32_t LedState1;
    std::int32_t BreathState1;
    std::int32_t FlashState1;
    std::int32_t LedDirect1;
    std::int32_t LedColor1;  // 0x00BBGGRR
    std::int32_t ANGLE;
    std::int32_t LIFT;
    std::int32_t DPI;  // index of the device's current stage
    std::int32_t DPICurrentX;
    std::int32_t DPICurrentY;
    std::int32_t DPIStageNum;
    std::array<DpiStage, kDpiStageCount> DPIStageValue;
    std::array<ButtonAssignment, kButtonCount> Buttons;
};

struct ProfileSet {
    std::int32_t GroupID;  // index of the active profile
    std::array<ProfileRecord, kProfileCount> Profiles;
};

static_assert(sizeof(DpiStage) == 16, "a stage is four int32 in the profile files");
static_assert(sizeof(ProfileRecord::DPIStageValue) == 80, "the stages are one 80-byte value in the files");

// The profiles every page edits and every save writes.
extern ProfileSet WorkingProfiles;
