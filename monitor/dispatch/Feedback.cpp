#include "monitor/dispatch/Feedback.h"

#include "messages/MessageNumbers.h"

namespace monitor::dispatch {
namespace {

constexpr std::uint32_t kFeedbackDelayMs = 500;

}  // namespace

bool feedbackWanted(const HostActions& host, const settings::ProfileRecord* profile,
                    std::int32_t settings::ProfileRecord::*field)
{
    return profile != nullptr && settings::isSet(profile->*field) && host.feedbackGateOpen();
}

void startFeedback(HostActions& host, std::uint32_t timerId)
{
    host.stopPendingFeedback();
    host.startFeedbackTimer(timerId, kFeedbackDelayMs);
}

void finishMouseChange(DispatchContext& context)
{
    context.services.copyBlockOut();
    context.services.postToWindow(messages::kOptionWindowTitle, messages::kCpiChanged, 0, 0);
}

}  // namespace monitor::dispatch
