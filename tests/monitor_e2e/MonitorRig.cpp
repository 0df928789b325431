#include "MonitorRig.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

#include "mousesim/BusPaths.h"
#include "mousesim/ControlClient.h"
#include "mousesim/FactoryState.h"
#include "mousesim/StateFile.h"

namespace fs = std::filesystem;

namespace e2e {
namespace {

const std::string kDistFolder = ZURO_DIST_DIR;
const std::string kTestPrograms = ZURO_TEST_PROGRAMS;

void writeFile(const std::string& path, const std::string& text, bool executable = false)
{
    std::ofstream(path) << text;
    if (executable)
        chmod(path.c_str(), 0755);
}

}  // namespace

std::vector<std::string> withoutDisplay()
{
    return {"QT_QPA_PLATFORM=", "DISPLAY=", "WAYLAND_DISPLAY="};
}

MonitorRig::MonitorRig()
{
    std::string pattern = (fs::temp_directory_path() / "zuro-monitor-e2e-XXXXXX").string();
    root_ = mkdtemp(pattern.data()) ? pattern : "";
    tree_ = root_ + "/tree";
    runtime_ = root_ + "/run";
    logFile_ = root_ + "/reports.log";
    fs::create_directories(tree_ + "/config");
    fs::create_directories(tree_ + "/FWUpdateB");
    fs::create_directories(tree_ + "/Wave");
    fs::create_directories(root_ + "/data");
    fs::create_directories(root_ + "/cfg");
    mkdir(runtime_.c_str(), 0700);
    for (const char* program : {"ZuroTarnMonitor", "hidbridge.so", "libzuroplatform.so"})
        fs::copy_file(kDistFolder + "/" + program, tree_ + "/" + program);
    // Stubs that record how the monitor started them.
    writeFile(tree_ + "/FWUpdateB/ZuroNoxa Firmware Upgrade",
              "#!/bin/sh\nprintf '%s\\n' \"$1\" >> \"$(dirname \"$0\")/upgrader-arguments\"\n", true);
    writeFile(tree_ + "/ZuroNoxaOption", "#!/bin/sh\necho started >> \"$(dirname \"$0\")/option-starts\"\n", true);
    writePackageVersion(107);

    for (const auto& [name, value] : {std::pair{"XDG_RUNTIME_DIR", runtime_}, std::pair{"XDG_DATA_HOME", root_ + "/data"},
                                      std::pair{"XDG_CONFIG_HOME", root_ + "/cfg"}}) {
        const char* previous = std::getenv(name);
        savedEnvironment_.emplace_back(name, previous ? std::optional<std::string>(previous) : std::nullopt);
        setenv(name, value.c_str(), 1);
    }
    log_ = std::make_unique<ReportLogWatcher>(logFile_);
}

MonitorRig::~MonitorRig()
{
    mouse_.reset();
    log_.reset();
    for (const auto& [name, value] : savedEnvironment_) {
        if (value)
            setenv(name.c_str(), value->c_str(), 1);
        else
            unsetenv(name.c_str());
    }
    std::error_code ignored;
    if (!root_.empty())
        fs::remove_all(root_, ignored);
}

bool MonitorRig::treeFileExists(const std::string& name) const
{
    return fs::exists(treeFile(name));
}

std::string MonitorRig::readTreeFile(const std::string& name) const
{
    std::ifstream in(treeFile(name));
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void MonitorRig::writePackageVersion(std::optional<int> version)
{
    writeFile(tree_ + "/FWUpdateB/config.ini",
              version ? "[Firmware]\nVersion=" + std::to_string(*version) + "\n" : "[Firmware]\n");
}

void MonitorRig::removeBridgeLibrary()
{
    fs::remove(tree_ + "/hidbridge.so");
}

std::vector<std::string> MonitorRig::upgraderArguments() const
{
    std::vector<std::string> arguments;
    std::ifstream in(tree_ + "/FWUpdateB/upgrader-arguments");
    for (std::string line; std::getline(in, line);)
        arguments.push_back(line);
    return arguments;
}

bool MonitorRig::startMouse(int firmware)
{
    mousesim::MouseMemory memory = mousesim::factoryMemory();
    memory.firmwareVersion = static_cast<std::uint8_t>(firmware);
    const std::string stateFile = root_ + "/mouse.state";
    if (!mousesim::saveStateFile(stateFile, memory))
        return false;
    mousesim::ServeSettings settings;
    settings.executable = kDistFolder + "/mousesim";
    settings.runtimeDir = runtime_;
    settings.stateFile = stateFile;
    settings.logFile = logFile_;
    std::string error;
    mouse_ = mousesim::ServeProcess::start(settings, error);
    return mouse_ != nullptr;
}

std::optional<std::string> MonitorRig::mouseCommand(const std::string& command)
{
    auto client = mousesim::ControlClient::connect(mousesim::controlSocketPath());
    if (!client)
        return std::nullopt;
    const auto reply = client->send(command);
    if (!reply || reply->outcome != mousesim::control::Outcome::Ok)
        return std::nullopt;
    return reply->text;
}

std::unique_ptr<ChildProcess> MonitorRig::startMonitor(const std::vector<std::string>& arguments,
                                                       const std::vector<std::string>& extraEnvironment)
{
    std::vector<std::string> argv = {tree_ + "/ZuroTarnMonitor"};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    // XTest on the test's display: a virtual device would type into the machine's own session.
    std::vector<std::string> environment = {"QT_QPA_PLATFORM=offscreen", "ZURO_HID_BACKEND=simulator",
                                            "ZURO_DEBUG=1", "ZURO_INPUT=xtest"};
    environment.insert(environment.end(), extraEnvironment.begin(), extraEnvironment.end());
    return ChildProcess::start(argv, environment);
}

std::unique_ptr<ChildProcess> MonitorRig::startPeer(const std::vector<std::string>& arguments)
{
    std::vector<std::string> argv = {kTestPrograms + "/monitor_peer"};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    return ChildProcess::start(argv, {"QT_QPA_PLATFORM=offscreen"});
}

std::optional<std::vector<std::string>> MonitorRig::runPeer(const std::vector<std::string>& arguments,
                                                            Milliseconds limit)
{
    std::unique_ptr<ChildProcess> peer = startPeer(arguments);
    if (!peer)
        return std::nullopt;
    const std::optional<int> status = peer->waitForExit(limit);
    if (!status || *status != 0)
        return std::nullopt;
    return peer->lines();
}

bool MonitorRig::waitForStartupRead(Milliseconds limit)
{
    return log_->waitUntil(
        [](const std::vector<LogEntry>& entries) {
            const std::size_t presence = countStartingWith(entries, 0, "SET 0E 03 01");
            if (presence == 0)
                return false;
            // The handshake's status read follows the presence report.
            for (std::size_t i = 0; i + 1 < entries.size(); ++i)
                if (entries[i].text().starts_with("SET 0E 03 01") && entries[i + 1].text().starts_with("GET 04"))
                    return true;
            return false;
        },
        limit);
}

}  // namespace e2e
