#include "hidbridge/DeviceMonitor.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include "hidbridge/EventReport.h"
#include "hidbridge/MouseIdentity.h"
#include "platform/system/DebugOutput.h"

namespace hidbridge {
namespace {

constexpr auto kWatchStartLimit = std::chrono::milliseconds(2000);
constexpr int kReadCycleMs = 10;

void signal(int eventFd)
{
    const std::uint64_t one = 1;
    while (write(eventFd, &one, sizeof one) < 0 && errno == EINTR) {
    }
}

void drain(int eventFd)
{
    std::uint64_t value = 0;
    while (read(eventFd, &value, sizeof value) < 0 && errno == EINTR) {
    }
}

}  // namespace

struct DeviceMonitor::Record {
    std::uint16_t id = 0;
    std::uint64_t serial = 0;
    DeviceBackend* backend = nullptr;
    std::string path;
    std::unique_ptr<DeviceChannel> channel;
    CollectionCaps caps;
    std::vector<std::uint8_t> inputBuffer;
    std::vector<std::uint8_t> outputBuffer;
    int wake = -1;
    std::atomic<bool> stopping{false};
    std::thread reader;
    std::mutex lastReportMutex;
    std::vector<std::uint8_t> lastReport;  // the newest complete input report, for Hid_Read

