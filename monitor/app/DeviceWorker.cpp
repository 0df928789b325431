#include "monitor/app/DeviceWorker.h"

#include "messages/MessageNumbers.h"
#include "platform/system/DebugOutput.h"

namespace monitor::app {

DeviceWorker::DeviceWorker(DeviceJobs& jobs, const std::atomic<DeviceState>& deviceState, Finished finished)
    : jobs_(jobs),
      deviceState_(deviceState),
      finished_(std::move(finished)),
      thread_([this](platform::MessageId message, platform::WParam wParam, platform::LParam lParam) {
          runJob(message, wParam, lParam);
      })
{
}

DeviceWorker::~DeviceWorker()
{
    // The thread (the last member) quits and is joined first; a job still
    // running ends early.
    abort_.store(true);
}

bool DeviceWorker::start()
{
    return thread_.start();
}

bool DeviceWorker::post(platform::WParam job, platform::LParam value)
{
    return thread_.post(messages::kWorkerJob, job, value);
}

bool DeviceWorker::stop(std::chrono::milliseconds limit)
{
    stopping_.store(true);
    if (busy_.load())
        abort_.store(true);
    return thread_.quit(limit);
}

void DeviceWorker::runJob(platform::MessageId message, platform::WParam job, platform::LParam value)
{
    if (message != messages::kWorkerJob)
        return;
    if (deviceState_.load() != DeviceState::Present || stopping_.load()) {
        platform::debugPrintf("DeviceWorker: job %llu dropped, %s\n", static_cast<unsigned long long>(job),
                              stopping_.load() ? "stopping" : "no mouse");
        return;
    }
    abort_.store(false);
    // A stop that came between the test above and the clearing still aborts.
    if (stopping_.load())
        abort_.store(true);
    busy_.store(true);
    const bool succeeded = dispatch(job, value);
    busy_.store(false);
    if (finished_)
        finished_(job, succeeded);
}

bool DeviceWorker::dispatch(platform::WParam job, platform::LParam value)
{
    switch (job) {
    case messages::worker_job::kReadWholeDevice:
        return jobs_.readWholeDevice();
    case messages::worker_job::kWriteActiveProfile:
        return jobs_.writeActiveProfile();
    case messages::worker_job::kUploadColorDatabase:
        return jobs_.uploadColorDatabase();
    case messages::worker_job::kMacroOnRequest:
        if (value < messages::kFirstRequestableMacro || value > messages::kLastRequestableMacro)
            return false;
        return jobs_.sendRequestedMacro(static_cast<int>(value));
    case messages::worker_job::kHostPresent:
        return jobs_.writeHostPresent();
    default:
        return false;
    }
}

}  // namespace monitor::app
