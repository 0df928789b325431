#pragma once
// Which injector ZURO_INPUT asks for.

#include <optional>
#include <string_view>

#include "platform/input/InputInjector.h"

namespace platform {

inline constexpr const char* kInjectorVariable = "ZURO_INPUT";

struct InjectorRequest {
    // nullopt: uinput when it can be had, else XTest.
    std::optional<InjectionMethod> forced;
    // False for a value that names no injector (taken as no value).
    bool recognised = true;
};

// "uinput" or "xtest", in any case; unset or empty asks for nothing.
InjectorRequest injectorRequestOf(const char* value);

}  // namespace platform
