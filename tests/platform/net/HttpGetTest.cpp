// The libcurl client against a local server: what arrives, what is cut, and
// that a silent server or a cancel never holds the caller for long.

#include <gtest/gtest.h>

#include <chrono>
#include <future>

#include "platform/net/HttpGet.h"
#include "tests/support/LocalHttpServer.h"

namespace platform {
namespace {

using namespace std::chrono_literals;
using testsupport::LocalHttpServer;

constexpr HttpLimits kLimits{5, 64};

TEST(CurlHttpClient, TheBodyArrivesAndIsCutAtItsLimit)
{
    const std::atomic<bool> cancel{false};
    {
        LocalHttpServer server(LocalHttpServer::ok("https://example.com/t/1\n"));
        const HttpResult result = createCurlHttpClient()->get(server.base() + "a,b.dll", kLimits, cancel);
        EXPECT_TRUE(result.transferred) << result.error;
        EXPECT_EQ(result.status, 200);
        EXPECT_EQ(result.body, "https://example.com/t/1\n");
        EXPECT_EQ(server.waitForRequestLine(1s), "GET /a,b.dll HTTP/1.1");
    }
    {
        LocalHttpServer server(LocalHttpServer::ok(std::string(1000, 'x')));
        const HttpResult result = createCurlHttpClient()->get(server.base(), kLimits, cancel);
        EXPECT_TRUE(result.transferred) << result.error;
        EXPECT_EQ(result.body, std::string(64, 'x'));
    }
}

TEST(CurlHttpClient, ErrorStatusesRefusedConnectionsAndOtherSchemesFail)
{
    const std::atomic<bool> cancel{false};
    LocalHttpServer server("HTTP/1.1 404 Not Found\r\nContent-Length: 4\r\nConnection: close\r\n\r\ngone");
    const HttpResult missing = createCurlHttpClient()->get(server.base(), kLimits, cancel);
    EXPECT_FALSE(missing.transferred);
    EXPECT_EQ(missing.status, 404);
    EXPECT_EQ(missing.body, "gone");
    EXPECT_NE(missing.error.find("404"), std::string::npos) << missing.error;

    const HttpResult file = createCurlHttpClient()->get("file:///etc/hostname", kLimits, cancel);
    EXPECT_FALSE(file.transferred);
    EXPECT_TRUE(file.body.empty());
    EXPECT_FALSE(file.error.empty());
}

TEST(CurlHttpClient, ASilentServerTimesOutAndACancelEndsTheWait)
{
    const std::atomic<bool> notCancelled{false};
    LocalHttpServer silent("");
    const auto start = std::chrono::steady_clock::now();
    const HttpResult late = createCurlHttpClient()->get(silent.base(), HttpLimits{1, 64}, notCancelled);
    EXPECT_FALSE(late.transferred);
    EXPECT_FALSE(late.error.empty());
    EXPECT_LT(std::chrono::steady_clock::now() - start, 4s);

    LocalHttpServer alsoSilent("");
    std::atomic<bool> cancel{false};
    auto request = std::async(std::launch::async, [&] {
        return createCurlHttpClient()->get(alsoSilent.base(), HttpLimits{60, 64}, cancel);
    });
    ASSERT_TRUE(alsoSilent.waitForRequestLine(5s));
    cancel = true;
    ASSERT_EQ(request.wait_for(5s), std::future_status::ready) << "the cancel was not heard";
    EXPECT_FALSE(request.get().transferred);
}

}  // namespace
}  // namespace platform
