#pragma once
// The user-interface language index (`QuickHelpLan`, 0-16) that belongs to a
// Windows language identifier.

#include <cstdint>

namespace settings {

inline constexpr int kLanguageCount = 17;
inline constexpr int kFallbackLanguageIndex = 1;  // every language without its own texts

int languageIndexForLangId(std::uint16_t langId);

// The index of the user's system language.
int systemLanguageIndex();

}  // namespace settings
