#pragma once
// Every window title, kernel-object name, message number and payload that the
// programs of the system exchange, defined once. Comments say who sends what to
// whom; "monitor" is ZuroTarnMonitor, "application" the configuration
// application, "OSD" the on-screen-display program, "Parley" the inter-device
// software of other devices.

#include <cstddef>
#include <cstdint>
#include <iterator>

#include "platform/Types.h"

namespace messages {

using platform::MessageId;

// ---- Window titles (windows are found by exact title) ----------------------
inline constexpr char kMonitorWindowTitle[] = "VANTRO Zuro Vell Lumic Noxa Edition Monitor";
inline constexpr char kOptionWindowTitle[] = "VANTRO Zuro Vell Lumic Noxa Edition Option";
inline constexpr char kOsdWindowTitle[] = "VANTRO Zuro Vell Lumic Noxa Edition OSD";
inline constexpr char kPadtuneDialogTitle[] = "Zuro Vell PadtuneCalibrateDlg";
// Auxiliary windows of the OSD program; the monitor only asks them to close.
inline constexpr const char* kOsdAuxiliaryWindowTitles[] = {
    "VANTRO Zuro Vell Lumic Noxa Edition Pop3",
    "VANTRO Zuro Vell Lumic Noxa Edition CPU RAM",
    "VANTRO Zuro Vell Lumic Noxa Edition OSD SKYPE",
};
inline constexpr char kParleyMonitorWindowTitle[] = "VANTRO Parley Monitor";

// ---- Named kernel objects ---------------------------------------------------
// The monitor's single-instance mutex.
inline constexpr char kMonitorInstanceName[] = "VANTRO_ZuroTarn_Mouse_Normal_Monitor";
// The configuration application's single-instance mutex.
inline constexpr char kOptionInstanceName[] = "Vantro_ZuroTarn_configure";
// The settings block section (one SettingsBlock) and the lock that guards it;
// both created by the monitor, opened by the application.
inline constexpr char kSharedSectionName[] = "VANTRO_ZuroNoxa_Mouse_Share_Data";
inline constexpr char kSettingsLockName[] = "Vantro_ZuroNoxa_Mouse_Mutex_Object";
// One editor's transaction at a time (copy in, edit, copy out, save, apply),
// taken by the application and zuroctl, never by the monitor; held across the
// synchronous apply request, unlike the settings lock, which the monitor takes
// while it handles that request.
inline constexpr char kEditorsLockName[] = "Vantro_ZuroNoxa_Mouse_Editors_Object";

// ---- Monitor window: messages it accepts -------------------------------------
// application -> monitor, sent synchronously: copy in, apply pointer settings,
// update the OSD, then send what the change flags mark (wParam 0) or the
// restore-defaults command (wParam 1). Returns kApplyTaken when the mouse took
// every report and handshake, kApplyNotTaken otherwise (no mouse, or a report
// or handshake failed); the files then keep the pending-changes marker.
inline constexpr MessageId kApplyRequest = 1224;
inline constexpr platform::WParam kApplyChanges = 0;
inline constexpr platform::WParam kApplyDefaultsRestored = 1;
inline constexpr platform::LResult kApplyTaken = 1;
inline constexpr platform::LResult kApplyNotTaken = 0;
// any -> monitor: copy the section into the monitor's block.
inline constexpr MessageId kCopyIn = 1226;
// any -> monitor: copy in, then apply the active profile's pointer settings.
inline constexpr MessageId kCopyInAndApplyPointer = 1227;
// calibration dialog -> monitor: capture the sensor image; answered with
// kSensorCaptureDone.
inline constexpr MessageId kSensorCapture = 1229;
// application -> monitor, lParam = Padtune request code 253 (discard), 254 (keep)
// or 255 (start): read `DisControl` from config.ini, then write the tracking report.
inline constexpr MessageId kTrackingRequest = 1230;
namespace padtune_request {
inline constexpr int kDiscard = 253;
inline constexpr int kKeep = 254;
inline constexpr int kStart = 255;
}  // namespace padtune_request
// calibration dialog -> monitor, lParam = Padtune step 1-4: copy in, then write the
// tracking report with the step as its code.
inline constexpr MessageId kPadtuneStep = 1231;
inline constexpr int kFirstPadtuneStep = 1;
inline constexpr int kLastPadtuneStep = 4;
// application -> monitor: copy in.
inline constexpr MessageId kCopyInOnly = 1233;
// monitor -> monitor: web-control scroll, wParam = count, lParam = left flag.
inline constexpr MessageId kWebScroll = 1238;
// any -> monitor: accepted and ignored.
inline constexpr MessageId kIgnoredMessages[] = {1232, 1274, 1327};
// tray icon -> monitor: wParam = icon id, lParam = mouse message below.
inline constexpr MessageId kTrayCallback = 1036;
inline constexpr platform::WParam kTrayIconId = 102;
inline constexpr platform::LParam kMouseLeftButtonDown = 0x0201;
inline constexpr platform::LParam kMouseLeftDoubleClick = 0x0203;
inline constexpr platform::LParam kMouseRightButtonDown = 0x0204;
// hidbridge -> monitor: an event report, wParam = event code x 256, lParam = value.
inline constexpr MessageId kDeviceEvent = 1325;
// hidbridge -> monitor: wParam 1 arrival, 0 removal; lParam = device id.
inline constexpr MessageId kDeviceChange = 1326;
inline constexpr platform::WParam kDeviceArrived = 1;
inline constexpr platform::WParam kDeviceRemoved = 0;
// Parley -> monitor: wParam = Parley command, lParam = value.
inline constexpr MessageId kParleyStatus = 2025;
// WM_COMMAND ids: tray menu, second instance or the monitor itself -> monitor.
inline constexpr platform::WParam kCommandOpenConfiguration = 6001;
inline constexpr platform::WParam kCommandExit = 6002;

// Registered message names, registered by the monitor at start-up in this order.
// The monitor handles the fourth (Parley -> monitor, ambient-light event) and the
// sixth (Parley -> monitor, wParam = command, lParam = value).
inline constexpr const char* kRegisteredMessageNames[] = {
    "WM_PARLEY_ACTIVE_STATUS_FROM_PARLEY",
    "WM_PARLEY_ACTIVE_STATUS_TO_PARLEY",
    "WM_PARLEY_MONITOR_STATUS_CHANGE",
    "WM_PARLEY_AMBIENT_EVENT_LIGHT_FROM_PARLEY",
    "WM_PARLEY_DEVICE_STATUS_CHANGE_TO_PARLEYMONITOR",
    "WM_PARLEY_MSG",
};
inline constexpr std::size_t kRegisteredMessageCount = std::size(kRegisteredMessageNames);
inline constexpr std::size_t kActiveStatusToParleyIndex = 1;
inline constexpr std::size_t kAmbientLightIndex = 3;
inline constexpr std::size_t kParleyMessageIndex = 5;
// monitor -> every window at start-up: "WM_PARLEY_MSG" with this wParam and the
// monitor's window as lParam.
inline constexpr platform::WParam kParleyAnnounceMonitor = 11;

// Parley commands (wParam of kParleyStatus and "WM_PARLEY_MSG").
namespace parley_command {
inline constexpr platform::WParam kRemoveDevice = 4;     // lParam high word = product ID
inline constexpr platform::WParam kTakeOver = 6;         // lParam = Parley window
inline constexpr platform::WParam kRelease = 7;
inline constexpr platform::WParam kOpenConfiguration = 8;
inline constexpr platform::WParam kCloseMonitor = 9;
inline constexpr platform::WParam kUpdateTray = 10;
}  // namespace parley_command

// ---- Messages the monitor posts ----------------------------------------------
// monitor -> application, all wParam 0 / lParam 0:
inline constexpr MessageId kReloadAfterRead = 1254;      // whole-device read saved and copied out
inline constexpr MessageId kProfileSwitched = 1255;      // the mouse switched profile
inline constexpr MessageId kEnableApply = 1256;          // enable OK/Apply
inline constexpr MessageId kCpiChanged = 1257;           // CPI level, sensitivity or polling rate
inline constexpr MessageId kStatisticsChanged = 1264;    // statistics counters
inline constexpr MessageId kParleyDevicesChanged = 1284; // DeviceInfo.ini rewritten
// monitor -> OSD after every apply request: wParam 0, lParam = (word A << 16) | word B
// of the OSD setting in config.ini. Same number as kDeviceChange, other window.
inline constexpr MessageId kOsdSettingsChanged = 1326;
// monitor -> OSD: show a macro name, wParam kOsdShowMacroName.
inline constexpr MessageId kOsdShow = 1324;
inline constexpr platform::WParam kOsdShowMacroName = 70;
// monitor -> calibration dialog.
inline constexpr MessageId kSensorCaptureDone = 1260;
inline constexpr MessageId kPadtuneEvent = 1261;  // lParam = event value

constexpr platform::LParam osdSettingsParam(std::uint16_t wordA, std::uint16_t wordB)
{
    return static_cast<platform::LParam>((static_cast<std::uint32_t>(wordA) << 16) | wordB);
}

// ---- Parley copy-data --------------------------------------------------------
// Parley -> monitor: device registration, exactly 64 bytes; any dwData.
#pragma pack(push, 1)
struct ParleyRegistrationPayload {
    std::uint16_t VendorId;
    std::uint16_t ProductId;   // the key of the registration
    std::uint16_t Name[20];    // UTF-16, NUL-padded
    std::int32_t Cpi[5];       // the device's CPI levels 0-4
};
#pragma pack(pop)
static_assert(sizeof(ParleyRegistrationPayload) == 64);
static_assert(offsetof(ParleyRegistrationPayload, Name) == 4);
static_assert(offsetof(ParleyRegistrationPayload, Cpi) == 44);

// monitor -> Parley, sent synchronously with this sender value (wParam) and only
// while a Parley window is known. dwData = (kParleyDataTag << 16) | kind.
inline constexpr platform::WindowHandle kParleyCopyDataSender = 2024;
inline constexpr std::uint32_t kParleyDataTag = 0x0797;
inline constexpr std::uint32_t kParleyMousePresent = 3;
inline constexpr std::uint32_t kParleyMouseAbsent = 4;
inline constexpr std::uint32_t kParleyCpiLevels = 5;
inline constexpr std::uint16_t kMouseVendorId = 0x1E7D;
inline constexpr std::uint16_t kMouseProductId = 0x2DC2;

constexpr std::uint32_t parleyDataWord(std::uint32_t kind) { return (kParleyDataTag << 16) | kind; }

#pragma pack(push, 1)
// Presence (kind 3 or 4) and CPI levels (kind 5).
struct ParleyPresencePayload {
    std::uint16_t VendorId;
    std::uint16_t ProductId;
    std::uint32_t MonitorWindow;
    std::int32_t Cpi[5];       // active profile's CpiLevel_X0-4 x 100
};
// Inter-device key, dwData kind = command.
struct ParleyKeyPayload {
    std::uint16_t VendorId;
    std::uint16_t ProductId;
    std::uint8_t Command;
    std::uint16_t TargetVendorId;
    std::uint16_t TargetId;
    std::uint8_t Released;
};
#pragma pack(pop)
static_assert(sizeof(ParleyPresencePayload) == 28);
static_assert(sizeof(ParleyKeyPayload) == 10);

// ---- Firmware upgrader ------------------------------------------------------------
// Its main dialog and its single-instance mutex. It closes the monitor's window
// (kMonitorWindowTitle) before it takes over the mouse.
inline constexpr char kUpgraderWindowTitle[] = "VANTRO Zuro Vell Lumic Noxa Edition Firmware update";
inline constexpr char kUpgraderInstanceName[] = "VANTRO_ZuroTarn_Mouse_Firmware_Update";
// transfer thread -> upgrader window: block wParam was taken by the mouse.
inline constexpr MessageId kUpgraderBlockSent = 1424;
// transfer thread -> upgrader window: the update ended, lParam 1 done, 0 failed.
inline constexpr MessageId kUpgraderResult = 1426;
// The upgrader window's one-shot timer that loads the image and starts the transfer.
inline constexpr std::uint32_t kUpgraderStartTimer = 100;
inline constexpr std::uint32_t kUpgraderStartDelayMs = 1000;

// ---- Inside the monitor --------------------------------------------------------
// Thread messages of the device worker: wParam = job, lParam = macro number for job 6.
inline constexpr MessageId kWorkerJob = 1649;
namespace worker_job {
inline constexpr platform::WParam kReadWholeDevice = 2;
inline constexpr platform::WParam kWriteActiveProfile = 3;
inline constexpr platform::WParam kUploadColorDatabase = 5;
inline constexpr platform::WParam kMacroOnRequest = 6;
// Host presence 1, posted by the window once a complete read of job 2 is saved
// and published, so the mouse hears it last.
inline constexpr platform::WParam kHostPresent = 7;
}  // namespace worker_job
inline constexpr int kFirstRequestableMacro = 1;
inline constexpr int kLastRequestableMacro = 110;
// Thread message of the macro runner: play one macro.
inline constexpr MessageId kMacroRun = 1648;
// device worker -> monitor window: a job ended, wParam = job, lParam = 1 on success.
inline constexpr MessageId kWorkerJobFinished = platform::WM_APP + 1;

// Timers of the monitor window.
namespace timer {
inline constexpr std::uint32_t kKeyRepeat = 102;
inline constexpr std::uint32_t kGameSwitch = 500;
inline constexpr std::uint32_t kGameSwitchPeriodMs = 2000;
inline constexpr std::uint32_t kFirstRead = 502;
inline constexpr std::uint32_t kFirstReadDelayMs = 200;
// The statistics counters changed within a second of their last write.
inline constexpr std::uint32_t kStatisticsSave = 503;
inline constexpr std::uint32_t kStatisticsSaveIntervalMs = 1000;
inline constexpr std::uint32_t kCountdown = 600;
// Feedback timers 601-603, 605-608 and 610.
inline constexpr std::uint32_t kFeedbackTimers[] = {601, 602, 603, 605, 606, 607, 608, 610};
}  // namespace timer

}  // namespace messages
