#include "option/app/ShareRequest.h"

#include <utility>

namespace option::app {

ShareRequest::ShareRequest(std::shared_ptr<platform::HttpClient> http, QObject* parent)
    : QObject(parent), http_(std::move(http))
{
    // The worker emits from its own thread; the owner hears it on its own.
    connect(this, &ShareRequest::finished, this, [this] { running_ = false; join(); }, Qt::QueuedConnection);
}

ShareRequest::~ShareRequest()
{
    cancel_ = true;
    join();
}

void ShareRequest::join()
{
    if (thread_.joinable())
        thread_.join();
}

bool ShareRequest::start(const std::string& url, const platform::HttpLimits& limits)
{
    if (running_ || !http_)
        return false;
    join();
    running_ = true;
    cancel_ = false;
    thread_ = std::thread([this, url, limits] {
        const platform::HttpResult result = http_->get(url, limits, cancel_);
        emit finished(result.transferred, QByteArray(result.body.data(), static_cast<qsizetype>(result.body.size())),
                      QString::fromStdString(result.error));
    });
    return true;
}

}  // namespace option::app
