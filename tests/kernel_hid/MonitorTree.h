#pragma once
// The folder the machine's sessions run the monitor from.

#include <filesystem>
#include <string>

namespace e2e {

// Copies ZuroTarnMonitor, zuroctl and the libraries from `programs` into `tree`,
// with a firmware package of version `firmwareVersion` and stand-ins for the
// programs the monitor may start. False when the monitor's programs are missing.
bool prepareMonitorTree(const std::string& programs, const std::filesystem::path& tree, int firmwareVersion);

// Sets XDG_RUNTIME_DIR, XDG_DATA_HOME and XDG_CONFIG_HOME to fresh folders under `work`.
void useFreshUserFolders(const std::filesystem::path& work);

}  // namespace e2e