    ~Record()
    {
        if (wake >= 0) close(wake);
    }
};

DeviceMonitor::DeviceMonitor(BackendFactory backends, Poster poster)
    : backendFactory_(std::move(backends)), poster_(std::move(poster))
{
}

DeviceMonitor::~DeviceMonitor()
{
    // At unload the caller's windows may be gone already: tell them nothing more.
    poster_ = [](std::uint32_t, std::uint32_t, std::uint64_t, std::int64_t) {};
    closeDevMonitor();
    closeFeatureDevice();
}

std::vector<DeviceBackend*> DeviceMonitor::backends()
{
    // Called with backendMutex_ held.
    if (!backendsCreated_) {
        backends_ = backendFactory_();
        backendsCreated_ = true;
    }
    std::vector<DeviceBackend*> result;
    for (auto& backend : backends_)
        if (backend) result.push_back(backend.get());
    return result;
}

int DeviceMonitor::openDevMonitor(std::uint32_t window, std::uint32_t eventMessage, std::uint32_t deviceMessage)
{
    window_ = window;
    eventMessage_ = eventMessage;
    deviceMessage_ = deviceMessage;
    {
        std::lock_guard lock(watchMutex_);
        if (watchThread_.joinable()) return 1;  // already watching: nothing is opened again
    }
    if (!startWatchThread()) return 0;
    enumerateEventCollections();
    return 1;
}

int DeviceMonitor::closeDevMonitor()
{
    // The watch thread stops first, so no arrival can add a record behind the removals.
    stopWatchThread();
    std::lock_guard lock(listMutex_);
    while (!records_.empty()) removeRecordLocked(records_.begin());
    nextDeviceId_ = 1;
    return 1;
}

bool DeviceMonitor::startWatchThread()
{
    std::unique_lock lock(watchMutex_);
    watchWake_ = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (watchWake_ < 0) return false;
    watchStopping_ = false;
    watchReady_ = false;
    watchThread_ = std::thread([this] { watchLoop(); });
    if (!watchReadyChanged_.wait_for(lock, kWatchStartLimit, [this] { return watchReady_; })) {
        watchStopping_ = true;
        signal(watchWake_);
        lock.unlock();
        watchThread_.join();
        lock.lock();
        close(watchWake_);
        watchWake_ = -1;
        return false;
    }
    return true;
}

void DeviceMonitor::stopWatchThread()
{
    std::thread thread;
    {
        std::lock_guard lock(watchMutex_);
        if (!watchThread_.joinable()) return;
        watchStopping_ = true;
        watchQueue_.clear();
        signal(watchWake_);
        thread = std::move(watchThread_);
    }
    thread.join();
    std::lock_guard lock(watchMutex_);
    close(watchWake_);
    watchWake_ = -1;
}

void DeviceMonitor::queueWatchRequest(WatchRequest request)
{
    std::lock_guard lock(watchMutex_);
    if (watchStopping_ || watchWake_ < 0) return;
    watchQueue_.push_back(std::move(request));
    signal(watchWake_);
}

void DeviceMonitor::watchLoop()
{
    std::vector<std::pair<DeviceBackend*, int>> sources;
    {
        std::lock_guard lock(backendMutex_);
        for (DeviceBackend* backend : backends()) {
            const int fd = backend->hotplugDescriptor();
            if (fd < 0) continue;
            // What came and went while nobody watched is no news: the enumeration
            // after this start sees the devices as they are now. Replayed, it
            // would remove and reopen a device that never left.
            backend->readHotplugEvents();
            sources.emplace_back(backend, fd);
        }
    }
    int wake = -1;
    {
        std::lock_guard lock(watchMutex_);
        wake = watchWake_;
        watchReady_ = true;
    }
    watchReadyChanged_.notify_all();

    std::vector<pollfd> fds;
    fds.push_back({wake, POLLIN, 0});
    for (const auto& [backend, fd] : sources) fds.push_back({fd, POLLIN, 0});

    for (;;) {
        const int ready = poll(fds.data(), fds.size(), -1);
        if (ready < 0 && errno != EINTR) break;

        std::deque<WatchRequest> requests;
        {
            std::lock_guard lock(watchMutex_);
            if (watchStopping_) break;
            if (fds[0].revents & POLLIN) drain(wake);
            requests.swap(watchQueue_);
        }
        for (std::size_t i = 1; i < fds.size(); ++i) {
            if (!(fds[i].revents & POLLIN)) continue;
            DeviceBackend* backend = sources[i - 1].first;
            std::vector<HotplugEvent> events;
            {
                std::lock_guard lock(backendMutex_);
                events = backend->readHotplugEvents();
            }
            for (const HotplugEvent& event : events) {
                requests.push_back({event.kind == HotplugEvent::Kind::Added ? WatchRequest::Kind::Arrival
                                                                           : WatchRequest::Kind::Removal,
                                    backend, event.path});
            }
        }
        for (const WatchRequest& request : requests) handleWatchRequest(request);
    }
}

void DeviceMonitor::handleWatchRequest(const WatchRequest& request)
{
    if (request.kind == WatchRequest::Kind::Arrival) {
        platform::debugOutput("DBT_DEVICEARRIVAL.\n");
        if (suspended_.load()) return;
        if (openEventCollection(*request.backend, request.path))
            platform::debugOutput("DBT_DEVICEARRIVAL finished.\n");
        return;
    }
    platform::debugOutput("DBT_DEVICEREMOVECOMPLETE\n");
    std::lock_guard lock(listMutex_);
    for (auto it = records_.begin(); it != records_.end(); ++it) {
        const bool sameRecord = request.recordSerial == 0 || (*it)->serial == request.recordSerial;
        if ((*it)->backend == request.backend && (*it)->path == request.path && sameRecord) {
            removeRecordLocked(it);
            nextDeviceId_ = 1;
            platform::debugOutput("DBT_DEVICEREMOVECOMPLETE finished\n");
            return;
        }
    }
}

void DeviceMonitor::enumerateEventCollections()
{
    std::vector<std::pair<DeviceBackend*, std::string>> candidates;
    {
        std::lock_guard lock(backendMutex_);
        for (DeviceBackend* backend : backends())
            for (std::string& path : backend->enumerate()) candidates.emplace_back(backend, std::move(path));
    }
    for (const auto& [backend, path] : candidates) openEventCollection(*backend, path);
}

bool DeviceMonitor::isOpenLocked(const DeviceBackend& backend, const std::string& path) const
{
    for (const auto& record : records_)
        if (record->backend == &backend && record->path == path) return true;
    return false;
}

bool DeviceMonitor::openEventCollection(DeviceBackend& backend, const std::string& path)
{
    {
        std::lock_guard lock(listMutex_);
        if (isOpenLocked(backend, path)) return false;
    }
    std::unique_ptr<DeviceChannel> channel;
    {
        std::lock_guard lock(backendMutex_);
        channel = backend.open(path);
    }
    if (!channel) return false;
    const std::optional<CollectionCaps> caps = matchCollection(channel->info(), CollectionRole::Event);
    if (!caps || caps->inputReportLength == 0) return false;

    auto record = std::make_unique<Record>();
    record->backend = &backend;
    record->path = path;
    record->channel = std::move(channel);
    record->caps = *caps;
    record->inputBuffer.assign(caps->inputReportLength, 0);
    record->outputBuffer.assign(caps->outputReportLength, 0);
    record->wake = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (record->wake < 0) return false;
    platform::debugOutput("OpenHidDevice Success\n");

    std::lock_guard lock(listMutex_);
    // Enumeration and an arrival may both have found it: it is kept once.
    if (isOpenLocked(backend, path)) return false;
    Record& added = *record;
    added.id = nextDeviceId_;
    added.serial = nextRecordSerial_++;
    added.reader = std::thread([this, &added] { readerLoop(added); });
    ++nextDeviceId_;
    records_.push_back(std::move(record));
    poster_(window_.load(), deviceMessage_.load(), 1, added.id);
    return true;
}

void DeviceMonitor::removeRecordLocked(std::list<std::unique_ptr<Record>>::iterator it)
{
    Record& record = **it;
    record.stopping = true;
    signal(record.wake);
    if (record.reader.joinable()) record.reader.join();
    poster_(window_.load(), deviceMessage_.load(), 0, record.id);
    records_.erase(it);
}

void DeviceMonitor::readerLoop(Record& record)
{
    pollfd wake{record.wake, POLLIN, 0};
    while (!record.stopping.load()) {
        // The pause between two reads lasts while nothing is waiting, 10 ms at
        // most; a report that arrives, or a stop, ends it. Every report already
        // waiting is then read before the next pause, so a mouse sending more
        // than one report a cycle never overflows its queue, and a press is read
        // as it comes, however close behind the last report.
        if (suspended_.load()) {
            if (poll(&wake, 1, kReadCycleMs) > 0) drain(record.wake);
            continue;
        }
        record.channel->waitForInput(record.wake, kReadCycleMs);
        if (poll(&wake, 1, 0) > 0) drain(record.wake);
        do {
            if (record.stopping.load()) return;
            if (suspended_.load()) break;
            if (readOneReport(record) == ReadOutcome::Stop) return;
        } while (record.channel->waitForInput(record.wake, 0));
    }
}

DeviceMonitor::ReadOutcome DeviceMonitor::readOneReport(Record& record)
{
    std::vector<std::uint8_t>& buffer = record.inputBuffer;
    std::fill(buffer.begin(), buffer.end(), 0);
    std::size_t length = 0;
    const auto status = record.channel->readInput(buffer.data(), buffer.size(), length, record.wake);
    if (status == DeviceChannel::ReadStatus::Woken) {
        drain(record.wake);
        return ReadOutcome::Next;
    }
    if (status == DeviceChannel::ReadStatus::Gone) {
        // Whether or not the system reports the removal, the record goes.
        queueWatchRequest({WatchRequest::Kind::Removal, record.backend, record.path, record.serial});
        pollfd wake{record.wake, POLLIN, 0};
        while (!record.stopping.load()) {
            if (poll(&wake, 1, -1) > 0) drain(record.wake);
        }
        return ReadOutcome::Stop;
    }
    if (length == 0 || buffer[0] != kEventReportId) return ReadOutcome::Next;
    platform::debugPrintf("InputReportBuffer:%x, %x, %x, %x, %x \n", buffer[0], length > 1 ? buffer[1] : 0,
                          length > 2 ? buffer[2] : 0, length > 3 ? buffer[3] : 0, length > 4 ? buffer[4] : 0);
    if (length == buffer.size()) {
        std::lock_guard lock(record.lastReportMutex);
        record.lastReport = buffer;
    }
    if (const auto message = decodeEventReport(buffer.data(), length))
        poster_(window_.load(), eventMessage_.load(), message->wParam, message->lParam);
    return ReadOutcome::Next;
}

int DeviceMonitor::openFeatureDevice()
{
    std::vector<std::pair<DeviceBackend*, std::string>> candidates;
    {
        std::lock_guard lock(backendMutex_);
        for (DeviceBackend* backend : backends())
            for (std::string& path : backend->enumerate()) candidates.emplace_back(backend, std::move(path));
    }
    for (const auto& [backend, path] : candidates) {
        std::unique_ptr<DeviceChannel> channel;
        {
            std::lock_guard lock(backendMutex_);
            channel = backend->open(path);
        }
        if (!channel || !matchCollection(channel->info(), CollectionRole::Feature)) continue;
        const int productId = channel->info().productId;
        {
            std::lock_guard lock(featureMutex_);
            feature_ = std::move(channel);
        }
        mouseProductId_ = productId;
        platform::debugOutput("OpenFeatureDevice Success\n");
        return 1;
    }
    return 0;
}

int DeviceMonitor::closeFeatureDevice()
{
    std::lock_guard lock(featureMutex_);
    feature_.reset();
    return 1;
}

int DeviceMonitor::setFeature(unsigned char* buffer, int length)
{
    if (buffer == nullptr || length <= 0) return 0;
    std::lock_guard lock(featureMutex_);
    if (!feature_) return 0;
    return feature_->setFeature(buffer, static_cast<std::size_t>(length)) ? 1 : 0;
}

int DeviceMonitor::getFeature(unsigned char* buffer, int length)
{
    if (buffer == nullptr || length <= 0) return 0;
    std::lock_guard lock(featureMutex_);
    if (!feature_) return 0;
    return feature_->getFeature(buffer, static_cast<std::size_t>(length)) ? 1 : 0;
}

DeviceMonitor::Record* DeviceMonitor::findRecordLocked(int deviceId)
{
    if (deviceId <= 0) return nullptr;
    for (auto& record : records_)
        if (record->id == deviceId) return record.get();
    return nullptr;
}

void DeviceMonitor::hidWrite(int deviceId, const unsigned char* data, int length)
{
    if (data == nullptr || length < 0) return;
    std::lock_guard lock(listMutex_);
    Record* record = findRecordLocked(deviceId);
    if (record == nullptr || record->outputBuffer.empty()) return;
    std::vector<std::uint8_t>& out = record->outputBuffer;
    std::fill(out.begin(), out.end(), 0);
    // The report ID goes in byte 0; the data follows, cut to the report's length.
    const std::size_t count = std::min<std::size_t>(static_cast<std::size_t>(length), out.size() - 1);
    std::memcpy(out.data() + 1, data, count);
    record->channel->writeOutput(out.data(), out.size());
}

void DeviceMonitor::hidRead(int deviceId, unsigned char* buffer)
{
    if (buffer == nullptr) return;
    std::lock_guard lock(listMutex_);
    Record* record = findRecordLocked(deviceId);
    if (record == nullptr) return;
    // The reader thread owns the device's input; a caller gets the newest complete
    // report it took, so no second reader ever blocks on the device.
    std::lock_guard reportLock(record->lastReportMutex);
    if (!record->lastReport.empty()) std::memcpy(buffer, record->lastReport.data(), record->lastReport.size());
}

void DeviceMonitor::machineSuspending()
{
    std::lock_guard lock(suspendMutex_);
    suspend_.suspend();
    suspended_ = true;
}

void DeviceMonitor::machineResumed()
{
    SuspendState::Action action;
    {
        std::lock_guard lock(suspendMutex_);
        action = suspend_.resume();
        suspended_ = suspend_.suspended();
    }
    if (action != SuspendState::Action::Reopen) return;
    openDevMonitor(window_.load(), eventMessage_.load(), deviceMessage_.load());
    std::lock_guard lock(suspendMutex_);
    suspend_.reopenFinished();
}

std::size_t DeviceMonitor::openDeviceCount()
{
    std::lock_guard lock(listMutex_);
    return records_.size();
}

}  // namespace hidbridge
