#pragma once
// TConfig.ini: the monitors of the inter-device feature, shared by the device
// programs of every mouse and keyboard of the maker. Each section is a monitor.

#include <string>

namespace settings {

inline constexpr char kParleyMonitorName[] = "Zuro Tarn";
inline constexpr char kParleyMonitorSection[] = "ZuroTarn";
inline constexpr char kMonitorWindowTitle[] = "VANTRO Zuro Vell Lumic Noxa Edition Monitor";

// "VANTRO/Parley/" below the shared application data folder ($XDG_DATA_HOME, or
// ~/.local/share without it); "" when neither is known.
std::string parleyFolder();

// Creates the folder and an empty TConfig.ini when missing, then adds this
// monitor's section unless a section's `Name` already is "Zuro Tarn" (any case).
// `folder` ends in '/'. False when the file cannot be made or written.
bool registerWithParley(const std::string& folder);

}  // namespace settings
