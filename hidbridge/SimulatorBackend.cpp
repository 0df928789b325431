// The simulator backend: virtual devices on the bus described in SimulatorBus.h.

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <mutex>
#include <sys/inotify.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include "hidbridge/DeviceBackend.h"
#include "hidbridge/SimulatorBus.h"
#include "hidbridge/WaitReadable.h"
#include "platform/system/RuntimeDirectory.h"

namespace hidbridge {
namespace {

using namespace simbus;

std::string busFolder()
{
    const std::string runtime = platform::runtimeDirectory();
    if (runtime.empty()) return {};
    return runtime + std::string(kFolderName) + "/";
}

bool endsWith(std::string_view text, std::string_view suffix)
{
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

int connectTo(const std::string& socketPath)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (socketPath.size() >= sizeof address.sun_path) return -1;
    std::memcpy(address.sun_path, socketPath.c_str(), socketPath.size() + 1);
    const int fd = socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
    if (fd < 0) return -1;
    if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

bool sendPacket(int fd, const std::vector<std::uint8_t>& packet)
{
    for (;;) {
        const ssize_t n = send(fd, packet.data(), packet.size(), MSG_NOSIGNAL);
        if (n == static_cast<ssize_t>(packet.size())) return true;
        if (n < 0 && errno == EINTR) continue;
        return false;
    }
}

// One reply packet; empty when the device closed the connection or failed.
std::vector<std::uint8_t> receivePacket(int fd)
{
    std::vector<std::uint8_t> packet(kMaxPacket);
    for (;;) {
        const ssize_t n = recv(fd, packet.data(), packet.size(), 0);
        if (n > 0) {
            packet.resize(static_cast<std::size_t>(n));
            return packet;
        }
        if (n < 0 && errno == EINTR) continue;
        return {};
    }
}

class SimulatorChannel final : public DeviceChannel {
public:
    SimulatorChannel(std::string socketPath, int control, DeviceInfo info)
        : socketPath_(std::move(socketPath)), control_(control), info_(std::move(info))
    {
    }
    ~SimulatorChannel() override
    {
        if (control_ >= 0) close(control_);
        if (input_ >= 0) close(input_);
    }

    const DeviceInfo& info() const override { return info_; }

    bool setFeature(const std::uint8_t* report, std::size_t length) override
    {
        return simpleRequest(kSetFeature, report, length);
    }

    bool writeOutput(const std::uint8_t* report, std::size_t length) override
    {
        return simpleRequest(kWriteOutput, report, length);
    }

    bool getFeature(std::uint8_t* report, std::size_t length) override
    {
        if (report == nullptr || length == 0 || length > kMaxPacket - 2) return false;
        std::lock_guard lock(mutex_);
        const std::vector<std::uint8_t> request = {kGetFeature, std::uint8_t(length & 0xFF),
                                                   std::uint8_t(length >> 8), report[0]};
        if (!sendPacket(control_, request)) return false;
        const std::vector<std::uint8_t> reply = receivePacket(control_);
        if (reply.size() != length + 2 || reply[0] != kGetFeature || reply[1] != 1) return false;
        std::memcpy(report, reply.data() + 2, length);
        return true;
    }

    ReadStatus readInput(std::uint8_t* buffer, std::size_t capacity, std::size_t& length, int wakeFd) override
    {
        if (input_ < 0) {
            input_ = connectTo(socketPath_);
            if (input_ < 0 || !sendPacket(input_, {kSubscribeInput})) return ReadStatus::Gone;
        }
        switch (waitReadable(input_, wakeFd)) {
        case Readiness::Woken: return ReadStatus::Woken;
        case Readiness::Failed: return ReadStatus::Gone;
        case Readiness::HungUp:  // what is still queued is read first; an empty read means gone
        case Readiness::Readable: break;
        }
        const std::vector<std::uint8_t> packet = receivePacket(input_);
        if (packet.empty()) return ReadStatus::Gone;
        if (packet[0] != kInputReport) {
            length = 0;
            return ReadStatus::Report;  // not a report: nothing was read
        }
        length = std::min(packet.size() - 1, capacity);
        std::memcpy(buffer, packet.data() + 1, length);
        return ReadStatus::Report;
    }

    // Before the first read there is no input connection: nothing can be waiting.
    bool waitForInput(int wakeFd, int timeoutMs) override { return readableWithin(input_, wakeFd, timeoutMs); }

private:
    bool simpleRequest(Kind kind, const std::uint8_t* report, std::size_t length)
    {
        if (report == nullptr || length == 0 || length > kMaxPacket - 1) return false;
        std::lock_guard lock(mutex_);
        std::vector<std::uint8_t> request(length + 1);
        request[0] = kind;
        std::memcpy(request.data() + 1, report, length);
        if (!sendPacket(control_, request)) return false;
        const std::vector<std::uint8_t> reply = receivePacket(control_);
        return reply.size() == 2 && reply[0] == kind && reply[1] == 1;
    }

    std::string socketPath_;
    int control_;
    int input_ = -1;  // opened by the reader on its first read
    DeviceInfo info_;
    std::mutex mutex_;  // one request and its reply at a time on the control connection
};

class SimulatorBackend final : public DeviceBackend {
public:
    explicit SimulatorBackend(std::string folder) : folder_(std::move(folder))
    {
        inotify_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        if (inotify_ >= 0) {
            inotify_add_watch(inotify_, folder_.c_str(), IN_MOVED_TO | IN_CREATE | IN_DELETE | IN_MOVED_FROM);
        }
    }
    ~SimulatorBackend() override
    {
        if (inotify_ >= 0) close(inotify_);
    }

    std::vector<std::string> enumerate() override
    {
        std::vector<std::string> paths;
        DIR* dir = opendir(folder_.c_str());
        if (dir == nullptr) return paths;
        while (const dirent* entry = readdir(dir)) {
            const std::string name = entry->d_name;
            if (endsWith(name, kDeviceSuffix)) paths.push_back(folder_ + name);
        }
        closedir(dir);
        std::sort(paths.begin(), paths.end());
        return paths;
    }

    std::unique_ptr<DeviceChannel> open(const std::string& path) override
    {
        if (path.compare(0, folder_.size(), folder_) != 0) return nullptr;
        const int fd = connectTo(path);
        if (fd < 0) return nullptr;
        DeviceInfo info;
        info.path = path;
        if (!sendPacket(fd, {kInfo})) {
            close(fd);
            return nullptr;
        }
        const std::vector<std::uint8_t> reply = receivePacket(fd);
        if (reply.size() < 7 || reply[0] != kInfo) {
            close(fd);
            return nullptr;
        }
        info.vendorId = std::uint16_t(reply[1] | (reply[2] << 8));
        info.productId = std::uint16_t(reply[3] | (reply[4] << 8));
        info.version = std::uint16_t(reply[5] | (reply[6] << 8));
        info.collections = parseReportDescriptor(reply.data() + 7, reply.size() - 7);
        return std::make_unique<SimulatorChannel>(path, fd, std::move(info));
    }

    int hotplugDescriptor() override { return inotify_; }

    std::vector<HotplugEvent> readHotplugEvents() override
    {
        std::vector<HotplugEvent> events;
        if (inotify_ < 0) return events;
        alignas(inotify_event) char buffer[4096];
        for (;;) {
            const ssize_t n = read(inotify_, buffer, sizeof buffer);
            if (n <= 0) break;
            for (ssize_t offset = 0; offset + ssize_t(sizeof(inotify_event)) <= n;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + offset);
                offset += sizeof(inotify_event) + event->len;
                if (event->len == 0 || offset > n) continue;
                const std::string name(event->name, strnlen(event->name, event->len));
                if (!endsWith(name, kDeviceSuffix)) continue;
                // A device is complete (listening) only once renamed into place.
                if (event->mask & IN_MOVED_TO) events.push_back({HotplugEvent::Kind::Added, folder_ + name});
                if (event->mask & (IN_DELETE | IN_MOVED_FROM))
                    events.push_back({HotplugEvent::Kind::Removed, folder_ + name});
            }
        }
        return events;
    }

private:
    std::string folder_;
    int inotify_ = -1;
};

}  // namespace

std::unique_ptr<DeviceBackend> createSimulatorBackend()
{
    const std::string folder = busFolder();
    if (folder.empty()) return nullptr;
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return nullptr;
    return std::make_unique<SimulatorBackend>(folder);
}

}  // namespace hidbridge
