#pragma once
// What the statistics and update pages reach the web through: the desktop's
// opener for addresses (http, https and mailto only) and the HTTP client of
// trophy sharing. Tests hand the pages their own.
#include <functional>
#include <memory>
#include <string_view>

#include "platform/net/HttpGet.h"

namespace option::app {

struct WebServices {
    // True when the address was handed on.
    std::function<bool(std::string_view address)> openAddress;
    std::shared_ptr<platform::HttpClient> http;
};

// The desktop's opener and libcurl.
WebServices systemWebServices();

}  // namespace option::app
