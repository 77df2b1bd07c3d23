#pragma once

#include <array>
#include <csignal>

// Catches SIGINT, SIGTERM and SIGHUP (Ctrl+C, a kill, a closed terminal) for as long as it
// lives: instead of ending the program at once, the signal is noted, so that a run can stop
// after its current page, leave only whole pages, and exit with the status a shell expects
// of a program that signal ended. A signal that was ignored when the program started (as
// nohup does with SIGHUP) stays ignored. The former handlers return afterwards. One at a
// time.
class StopSignals {
public:
    StopSignals();
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    bool received() const { return signalNumber() != 0; }
    // The first of the signals that came, 0 while none has.
    int signalNumber() const;

private:
    std::array<struct sigaction, 3> previous{};
};
