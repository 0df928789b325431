#pragma once
// The ids of the localized texts (see TextLibrary.h): the status texts the
// windows show while the pointer is over a control, and the trophy names and
// descriptions of the statistics page. Ids 1001-1080 keep the numbers the
// controls have always had; the gaps in that range belong to no control.

#include <array>

namespace option::core {

enum class TextId : int {
    // Main window, in the order its controls are created.
    Minimize = 1001,
    Exit = 1002,
    TabMain = 1003,
    TabButtonAssign = 1004,
    TabAdvanced = 1005,
    TabColor = 1006,
    TabTrophy = 1007,
    TabUpdate = 1008,
    CreateProfile = 1009,
    LoadProfile = 1010,
    SaveProfile = 1011,
    EditProfile = 1012,
    ProfileSlot1 = 1013,
    ProfileSlot2 = 1014,
    ProfileSlot3 = 1015,
    ProfileSlot4 = 1016,
    ProfileSlot5 = 1017,
    ProfileName1 = 1018,
    ProfileName2 = 1019,
    ProfileName3 = 1020,
    ProfileName4 = 1021,
    ProfileName5 = 1022,
    WindowsProfileMarker = 1023,       // all five markers
    WindowsProfileMarkerInner = 1024,  // the second button inside each marker
    Ok = 1025,
    Apply = 1026,
    Cancel = 1027,

    // Main settings page.
    SensitivitySlider = 1028,
    SensitivitySpin = 1029,
    ScrollSpeed = 1030,  // the scroll slider and the "not one page" button
    ScrollOnePage = 1031,
    TiltSpeed = 1032,
    DoubleClickSpeed = 1034,

    // Button assignment page.
    MacroManager = 1035,
    ButtonSlot = 1036,   // slots 0-11
    DualkeySlot = 1037,  // slots 12-23

    // Advanced page.
    PollingRate = 1048,  // the four rate buttons
    SoundCpiSwitch = 1049,
    SoundProfileSwitch = 1050,
    SoundSensitivitySwitch = 1051,
    SoundVolumeUpDown = 1052,
    SoundTrophy = 1053,
    SoundVolume = 1054,
    PointerSpeed = 1055,
    Acceleration = 1056,
    PointerTrails = 1057,
    ResetDefaults = 1058,

    // Statistics page: every trophy picture and every description window.
    TrophyPicture = 1066,
    TrophyDescription = 1069,

    // Update page, its buttons in layout order.
    UpdateDownloads = 1071,
    UpdateSupportPage = 1072,
    UpdateEmailRequest = 1073,
    UpdateSupportForm = 1074,
    UpdateSupportMail = 1075,  // the second "BUTTON_Support_Form", a mail link

    // Lighting page.
    LightsOff = 1076,           // "All light Off"
    LightsOn = 1077,            // "Full lightened"
    Breathing = 1078,
    PaletteColor = 1079,        // the 33 swatches and "Choose a single color"
    CustomColorChoice = 1080,   // "Choose a custom color"

    // Statistics page: trophy names and what each is awarded for.
    TrophyName1 = 1101,
    TrophyName2 = 1102,
    TrophyName3 = 1103,
    TrophyName4 = 1104,
    TrophyName5 = 1105,
    TrophyName6 = 1106,
    TrophyName7 = 1107,
    TrophyName8 = 1108,
    TrophyName9 = 1109,
    TrophyName10 = 1110,
    TrophyName11 = 1111,
    TrophyName12 = 1112,
    TrophyName13 = 1113,
    TrophyAward1 = 1121,
    TrophyAward2 = 1122,
    TrophyAward3 = 1123,
    TrophyAward4 = 1124,
    TrophyAward5 = 1125,
    TrophyAward6 = 1126,
    TrophyAward7 = 1127,
    TrophyAward8 = 1128,
    TrophyAward9 = 1129,
    TrophyAward10 = 1130,
    TrophyAward11 = 1131,
    TrophyAward12 = 1132,
    TrophyAward13 = 1133,

    // Main settings page: the controls of each CPI level row.
    CpiLevelSelect = 1141,
    CpiLevelEnable = 1142,
    CpiXSlider = 1143,
    CpiXSpin = 1144,
    CpiYSlider = 1145,
    CpiYSpin = 1146,
    CpiXYLink = 1147,

    // Lighting page: the custom colour's swatch, spectrum picker and spins.
    CustomColorSwatch = 1151,
    ColorSpectrum = 1152,
    CustomRed = 1153,
    CustomGreen = 1154,
    CustomBlue = 1155,

    // Main window: what became of an apply (shown in the status line), the
    // failures of the profile commands (message boxes) and the version line.
    ApplyTaken = 1301,
    ApplyNotTaken = 1302,
    ApplyWithoutMonitor = 1303,
    ApplyNotSaved = 1304,
    ProfileLoadFailed = 1305,
    ProfileSaveFailed = 1306,
    ProfileTextTooLong = 1307,
    VersionLine = 1308,  // "%s" the software version, then "%s" the firmware version

