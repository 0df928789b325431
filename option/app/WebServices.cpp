#include "option/app/WebServices.h"

#include "platform/system/ShellOpen.h"

namespace option::app {

WebServices systemWebServices()
{
    return WebServices{[](std::string_view address) { return platform::openUrl(address); },
                       std::shared_ptr<platform::HttpClient>(platform::createCurlHttpClient())};
}

}  // namespace option::app
