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
    if (busy_.load())
        abort_.store(true);
    return thread_.quit(limit);
}

void DeviceWorker::runJob(platform::MessageId message, platform::WParam job, platform::LParam value)
{
    if (message != messages::kWorkerJob)
        return;
    if (deviceState_.load() != DeviceState::Present) {
        platform::debugPrintf("DeviceWorker: job %llu dropped, no mouse\n", static_cast<unsigned long long>(job));
        return;
    }
    abort_.store(false);
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
    default:
        return false;
    }
}

}  // namespace monitor::app
