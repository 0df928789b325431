#pragma once
// The monitor process: single instance, the application object, the main window
// and its event loop.

#include <string>
#include <vector>

namespace monitor::app {

// The command line as one text, the arguments joined by blanks.
std::string commandLineText(const std::vector<std::string>& arguments);
// "1" as the first character of the command line asks for the configuration
// application.
bool asksForApplication(const std::string& commandLine);

class MonitorApp {
public:
    // Runs the monitor until its window closes; the process's exit code.
    int run(int& argc, char** argv);
};

}  // namespace monitor::app
