#pragma once
// The windows of this process and the dispatchers of their threads, so that posts
// within the process go straight into the owner thread's event queue.

#include "platform/Types.h"

namespace platform::msgwin {

class ThreadDispatcher;

namespace localWindows {

void add(WindowHandle window, ThreadDispatcher* dispatcher);
void remove(WindowHandle window);
bool contains(WindowHandle window);
// False when the window is not one of this process.
bool post(WindowHandle window, MessageId message, WParam wParam, LParam lParam);
// The dispatcher when the window belongs to the calling thread, else nullptr.
ThreadDispatcher* ownedByCallingThread(WindowHandle window);

}  // namespace localWindows
}  // namespace platform::msgwin
