#pragma once

#include <functional>

class QObject;

// Runs `end` on the event loop of `context` when the program is asked to end by SIGTERM,
// SIGINT or SIGHUP (a logout, a kill, Ctrl+C in a terminal), so the program can end through
// its ordinary shut-down instead of abruptly. The signal is also picked up while a modal box
// runs its own event loop; signals that come together run `end` once.
void onTerminationSignal(QObject& context, std::function<void()> end);
