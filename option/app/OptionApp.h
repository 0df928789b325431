#pragma once
// The configuration application's process: one instance per user, the
// application object, the main window and its event loop.

namespace option::app {

// Runs the application until its main window closes; the process's exit code.
// A second start ends at once without a window (exit code 0).
int runOptionApp(int& argc, char** argv);

}  // namespace option::app
