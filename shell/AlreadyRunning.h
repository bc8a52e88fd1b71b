#pragma once

namespace velmoran {

class App;
class SingleInstance;
class TerminationSignals;

// A start while another copy runs on the same preferences (which the lock
// has already asked to come forward): tells the player, and gives the exit
// status. Nothing is read or written. A termination signal answers the
// message.
int tellAlreadyRunning(TerminationSignals& termination);

// What may reach the running game from outside it: a termination signal,
// the desktop's save request before its session ends, another start.
void listenToOutsideRequests(App& app, TerminationSignals& termination, SingleInstance& instance);

}  // namespace velmoran
