#pragma once
// Keeping a thread's waits on time (the macro player's): the least timer slack,
// and real-time scheduling where the system grants it, directly when the
// process may, else from RealtimeKit on the system bus, as audio servers ask for
// it. What is not available is skipped; the thread then runs as before.

namespace platform {

struct ThreadTimingGrant {
    bool minimalTimerSlack = false;
    bool realtime = false;  // round-robin real-time scheduling
    int priority = 0;       // the real-time priority granted
};

// For the calling thread: timer slack of 1 ns (PR_SET_TIMERSLACK).
bool setMinimalTimerSlack();

// For the calling thread: real-time scheduling at `priority`, or at the highest
// priority below it that RealtimeKit allows. The process's RLIMIT_RTTIME is
// lowered to what RealtimeKit demands (a real-time thread that runs that long
// without sleeping gets SIGXCPU). 0 when refused or unavailable, else the priority.
int makeThreadRealtime(int priority);

// The RealtimeKit request alone (MakeThreadRealtimeWithPID), over the bus that
// DBUS_SYSTEM_BUS_ADDRESS names or the system bus. 0 when there is no bus, no
// RealtimeKit or it refused; else the priority granted.
int requestRealtimeFromRealtimeKit(int priority);

// Both of the above.
ThreadTimingGrant makeThreadTimingCritical(int priority);

}  // namespace platform
