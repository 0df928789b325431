#pragma once
// The monitor process: single instance, the application object, the main window
// and its event loop.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "monitor/app/EventDispatcher.h"

namespace monitor::app {

// The command line as one text, the arguments joined by blanks.
std::string commandLineText(const std::vector<std::string>& arguments);
// "1" as the first character of the command line asks for the configuration
// application.
bool asksForApplication(const std::string& commandLine);

// Exit statuses of the monitor process.
inline constexpr int kExitClosed = 0;           // ran and closed; or handed a show request to the running monitor
inline constexpr int kExitFailed = 1;           // could not start
inline constexpr int kExitAlreadyRunning = 3;   // another monitor runs

// Builds the window's event dispatcher; an empty factory leaves the logging one.
using DispatcherFactory = std::function<std::unique_ptr<EventDispatcher>(MonitorServices&)>;

class MonitorApp {
public:
    explicit MonitorApp(DispatcherFactory createDispatcher = {}) : createDispatcher_(std::move(createDispatcher)) {}

    // Runs the monitor until its window closes; the process's exit code.
    int run(int& argc, char** argv);

private:
    DispatcherFactory createDispatcher_;
};

}  // namespace monitor::app
