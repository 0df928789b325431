#include "platform/input/InjectorChoice.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace platform {

const char* injectionMethodName(InjectionMethod method)
{
    return method == InjectionMethod::Uinput ? "uinput" : "xtest";
}

InjectorRequest injectorRequestOf(const char* value)
{
    if (value == nullptr || *value == '\0') return {};
    std::string name(value);
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const InjectionMethod method : {InjectionMethod::Uinput, InjectionMethod::XTest}) {
        if (name == injectionMethodName(method)) return {method, true};
    }
    return {std::nullopt, false};
}

}  // namespace platform
