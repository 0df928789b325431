#pragma once
// The bridge's state behind the exports: the open event collections with their
// reader threads, the feature collection, and the watch thread that follows
// arrivals, removals, suspend and resume.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "hidbridge/DeviceBackend.h"
#include "hidbridge/SuspendState.h"

namespace hidbridge {

class DeviceMonitor {
public:
    // Delivers one message to the caller's window; platform::postMessage in the library.
    using Poster = std::function<void(std::uint32_t window, std::uint32_t message, std::uint64_t wParam,
                                      std::int64_t lParam)>;
    using BackendFactory = std::function<std::vector<std::unique_ptr<DeviceBackend>>()>;

    DeviceMonitor(BackendFactory backends, Poster poster);
    ~DeviceMonitor();
    DeviceMonitor(const DeviceMonitor&) = delete;
    DeviceMonitor& operator=(const DeviceMonitor&) = delete;

    int openDevMonitor(std::uint32_t window, std::uint32_t eventMessage, std::uint32_t deviceMessage);
    int closeDevMonitor();
    int openFeatureDevice();
    int closeFeatureDevice();
    int setFeature(unsigned char* buffer, int length);
    int getFeature(unsigned char* buffer, int length);
    int mouseProductId() const { return mouseProductId_.load(); }
    void hidWrite(int deviceId, const unsigned char* data, int length);
    void hidRead(int deviceId, unsigned char* buffer);

    // From the sleep watcher.
    void machineSuspending();
    void machineResumed();

    std::size_t openDeviceCount();

private:
    struct Record;
    struct WatchRequest {
        enum class Kind { Arrival, Removal } kind;
        DeviceBackend* backend;
        std::string path;
        // The record a reader saw vanish; 0 for the system's hotplug events, which
        // name the device by path alone.
        std::uint64_t recordSerial = 0;
    };

    std::vector<DeviceBackend*> backends();
    bool startWatchThread();
    void stopWatchThread();
    void watchLoop();
    void handleWatchRequest(const WatchRequest& request);
    void queueWatchRequest(WatchRequest request);

    void enumerateEventCollections();
    bool openEventCollection(DeviceBackend& backend, const std::string& path);
    void removeRecordLocked(std::list<std::unique_ptr<Record>>::iterator it);
    void readerLoop(Record& record);
    enum class ReadOutcome { Next, Stop };
    // One report (blocking until it comes or the reader is woken), posted when
    // it is one of the mouse's events. Stop once the device is gone and the
    // record is being removed.
    ReadOutcome readOneReport(Record& record);
    Record* findRecordLocked(int deviceId);
    bool isOpenLocked(const DeviceBackend& backend, const std::string& path) const;

    BackendFactory backendFactory_;
    Poster poster_;

    std::mutex backendMutex_;  // the backends are not thread-safe; one call at a time
    bool backendsCreated_ = false;
    std::vector<std::unique_ptr<DeviceBackend>> backends_;

    std::atomic<std::uint32_t> window_{0};
    std::atomic<std::uint32_t> eventMessage_{0};
    std::atomic<std::uint32_t> deviceMessage_{0};

    std::mutex listMutex_;  // the records and the next id, changed by the watch thread and Close_DevMonitor
    std::list<std::unique_ptr<Record>> records_;
    std::uint16_t nextDeviceId_ = 1;
    std::uint64_t nextRecordSerial_ = 1;  // tells apart records of one path over time

    std::mutex suspendMutex_;
    SuspendState suspend_;
    std::atomic<bool> suspended_{false};  // read by the reader threads

    std::mutex watchMutex_;  // the watch thread and its queue
    std::thread watchThread_;
    int watchWake_ = -1;
    std::deque<WatchRequest> watchQueue_;
    bool watchStopping_ = false;
    bool watchReady_ = false;
    std::condition_variable watchReadyChanged_;

    std::mutex featureMutex_;
    std::unique_ptr<DeviceChannel> feature_;
    std::atomic<int> mouseProductId_{0};
};

}  // namespace hidbridge
