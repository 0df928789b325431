#pragma once
// The event loop that message windows need on their thread. Programs with a Qt
// application of their own may run its loop instead; these calls work with it.

namespace platform {

// Makes sure the process has the application object the message layer needs
// (a core application when the program has created none). Call once from the
// main thread before creating windows.
void ensureEventLoopApplication(int& argc, char** argv);

// Runs the calling thread's event loop until quitEventLoop is called on that thread.
int runEventLoop();
// Ends the innermost runEventLoop of the calling thread. With none running, the
// next one returns at once (like a queued WM_QUIT), and on the main thread the
// application's own loop ends too.
void quitEventLoop(int exitCode = 0);

// Handles what is pending on the calling thread, waiting up to maxWaitMs for more.
void processEvents(int maxWaitMs);

}  // namespace platform
