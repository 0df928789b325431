#include "option/skin/logic/NumericFilter.h"

namespace option::skin {

bool keyReachesEdit(EditKey key, bool numericMode)
{
    return !numericMode || key != EditKey::Other;
}

std::string filterNumericText(std::string_view text, bool signedMode)
{
    const std::string_view allowed = signedMode ? "0123456789-+" : "0123456789";
    std::string kept;
    kept.reserve(text.size());
    for (const char c : text)
        if (allowed.find(c) != std::string_view::npos) kept += c;
    return kept;
}

}  // namespace option::skin
