#include "UpgraderRig.h"

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>
#include <poll.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <X11/Xlib.h>

namespace fs = std::filesystem;

namespace e2e {
namespace {

const std::string kDistFolder = ZURO_DIST_DIR;
const std::string kScreenshotFolder = ZURO_SCREENSHOT_DIR;

std::optional<std::vector<std::string>> runTool(const std::vector<std::string>& arguments, Milliseconds limit)
{
    std::unique_ptr<ChildProcess> tool = ChildProcess::start(arguments);
    if (!tool)
        return std::nullopt;
    const std::optional<int> status = tool->waitForExit(limit);
    if (!status || *status != 0)
        return std::nullopt;
    return tool->lines();
}

std::vector<std::string> displayEnvironment()
{
    return {"QT_QPA_PLATFORM=xcb", "ZURO_HID_BACKEND=simulator", "ZURO_DEBUG=1"};
}

}  // namespace

bool holdDisplay()
{
    static Display* const display = [] {
        // A server that is resetting answers again within moments.
        for (int attempt = 0; attempt < 50 && std::getenv("DISPLAY"); ++attempt) {
            if (Display* connection = XOpenDisplay(nullptr))
                return connection;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return static_cast<Display*>(nullptr);
    }();
    return display != nullptr;
}

UpgraderRig::UpgraderRig()
{
    fs::copy_file(kDistFolder + "/" + kUpgraderFile, treeFile(kUpgraderFile), fs::copy_options::overwrite_existing);
    fs::copy(kDistFolder + "/FWUpdateB/skin", treeFile("FWUpdateB/skin"), fs::copy_options::recursive);
}

UpgraderRig::~UpgraderRig()
{
    // The programs the test had started, directly or through each other.
    for (const char* program : {kUpgraderFile, "ZuroTarnMonitor"}) {
        for (pid_t pid : running(program))
            kill(pid, SIGTERM);
        if (!waitUntilEnded(program, Milliseconds(5000)))
            for (pid_t pid : running(program))
                kill(pid, SIGKILL);
    }
}

std::vector<std::uint8_t> UpgraderRig::taggedImage(std::size_t size, std::uint8_t version)
{
    std::vector<std::uint8_t> image(size);
    for (std::size_t i = 0; i < size; ++i)
        image[i] = static_cast<std::uint8_t>(i * 13 + 5);
    const std::uint8_t tag[] = {'M', 'S', 'F', 'W', version};
    std::copy_n(tag, std::min(size, sizeof tag), image.begin());
    return image;
}

void UpgraderRig::writePackage(const std::vector<std::uint8_t>& image, int packageVersion)
{
    std::ofstream(treeFile("FWUpdateB/fw.bin"), std::ios::binary)
        .write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
    std::ofstream(treeFile("FWUpdateB/config.ini"))
        << "[Firmware]\nName=fw.bin\nVersion=" << packageVersion << "\n";
}

std::unique_ptr<ChildProcess> UpgraderRig::startUpgrader(const std::vector<std::string>& arguments)
{
    std::vector<std::string> argv = {treeFile(kUpgraderFile)};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    return ChildProcess::start(argv, displayEnvironment());
}

std::unique_ptr<ChildProcess> UpgraderRig::startMonitorOnDisplay()
{
    return startMonitor({}, displayEnvironment());
}

std::vector<pid_t> UpgraderRig::running(const std::string& name) const
{
    const fs::path program = fs::weakly_canonical(treeFile(name));
    std::vector<pid_t> pids;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator("/proc", error)) {
        const std::string pid = entry.path().filename().string();
        if (pid.find_first_not_of("0123456789") != std::string::npos)
            continue;
        std::error_code ignored;
        if (fs::read_symlink(entry.path() / "exe", ignored) == program)
            pids.push_back(static_cast<pid_t>(std::stol(pid)));
    }
    return pids;
}

bool UpgraderRig::waitUntilEnded(const std::string& name, Milliseconds limit) const
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (pid_t pid : running(name)) {
        const int handle = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
        if (handle < 0)
            continue;  // already gone
        const auto left = std::chrono::duration_cast<Milliseconds>(deadline - std::chrono::steady_clock::now());
        pollfd entry{handle, POLLIN, 0};
        const bool ended = poll(&entry, 1, static_cast<int>(std::max<long>(0, left.count()))) > 0;
        close(handle);
        if (!ended)
            return false;
    }
    return running(name).empty();
}

std::string waitForWindow(const std::string& titlePattern)
{
    const auto lines =
        runTool({"xdotool", "search", "--sync", "--onlyvisible", "--name", titlePattern}, kWindowLimit);
    return lines && !lines->empty() ? lines->front() : "";
}

bool clickAt(const std::string& window, int x, int y)
{
    return runTool({"xdotool", "mousemove", "--window", window, std::to_string(x), std::to_string(y), "click", "1"},
                   kWindowLimit)
        .has_value();
}

void saveScreenshot(const std::string& window, const std::string& name)
{
    fs::create_directories(kScreenshotFolder + "/upgrader");
    runTool({"import", "-window", window, kScreenshotFolder + "/upgrader/" + name + ".png"}, kWindowLimit);
}

}  // namespace e2e
