// ZuroTarnMonitor: the background program that owns the mouse.

#include "monitor/app/MonitorApp.h"

int main(int argc, char** argv)
{
    monitor::app::MonitorApp app;
    return app.run(argc, argv);
}
