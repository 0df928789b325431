#pragma once
// Whether a widget application can start: the tray icon needs one, the rest of
// the monitor runs on a core application without any display.

namespace monitor::app {

// True for the offscreen and minimal Qt platforms, for a Wayland session, and
// for an X display that accepts a connection.
bool displayReachable();

}  // namespace monitor::app
