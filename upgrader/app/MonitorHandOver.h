#pragma once
// The monitor and the upgrader take turns with the mouse: the upgrader asks a
// running monitor to close before it takes the mouse over, and starts the
// monitor again when it is done.

#include <QObject>

#include <chrono>
#include <functional>
#include <string>

namespace upgrader::app {

inline constexpr char kMonitorProgram[] = "ZuroTarnMonitor";
// A monitor that has just started the upgrader may still be closing: it is
// looked for a second time after this pause.
inline constexpr std::chrono::milliseconds kMonitorLookAgain{100};
// What a closing monitor gets to let go of the mouse.
inline constexpr std::chrono::milliseconds kMonitorReleaseTime{1800};

// The installation folder: the parent of the upgrader's own folder, with a
// trailing '/'.
std::string installationFolderOf(const std::string& programFolder);

// Posts close to the monitor's window (found by its title) and calls `then`
// after kMonitorReleaseTime; when no monitor is found, calls it at once. The
// waits run on `context`'s event loop.
void closeMonitorThen(QObject* context, std::function<void()> then);

// Starts the monitor of the installation, detached. False when it cannot start.
bool startMonitor(const std::string& installationFolder);

}  // namespace upgrader::app
