// ZuroTarnMonitor: the background program that owns the mouse.

#include "monitor/app/MonitorApp.h"
#include "monitor/wiring/HostFunctionActions.h"

int main(int argc, char** argv)
{
    monitor::app::MonitorApp app(monitor::wiring::createMonitorDispatcher);
    return app.run(argc, argv);
}
