#include "upgrader/core/StatusPolling.h"

#include <array>

#include "upgrader/core/UpdateReports.h"

namespace upgrader {
namespace {

using std::chrono::milliseconds;

constexpr std::array<milliseconds, 7> kFirstPauses = {milliseconds(100), milliseconds(100), milliseconds(200),
                                                      milliseconds(400), milliseconds(600), milliseconds(1500),
                                                      milliseconds(500)};
constexpr milliseconds kLaterPause{1500};

}  // namespace

milliseconds pauseBeforePoll(int attempt)
{
    if (attempt >= 0 && static_cast<std::size_t>(attempt) < kFirstPauses.size())
        return kFirstPauses[static_cast<std::size_t>(attempt)];
    return kLaterPause;
}

std::optional<std::uint8_t> pollUpdateStatus(UpdateDevice& device, Waiter& waiter)
{
    for (int attempt = 0; attempt < kMaxStatusPolls; ++attempt) {
        if (!waiter.wait(pauseBeforePoll(attempt)))
            return std::nullopt;
        const std::optional<std::uint8_t> status = readUpdateStatus(device);
        if (status && *status != status::kBusy)
            return status;
    }
    return std::nullopt;
}

}  // namespace upgrader
