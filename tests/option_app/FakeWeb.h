#pragma once
// The pages' web services for tests: addresses are recorded instead of opened,
// and an HTTP client that answers from a script (or the real one, towards a
// server of the test).
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "option/app/Page.h"
#include "option/app/StatisticsPage.h"
#include "option/app/UpdatePage.h"
#include "option/app/WebServices.h"

namespace apptest {

class ScriptedHttp final : public platform::HttpClient {
public:
    explicit ScriptedHttp(platform::HttpResult answer) : answer_(std::move(answer)) {}
    platform::HttpResult get(const std::string& url, const platform::HttpLimits&, const std::atomic<bool>&) override
    {
        std::lock_guard lock(mutex_);
        urls_.push_back(url);
        return answer_;
    }
    std::vector<std::string> urls() const
    {
        std::lock_guard lock(mutex_);
        return urls_;
    }

private:
    platform::HttpResult answer_;
    mutable std::mutex mutex_;
    std::vector<std::string> urls_;
};

struct FakeWeb {
    std::vector<std::string> opened;
    std::shared_ptr<platform::HttpClient> http;

    option::app::WebServices services()
    {
        return {[this](std::string_view address) {
                    opened.emplace_back(address);
                    return true;
                },
                http};
    }
    // The default pages, the statistics and update pages on this fake.
    option::app::PageFactories pages()
    {
        using namespace option::app;
        PageFactories factories = defaultPageFactories();
        factories[static_cast<std::size_t>(PageId::Statistics)] = [this](QWidget* parent, PageHost& host) -> Page* {
            return new StatisticsPage(parent, host, services());
        };
        factories[static_cast<std::size_t>(PageId::Update)] = [this](QWidget* parent, PageHost& host) -> Page* {
            return new UpdatePage(parent, host, services());
        };
        return factories;
    }
};

}  // namespace apptest
