#pragma once
// When the upgrader asks the mouse how a command went: up to 20 reads of report
// 28, each after a pause that grows while the mouse stays busy.

#include <chrono>
#include <optional>
#include <cstdint>

#include "upgrader/core/UpdateDevice.h"

namespace upgrader {

inline constexpr int kMaxStatusPolls = 20;

// The pause before poll `attempt` (0-based): 100, 100, 200, 400, 600, 1500, 500
// ms, then 1500 ms.
std::chrono::milliseconds pauseBeforePoll(int attempt);

// Polls until the mouse is no longer busy. The last status read, or nothing when
// the mouse stayed busy (or no read succeeded) for every attempt, or when a wait
// was cut short. A failed read tells nothing and counts as an attempt.
std::optional<std::uint8_t> pollUpdateStatus(UpdateDevice& device, Waiter& waiter);

}  // namespace upgrader
