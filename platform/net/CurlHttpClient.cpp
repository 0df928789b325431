#include <curl/curl.h>

#include <mutex>

#include "platform/net/HttpGet.h"
#include "platform/system/DebugOutput.h"

namespace platform {
namespace {

struct Transfer {
    std::string* body;
    std::size_t maxBytes;
    bool cut = false;
    const std::atomic<bool>* cancel;
};

std::size_t appendBody(char* data, std::size_t size, std::size_t count, void* user)
{
    auto* transfer = static_cast<Transfer*>(user);
    const std::size_t bytes = size * count;
    const std::size_t room = transfer->maxBytes - transfer->body->size();
    if (bytes > room) {
        // Enough for an address: stop reading rather than hold a large answer.
        transfer->body->append(data, room);
        transfer->cut = true;
        return 0;
    }
    transfer->body->append(data, bytes);
    return bytes;
}

int checkCancel(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    return static_cast<Transfer*>(user)->cancel->load() ? 1 : 0;
}

class CurlHttpClient final : public HttpClient {
public:
    HttpResult get(const std::string& url, const HttpLimits& limits, const std::atomic<bool>& cancel) override
    {
        HttpResult result;
        CURL* curl = curl_easy_init();
        if (!curl) {
            result.error = "the HTTP library could not be started";
            return result;
        }
        char errorText[CURL_ERROR_SIZE] = {};
        Transfer transfer{&result.body, limits.maxBodyBytes, false, &cancel};
        curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
        curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
        curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 0L);
        curl_easy_setopt(curl, CURLOPT_TIMEOUT, limits.timeoutSeconds);
        curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, limits.timeoutSeconds);
        // Threads other than the main one must not get signals for timeouts.
        curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, appendBody);
        curl_easy_setopt(curl, CURLOPT_WRITEDATA, &transfer);
        curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
        curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, checkCancel);
        curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &transfer);
        curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorText);
        const CURLcode code = curl_easy_perform(curl);
        curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &result.status);
        curl_easy_cleanup(curl);

        const bool answered = code == CURLE_OK || (code == CURLE_WRITE_ERROR && transfer.cut);
        if (!answered)
            result.error = cancel.load() ? "the request was cancelled"
                                         : (errorText[0] ? errorText : curl_easy_strerror(code));
        else if (result.status >= 400)
            result.error = "the server answered with status " + std::to_string(result.status);
        result.transferred = answered && result.status < 400;
        if (!result.transferred)
            debugPrintf("HttpGet: %s\n", result.error.c_str());
        return result;
    }
};

}  // namespace

std::unique_ptr<HttpClient> createCurlHttpClient()
{
    // Before any thread makes a handle: the library's global start is not
    // safe to race.
    static std::once_flag started;
    std::call_once(started, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    return std::make_unique<CurlHttpClient>();
}

}  // namespace platform
