#pragma once
#include <cstdint>
#include <string_view>

namespace platform {

// The user's language as a Windows language identifier (LANGID), from the locale
// environment (LC_ALL, LC_MESSAGES, LANG); 0x0409 when it cannot be told.
std::uint16_t systemLanguageId();

// The mapping itself, for a locale name such as "de_CH.UTF-8" or "pt_BR".
std::uint16_t languageIdFromLocale(std::string_view locale);

}  // namespace platform
