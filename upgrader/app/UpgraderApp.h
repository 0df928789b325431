#pragma once
// The upgrader process: single instance, the start mode chosen by the command
// line, the confirmation or notice, then the update session.
//
// After Cancel in the confirmation and after the notice, the answer is kept for
// the package's version (settings/FirmwarePackage.h) and the monitor, which
// closed itself when it started the upgrader, is started again; its firmware
// check then leaves the package alone until its version changes.

namespace upgrader::app {

// Runs the upgrader until it is done; the process's exit code.
int runUpgrader(int& argc, char** argv);

}  // namespace upgrader::app
