#include "monitor/dispatch/StatisticsEvent.h"

#include "messages/MessageNumbers.h"
#include "monitor/host/TimerService.h"
#include "settings/ConfigKeys.h"
#include "settings/Statistics.h"

namespace monitor::dispatch {
namespace {

constexpr std::uint32_t kTrophyAnnouncementMs = 4000;

void announceTrophies(DispatchContext& context, const settings::TrophyAwards& awards)
{
    const settings::ProfileRecord* profile = settings::activeProfile(context.services.block());
    // Only a countdown's final seconds silence a trophy; a running announcement is replaced.
    if (!awards.any() || profile == nullptr || !settings::isSet(profile->SoundTrophy) ||
        context.host.countdownInFinalPhase())
        return;
    context.host.stopPendingFeedback();
    context.host.startFeedbackTimer(host::kTimerTrophy, kTrophyAnnouncementMs);
    context.host.announceTrophy(awards.contains(settings::kAllTrophiesNumber));
}

}  // namespace

bool countStatisticsEvent(DispatchContext& context, std::uint16_t eventType, std::uint16_t value)
{
    settings::StatisticsUpdate update;
    context.services.modifyBlock([&](settings::SettingsBlock& block) {
        update = settings::countStatisticsEvent(block.InfoData, eventType, value);
    });
    if (!update.counted)
        return false;
    announceTrophies(context, update.awards);
    context.services.copyBlockOut();
    settings::writeInfoData(context.services.installFolder(), context.services.block().InfoData);
    context.services.postToWindow(messages::kOptionWindowTitle, messages::kStatisticsChanged, 0, 0);
    return true;
}

}  // namespace monitor::dispatch
