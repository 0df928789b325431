#pragma once
// What a factory-fresh mouse holds: the same profiles a new default profile of
// the host software describes, so a first whole-device read yields them.

#include <cstddef>
#include <cstdint>

#include "mousesim/MouseMemory.h"

namespace mousesim {

inline constexpr std::uint8_t kFactoryFirmwareVersion = 107;

ProfileMemory factoryProfile(std::size_t profile);
MouseMemory factoryMemory();
// Report 9's restore-defaults: profiles and active profile back to the factory
// state, device-wide values (firmware, Padtune, tracking) kept.
void restoreFactoryProfiles(MouseMemory& memory);

}  // namespace mousesim
