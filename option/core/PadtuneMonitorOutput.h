#pragma once
// The Padtune wizard's way out: `DisControl` into config.ini of the installation,
// and the requests posted to the monitor's window, found by its title.
#include "option/core/PadtuneWizard.h"
#include "settings/InstallFolder.h"

namespace option::core {

class PadtuneMonitorOutput : public PadtuneOutput {
public:
    explicit PadtuneMonitorOutput(const settings::InstallFolder& folder) : folder_(folder) {}

    bool monitorRunning() const override;
    bool writeDisControl(int level) override;
    void postRequest(int requestCode) override;

private:
    const settings::InstallFolder& folder_;
};

}  // namespace option::core
