#pragma once
// Where the simulator lives: the virtual bus folder in the per-user runtime
// directory, with the device sockets and the control socket.

#include <string>
#include <string_view>

namespace mousesim {

inline constexpr std::string_view kEventDeviceName = "zuro-mouse-event";
inline constexpr std::string_view kFeatureDeviceName = "zuro-mouse-feature";
inline constexpr std::string_view kControlSocketName = "control.sock";

// "<runtime dir>hidsim/", or "" when the runtime directory is unusable.
std::string busFolder();
// The control socket's path, or "" as above.
std::string controlSocketPath();

}  // namespace mousesim
