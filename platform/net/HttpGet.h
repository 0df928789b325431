#pragma once
// One HTTP or HTTPS GET whose answer is a short text, in place of the browser
// the programs never embed. Plain C++ without Qt; the call blocks, so callers
// with a window run it on a thread of their own.

#include <atomic>
#include <cstddef>
#include <memory>
#include <string>

namespace platform {

struct HttpLimits {
    long timeoutSeconds = 0;       // the whole request, connection included; above 0
    std::size_t maxBodyBytes = 0;  // the body is cut here; the rest is not read
};

struct HttpResult {
    bool transferred = false;  // an answer with a status below 400 arrived
    long status = 0;           // the HTTP status, 0 without an answer
    std::string body;          // what was received, also after a failure
    std::string error;         // why it failed, for the user and the debug output
};

class HttpClient {
public:
    virtual ~HttpClient() = default;
    // Only http and https addresses are requested; redirections are not
    // followed. Setting `cancel` ends a running request within a fraction of a
    // second (the result then says so).
    virtual HttpResult get(const std::string& url, const HttpLimits& limits, const std::atomic<bool>& cancel) = 0;
};

// libcurl's easy interface: one handle per request.
std::unique_ptr<HttpClient> createCurlHttpClient();

}  // namespace platform
