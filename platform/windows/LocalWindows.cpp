#include "platform/windows/LocalWindows.h"

#include <mutex>
#include <unordered_map>

#include "platform/windows/ThreadDispatcher.h"

namespace platform::msgwin::localWindows {
namespace {

std::mutex& tableMutex()
{
    static std::mutex mutex;
    return mutex;
}

std::unordered_map<WindowHandle, ThreadDispatcher*>& table()
{
    static std::unordered_map<WindowHandle, ThreadDispatcher*> windows;
    return windows;
}

}  // namespace

void add(WindowHandle window, ThreadDispatcher* dispatcher)
{
    std::lock_guard lock(tableMutex());
    table()[window] = dispatcher;
}

void remove(WindowHandle window)
{
    std::lock_guard lock(tableMutex());
    table().erase(window);
}

bool contains(WindowHandle window)
{
    std::lock_guard lock(tableMutex());
    return table().count(window) != 0;
}

bool post(WindowHandle window, MessageId message, WParam wParam, LParam lParam)
{
    // Held while queueing: a window leaves the table before its dispatcher can go.
    std::lock_guard lock(tableMutex());
    const auto found = table().find(window);
    if (found == table().end()) return false;
    found->second->queuePost(window, message, wParam, lParam);
    return true;
}

ThreadDispatcher* ownedByCallingThread(WindowHandle window)
{
    ThreadDispatcher* own = ThreadDispatcher::current();
    if (!own) return nullptr;
    std::lock_guard lock(tableMutex());
    const auto found = table().find(window);
    return found != table().end() && found->second == own ? own : nullptr;
}

}  // namespace platform::msgwin::localWindows
