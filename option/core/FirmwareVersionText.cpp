#include "option/core/FirmwareVersionText.h"

namespace option::core {

std::string firmwareVersionText(int version)
{
    if (version < 100 || version > 500)
        return kVersionPlaceholder;
    const std::string digits = std::to_string(version);
    return digits.substr(0, 1) + "." + digits.substr(1);
}

}  // namespace option::core
