// ZuroNoxa Firmware Upgrade: writes the firmware package's image to the mouse.

#include "upgrader/app/UpgraderApp.h"

int main(int argc, char** argv)
{
    return upgrader::app::runUpgrader(argc, argv);
}
