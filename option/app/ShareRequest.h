#pragma once
// One trophy-share request on a thread of its own, so the window never waits
// for the network. finished() arrives on the thread that made the object,
// through its event loop. Destroying the object cancels a running request and
// joins its thread.
#include <QObject>
#include <QByteArray>
#include <QString>

#include <atomic>
#include <memory>
#include <string>
#include <thread>

#include "platform/net/HttpGet.h"

namespace option::app {

class ShareRequest final : public QObject {
    Q_OBJECT
public:
    ShareRequest(std::shared_ptr<platform::HttpClient> http, QObject* parent = nullptr);
    ~ShareRequest() override;

    // False while a request is still running.
    bool start(const std::string& url, const platform::HttpLimits& limits);
    bool isRunning() const { return running_; }

signals:
    // `transferred` as HttpResult says; `body` what arrived; `error` why it failed.
    void finished(bool transferred, const QByteArray& body, const QString& error);

private:
    void join();

    std::shared_ptr<platform::HttpClient> http_;
    std::thread thread_;
    std::atomic<bool> cancel_{false};
    bool running_ = false;  // user-interface thread only
};

}  // namespace option::app
