#include "platform/windows/EventLoop.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

namespace platform {
namespace {

// The innermost runEventLoop of the thread, and a quit that came before any loop
// ran (it ends the next loop at once, as a queued WM_QUIT does).
struct ThreadLoops {
    QEventLoop* running = nullptr;
    bool quitPending = false;
    int exitCode = 0;
};

ThreadLoops& threadLoops()
{
    thread_local ThreadLoops loops;
    return loops;
}

bool onApplicationThread()
{
    const QCoreApplication* application = QCoreApplication::instance();
    return application && QThread::currentThread() == application->thread();
}

}  // namespace

void ensureEventLoopApplication(int& argc, char** argv)
{
    // Kept for the whole life of the process.
    if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
}

int runEventLoop()
{
    ThreadLoops& loops = threadLoops();
    if (loops.quitPending) {
        loops.quitPending = false;
        return loops.exitCode;
    }
    QEventLoop loop;
    QEventLoop* outer = loops.running;
    loops.running = &loop;
    const int exitCode = loop.exec();
    loops.running = outer;
    return exitCode;
}

void quitEventLoop(int exitCode)
{
    ThreadLoops& loops = threadLoops();
    if (loops.running) {
        loops.running->exit(exitCode);
        return;
    }
    loops.quitPending = true;
    loops.exitCode = exitCode;
    // A program that runs the application's own loop instead.
    if (onApplicationThread()) QCoreApplication::exit(exitCode);
}

void processEvents(int maxWaitMs)
{
    if (!QCoreApplication::instance()) return;
    if (maxWaitMs <= 0) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        return;
    }
    QEventLoop loop;
    // Ends the wait when nothing else comes.
    QTimer limit;
    limit.setSingleShot(true);
    limit.start(maxWaitMs);
    loop.processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

}  // namespace platform
