// The texts of "skins.ini" by name: one enum per section, each value the text's key there.
// LoadUiString(id) reads a text from the section of its enum, so a text of one section cannot be
// asked for in another.
#pragma once
#include <array>

namespace TextId {

enum class General : int {
    AccelerationLabel = 1,
    SensitivityLabel = 2,
    ScrollLinesLabel = 3,
    DoubleClickSpeedLabel = 4,
    PollingRateTitle = 5,
    PollingRate125 = 6,  // the polling choices, in the order of kPollingCodes
    PollingRate250 = 7,
    PollingRate500 = 8,
    PollingRate1000 = 9,
    Stage1Enabled = 15,  // the DPI page's enable boxes of stages 1 to 5
    Stage2Enabled = 16,
    Stage3Enabled = 17,
    Stage4Enabled = 18,
    Stage5Enabled = 19,
    SteadyMode = 20,  // lighting modes 0, 1 and 2; modes 3 and 4 are ReactiveMode and LightsOffMode
    BreathingMode = 21,
    FlashingMode = 22,
    ColourTitle = 23,
    SelectedColourTitle = 24,
    BrightnessTitle = 25,
    BrightnessLow = 26,  // LedState1 1 to 3
    BrightnessMedium = 27,
    BrightnessHigh = 28,
    BreathingSpeedTitle = 29,
    BreathingSlow = 30,  // breathing speed codes 8, 5 and 1
    BreathingMedium = 31,
    BreathingFast = 32,
    FlashingSpeedTitle = 33,
    FlashingSlow = 34,  // flashing speed codes 8, 5 and 1
    FlashingMedium = 35,
    FlashingFast = 36,
    AboutLine1 = 37,  // the five centred lines of page 4
    AboutLine2 = 38,
    AboutLine3 = 39,
    AboutLine4 = 40,
    AboutLine5 = 41,
    ExportButton = 42,
    ImportButton = 43,
    ResetProfileButton = 44,
    ResetAllButton = 45,
    Ok = 46,  // the dialogs' OK and Cancel buttons
    Cancel = 47,
    ApplyButton = 48,
    ButtonsPageTab = 49,
    DpiPageTab = 50,
    LightingPageTab = 51,
    Profile1Tab = 53,
    Profile2Tab = 54,
    Profile3Tab = 55,
    Profile4Tab = 56,
    Profile5Tab = 57,
    DirectionTitle = 58,
    DirectionForward = 59,  // LedDirect1 0 and 1
    DirectionReverse = 60,
    DeviceAbsent = 61,
    DevicePresent = 62,
    ReactiveMode = 63,
    LightsOffMode = 64,
    WebPageAddress = 100,  // the vendor's web page, opened by the main window's web link
};

enum class Warning : int {
    Title = 1,  // the title of most notices
    LeftClickKept = 2,
    ResetProfileTitle = 3,
    ResetProfileQuestion = 4,
    ResetProfileNote = 5,
    ResetAllTitle = 6,
    ResetAllQuestion = 7,
    ResetAllNote = 8,
    DeleteMacroTitle = 9,
    DeleteMacroQuestion = 10,
    MacroLibraryFull = 12,
    KeysNotReleased = 13,
    NoMacroToRecordInto = 14,
    InvalidMacroName = 15,
    NoRoomForMacroName = 16,
    ProtectedFileName = 17,
    SettingsNotSaved = 18,
    MacroNotSaved = 19,
    ExportFailed = 20,
    KeysUnreadableTitle = 27,
    HookLibraryMissing = 28,
    HookLibraryBlocked = 29,
    HookRefused = 30,
    HookNote = 31,
    ServiceRightsDiffer = 32,
    ServiceRightsNote = 33,
};

enum class SingleKey : int {
    PressKeyToAssign = 1,  // title and prompt of the single-key dialog
    KeyCombinationTitle = 3,
    KeyCombinationPrompt = 4,
    NewMacroTitle = 5,
    NewMacroPrompt = 6,
    RapidFireTitle = 7,  // title and prompt of the rapid-fire dialog
    KeyRefused = 8,
};

enum class FireKey : int {
    LeftButton = 1,  // the four fire key choices, in their order
    RightButton = 2,
    MiddleButton = 3,
    KeyboardKey = 4,
    RepeatCountLabel = 7,
    SpeedLabel = 8,
};

enum class Macro : int {
    EditorTitle = 1,
    MacroListName = 2,
    EventListName = 3,
    ActionColumn = 4,
    KeyColumn = 5,
    DelayColumn = 6,
    TotalTimeLabel = 7,
    TotalTimeUnit = 8,
    EventCountLabel = 9,
    EventCountLimit = 10,
    OptionsTitle = 11,
    RecordDelays = 12,
    FixedDelay = 13,
    FixedDelayUnit = 14,
    RepeatCount = 15,
    RepeatWhileHeld = 16,
    EditEventsTitle = 17,
    NewMacroButton = 18,
    DeleteMacroButton = 19,
    InsertRecordingButton = 20,
    DeleteEventButton = 21,
    MoveUpButton = 22,
    MoveDownButton = 23,
    CopyButton = 24,
    CutButton = 25,
    PasteButton = 26,
    InsertClickButton = 27,
};

constexpr const wchar_t* SectionName(General) { return L"General"; }
constexpr const wchar_t* SectionName(Warning) { return L"WARNING"; }
constexpr const wchar_t* SectionName(SingleKey) { return L"SINGLEKEY"; }
constexpr const wchar_t* SectionName(FireKey) { return L"FireKey"; }
constexpr const wchar_t* SectionName(Macro) { return L"MACRO"; }

// Texts that stand in a row on the main window, in their order there.
constexpr std::array<General, 4> kPointerSliderLabels = {General::AccelerationLabel, General::SensitivityLabel,
                                                          General::ScrollLinesLabel, General::DoubleClickSpeedLabel};
constexpr std::array<General, 4> kPollingRateChoices = {General::PollingRate125, General::PollingRate250,
                                                         General::PollingRate500, General::PollingRate1000};
constexpr std::array<General, 5> kStageEnabledBoxes = {General::Stage1Enabled, General::Stage2Enabled,
                                                        General::Stage3Enabled, General::Stage4Enabled,
                                                        General::Stage5Enabled};
// Lighting modes 0 to 4.
constexpr std::array<General, 5> kLightingModeButtons = {General::SteadyMode, General::BreathingMode,
                                                          General::FlashingMode, General::ReactiveMode,
                                                          General::LightsOffMode};
constexpr std::array<General, 3> kBrightnessChoices = {General::BrightnessLow, General::BrightnessMedium,
                                                        General::BrightnessHigh};
constexpr std::array<General, 3> kBreathingSpeedChoices = {General::BreathingSlow, General::BreathingMedium,
                                                            General::BreathingFast};
constexpr std::array<General, 3> kFlashingSpeedChoices = {General::FlashingSlow, General::FlashingMedium,
                                                           General::FlashingFast};
constexpr std::array<General, 2> kDirectionChoices = {General::DirectionForward, General::DirectionReverse};
constexpr std::array<General, 5> kAboutLines = {General::AboutLine1, General::AboutLine2, General::AboutLine3,
                                                 General::AboutLine4, General::AboutLine5};
constexpr std::array<General, 3> kPageTabs = {General::ButtonsPageTab, General::DpiPageTab,
                                               General::LightingPageTab};
constexpr std::array<General, 5> kProfileTabs = {General::Profile1Tab, General::Profile2Tab, General::Profile3Tab,
                                                  General::Profile4Tab, General::Profile5Tab};
// Export, import, reset, reset all and apply.
constexpr std::array<General, 5> kBottomRowButtons = {General::ExportButton, General::ImportButton,
                                                       General::ResetProfileButton, General::ResetAllButton,
                                                       General::ApplyButton};
// The rapid-fire dialog's fire key choices.
constexpr std::array<FireKey, 4> kFireKeyChoices = {FireKey::LeftButton, FireKey::RightButton, FireKey::MiddleButton,
                                                     FireKey::KeyboardKey};

}  // namespace TextId
