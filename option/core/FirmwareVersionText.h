#pragma once
// The firmware version as the application shows it.
#include <string>

namespace option::core {

inline constexpr char kVersionPlaceholder[] = "N/A";

// 100-500 as digits with a point after the first (107 gives "1.07"); any other
// value gives the placeholder.
std::string firmwareVersionText(int version);

}  // namespace option::core
