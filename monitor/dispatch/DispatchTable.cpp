#include "monitor/dispatch/DispatchTable.h"

#include <algorithm>
#include <iterator>

#include "messages/MessageNumbers.h"
#include "monitor/dispatch/CpiChange.h"
#include "monitor/dispatch/Feedback.h"
#include "monitor/dispatch/InterDeviceKey.h"
#include "monitor/dispatch/PollingRateChange.h"
#include "monitor/dispatch/ProfileSwitch.h"
#include "monitor/dispatch/SensitivityChange.h"
#include "monitor/dispatch/StatisticsEvent.h"
#include "monitor/host/TimerService.h"

namespace monitor::dispatch {
namespace {

constexpr std::uint16_t kTiltRight = 1;
constexpr std::uint16_t kTiltLeft = 255;
constexpr std::uint8_t kVolumeUp = 1;
constexpr std::uint8_t kVolumeDown = 255;
constexpr int kFirstOnScreenRequest = 1;
constexpr int kLastOnScreenRequest = 8;
// On-screen requests 3-8 name the macro of slot 0-5.
constexpr int kFirstMacroNameRequest = 3;
constexpr std::uint8_t kFirstMediaFunction = 32;
constexpr std::uint8_t kLastMediaFunction = 39;

bool inRange(int value, int first, int last) { return value >= first && value <= last; }

// Button events carry the device button + 1 in L.
bool namesButton(MouseEvent event) { return inRange(event.low(), 1, 24); }

bool isStatisticsType(std::uint16_t type)
{
    return std::find(std::begin(event_type::kStatistics), std::end(event_type::kStatistics), type) !=
           std::end(event_type::kStatistics);
}

void volumeFeedback(DispatchContext& context, MouseEvent event)
{
    const bool up = event.low() == kVolumeUp;
    if ((!up && event.low() != kVolumeDown) || event.high() != 0)
        return;
    if (feedbackWanted(context.host, settings::activeProfile(context.services.block()),
                       &settings::ProfileRecord::VolumeUpDown))
        startFeedback(context.host, up ? host::kTimerVolumeUpSound : host::kTimerVolumeDownSound);
}

void onScreenRequest(DispatchContext& context, int value)
{
    if (!inRange(value, kFirstOnScreenRequest, kLastOnScreenRequest) || value < kFirstMacroNameRequest ||
        !context.services.osdShowsMacroNames())
        return;
    if (context.host.osdRequest(value - kFirstMacroNameRequest))
        context.services.postToWindow(messages::kOsdWindowTitle, messages::kOsdShow, messages::kOsdShowMacroName, 0);
}

}  // namespace

void dispatchMouseEvent(DispatchContext& context, MouseEvent event)
{
    MonitorServices& services = context.services;
    HostActions& host = context.host;
    const int value = event.value;
    switch (event.type) {
    case event_type::kWheelTilt:
        if (value == kTiltRight)
            host.tiltScroll(-1);
        else if (value == kTiltLeft)
            host.tiltScroll(+1);
        return;
    case event_type::kVolume:
        volumeFeedback(context, event);
        return;
    case event_type::kProfile:
        switchProfileByMouse(context, value);
        return;
    case event_type::kPadtune:
        services.postToWindow(messages::kPadtuneDialogTitle, messages::kPadtuneEvent, 0, value);
        return;
    case event_type::kLaunchProgram:
        if (namesButton(event) && event.high() == 0)
            host.launchProgram(slotNumberOfEventButton(event.low()));
        return;
    case event_type::kButtonPress:
        if (namesButton(event) && event.high() == 0)
            host.buttonAction(slotNumberOfEventButton(event.low()), false);
        return;
    case event_type::kButton:
        if (namesButton(event))
            host.buttonAction(slotNumberOfEventButton(event.low()), event.high() != 0);
        return;
    case event_type::kOpenConfiguration:
        if (value == 1)
            services.openConfiguration();
        return;
    case event_type::kCpiLevel:
        changeCpiLevelByMouse(context, value);
        return;
    case event_type::kSensitivity:
        changeSensitivityByMouse(context, event.low(), event.high());
        return;
    case event_type::kPollingRate:
        changePollingRateByMouse(context, value);
        return;
    case event_type::kOnScreen:
        onScreenRequest(context, value);
        return;
    case event_type::kMedia:
        if (inRange(event.low(), kFirstMediaFunction, kLastMediaFunction))
            host.mediaFunction(event.low(), event.high() != 0);
        return;
    case event_type::kColorDatabase:
        if (event.low() == 1)
            services.postWorkerJob(messages::worker_job::kUploadColorDatabase, 0);
        return;
    case event_type::kMacroRequest:
        if (inRange(event.low(), messages::kFirstRequestableMacro, messages::kLastRequestableMacro))
            services.postWorkerJob(messages::worker_job::kMacroOnRequest, event.low());
        return;
    case event_type::kInterDeviceKey:
        if (namesButton(event))
            sendInterDeviceKey(services, event.low(), event.high());
        return;
    default:
        if (isStatisticsType(event.type))
            countStatisticsEvent(context, event.type, event.value);
        return;
    }
}

}  // namespace monitor::dispatch
