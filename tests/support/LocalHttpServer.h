#pragma once
// A tiny HTTP server on 127.0.0.1 for tests: it answers one request with a
// fixed answer on a thread of its own, and tells the request line it got.
// With `answer` empty it accepts and then never answers (for timeouts).

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace testsupport {

class LocalHttpServer {
public:
    // `answer` is sent whole after the request's head: status line, headers and
    // body (see ok()).
    explicit LocalHttpServer(std::string answer) : answer_(std::move(answer))
    {
        listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (listener_ < 0 || ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
            ::listen(listener_, 1) != 0 ||
            ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            return;
        port_ = ntohs(address.sin_port);
        thread_ = std::thread([this] { serve(); });
    }

    ~LocalHttpServer()
    {
        // Wakes accept() and recv() alike.
        ::shutdown(listener_, SHUT_RDWR);
        {
            std::lock_guard lock(mutex_);
            if (client_ >= 0)
                ::shutdown(client_, SHUT_RDWR);
            closing_ = true;
        }
        if (thread_.joinable())
            thread_.join();
        ::close(listener_);
    }

    static std::string ok(const std::string& body)
    {
        return "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " + std::to_string(body.size()) +
               "\r\nConnection: close\r\n\r\n" + body;
    }

    int port() const { return port_; }
    std::string base() const { return "http://127.0.0.1:" + std::to_string(port_) + "/"; }

    // The request line ("GET /path HTTP/1.1"), once a request arrived.
    std::optional<std::string> waitForRequestLine(std::chrono::milliseconds limit)
    {
        std::unique_lock lock(mutex_);
        changed_.wait_for(lock, limit, [this] { return requestLine_.has_value(); });
        return requestLine_;
    }

private:
    void serve()
    {
        const int client = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0)
            return;
        {
            std::lock_guard lock(mutex_);
            if (closing_) {
                ::close(client);
                return;
            }
            client_ = client;
        }
        std::string head;
        char buffer[1024];
        while (head.find("\r\n\r\n") == std::string::npos) {
            const ssize_t got = ::recv(client, buffer, sizeof buffer, 0);
            if (got <= 0)
                break;
            head.append(buffer, static_cast<std::size_t>(got));
        }
        {
            std::lock_guard lock(mutex_);
            requestLine_ = head.substr(0, head.find("\r\n"));
        }
        changed_.notify_all();
        if (!answer_.empty())
            (void)::send(client, answer_.data(), answer_.size(), MSG_NOSIGNAL);
        else
            while (::recv(client, buffer, sizeof buffer, 0) > 0) {
            }
        std::lock_guard lock(mutex_);
        client_ = -1;
        ::close(client);
    }

    std::string answer_;
    int listener_ = -1;
    int port_ = 0;
    std::thread thread_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::optional<std::string> requestLine_;
    int client_ = -1;
    bool closing_ = false;
};

}  // namespace testsupport
