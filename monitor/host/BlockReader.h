#pragma once
// Read access to the monitor's private settings block, which the window owns.

#include "settings/SettingsBlock.h"

namespace monitor::host {

class BlockReader {
public:
    virtual ~BlockReader() = default;
    virtual const settings::SettingsBlock& block() const = 0;
};

}  // namespace monitor::host