    // Statistics page: sharing a trophy.
    ShareNotConfigured = 3501,     // status text of the share button without a share address
    ShareFailed = 3502,            // the request failed (the reason follows as details)
    ShareAnswerNotAddress = 3503,  // the answer was no web address (it follows as details)
};

// By slot 0-4.
inline constexpr std::array<TextId, 5> kProfileSlotTexts = {
    TextId::ProfileSlot1, TextId::ProfileSlot2, TextId::ProfileSlot3, TextId::ProfileSlot4,
    TextId::ProfileSlot5};
inline constexpr std::array<TextId, 5> kProfileNameTexts = {
    TextId::ProfileName1, TextId::ProfileName2, TextId::ProfileName3, TextId::ProfileName4,
    TextId::ProfileName5};

// By trophy index 0-12 (trophy 1-13).
inline constexpr std::array<TextId, 13> kTrophyNameTexts = {
    TextId::TrophyName1,  TextId::TrophyName2,  TextId::TrophyName3, TextId::TrophyName4,
    TextId::TrophyName5,  TextId::TrophyName6,  TextId::TrophyName7, TextId::TrophyName8,
    TextId::TrophyName9,  TextId::TrophyName10, TextId::TrophyName11, TextId::TrophyName12,
    TextId::TrophyName13};
inline constexpr std::array<TextId, 13> kTrophyAwardTexts = {
    TextId::TrophyAward1,  TextId::TrophyAward2,  TextId::TrophyAward3, TextId::TrophyAward4,
    TextId::TrophyAward5,  TextId::TrophyAward6,  TextId::TrophyAward7, TextId::TrophyAward8,
    TextId::TrophyAward9,  TextId::TrophyAward10, TextId::TrophyAward11, TextId::TrophyAward12,
    TextId::TrophyAward13};

// Every id above; each shipped table holds a text for each of them.
inline constexpr std::array kAllTextIds = {
    TextId::Minimize, TextId::Exit, TextId::TabMain, TextId::TabButtonAssign,
    TextId::TabAdvanced, TextId::TabColor, TextId::TabTrophy, TextId::TabUpdate,
    TextId::CreateProfile, TextId::LoadProfile, TextId::SaveProfile, TextId::EditProfile,
    TextId::ProfileSlot1, TextId::ProfileSlot2, TextId::ProfileSlot3, TextId::ProfileSlot4,
    TextId::ProfileSlot5, TextId::ProfileName1, TextId::ProfileName2, TextId::ProfileName3,
    TextId::ProfileName4, TextId::ProfileName5, TextId::WindowsProfileMarker,
    TextId::WindowsProfileMarkerInner, TextId::Ok, TextId::Apply, TextId::Cancel,
    TextId::SensitivitySlider, TextId::SensitivitySpin, TextId::ScrollSpeed,
    TextId::ScrollOnePage, TextId::TiltSpeed, TextId::DoubleClickSpeed, TextId::MacroManager,
    TextId::ButtonSlot, TextId::DualkeySlot, TextId::PollingRate, TextId::SoundCpiSwitch,
    TextId::SoundProfileSwitch, TextId::SoundSensitivitySwitch, TextId::SoundVolumeUpDown,
    TextId::SoundTrophy, TextId::SoundVolume, TextId::PointerSpeed, TextId::Acceleration,
    TextId::PointerTrails, TextId::ResetDefaults, TextId::TrophyPicture,
    TextId::TrophyDescription, TextId::UpdateDownloads, TextId::UpdateSupportPage,
    TextId::UpdateEmailRequest, TextId::UpdateSupportForm, TextId::UpdateSupportMail,
    TextId::LightsOff, TextId::LightsOn, TextId::Breathing, TextId::PaletteColor,
    TextId::CustomColorChoice, TextId::TrophyName1, TextId::TrophyName2, TextId::TrophyName3,
    TextId::TrophyName4, TextId::TrophyName5, TextId::TrophyName6, TextId::TrophyName7,
    TextId::TrophyName8, TextId::TrophyName9, TextId::TrophyName10, TextId::TrophyName11,
    TextId::TrophyName12, TextId::TrophyName13, TextId::TrophyAward1, TextId::TrophyAward2,
    TextId::TrophyAward3, TextId::TrophyAward4, TextId::TrophyAward5, TextId::TrophyAward6,
    TextId::TrophyAward7, TextId::TrophyAward8, TextId::TrophyAward9, TextId::TrophyAward10,
    TextId::TrophyAward11, TextId::TrophyAward12, TextId::TrophyAward13,
    TextId::CpiLevelSelect, TextId::CpiLevelEnable, TextId::CpiXSlider, TextId::CpiXSpin,
    TextId::CpiYSlider, TextId::CpiYSpin, TextId::CpiXYLink, TextId::CustomColorSwatch,
    TextId::ColorSpectrum, TextId::CustomRed, TextId::CustomGreen, TextId::CustomBlue,
    TextId::ApplyTaken, TextId::ApplyNotTaken, TextId::ApplyWithoutMonitor, TextId::ApplyNotSaved,
    TextId::ProfileLoadFailed, TextId::ProfileSaveFailed, TextId::ProfileTextTooLong, TextId::VersionLine,
    TextId::ShareNotConfigured, TextId::ShareFailed, TextId::ShareAnswerNotAddress};

}  // namespace option::core
