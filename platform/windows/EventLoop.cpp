#include "platform/windows/EventLoop.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include <optional>
#include <vector>

namespace platform {
namespace {

thread_local std::vector<QEventLoop*> tlsRunningLoops;
// A quit asked for while no loop ran ends the next loop at once, as a quit
// message waiting in the queue would.
thread_local std::optional<int> tlsPendingQuit;

}  // namespace

void ensureEventLoopApplication(int& argc, char** argv)
{
    if (QCoreApplication::instance()) return;
    // Kept for the life of the process: windows and timers may outlive main's scope.
    static QCoreApplication* application = new QCoreApplication(argc, argv);
    (void)application;
}

int runEventLoop()
{
    if (tlsPendingQuit) {
        const int code = *tlsPendingQuit;
        tlsPendingQuit.reset();
        return code;
    }
    if (!QCoreApplication::instance()) return -1;
    QEventLoop loop;
    tlsRunningLoops.push_back(&loop);
    const int code = loop.exec();
    tlsRunningLoops.pop_back();
    return code;
}

void quitEventLoop(int exitCode)
{
    if (!tlsRunningLoops.empty()) {
        tlsRunningLoops.back()->exit(exitCode);
        return;
    }
    QThread* thread = QThread::currentThread();
    if (thread->loopLevel() > 0) {
        // A loop the program runs itself: the application's or a QThread's.
        if (QCoreApplication::instance() && thread == QCoreApplication::instance()->thread())
            QCoreApplication::exit(exitCode);
        else
            thread->exit(exitCode);
        return;
    }
    tlsPendingQuit = exitCode;
}

void processEvents(int maxWaitMs)
{
    if (!QCoreApplication::instance()) return;
    if (maxWaitMs <= 0) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        return;
    }
    // The timer bounds the wait; pending events are handled without waiting.
    QTimer limit;
    limit.setSingleShot(true);
    limit.start(maxWaitMs);
    QEventLoop loop;
    loop.processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

}  // namespace platform
