#pragma once

#include <array>
#include <csignal>

// Catches SIGINT, SIGTERM and SIGHUP (Ctrl+C, a kill, a closed terminal) for as long as it
// lives: instead of ending the program at once, a signal is noted, so that a run can stop
// after its current page and leave only whole pages. A signal that was ignored when the
// program started (as nohup does with SIGHUP) stays ignored. The former handlers return
// afterwards. One at a time.
class StopSignals {
public:
    StopSignals();
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    bool received() const;

private:
    std::array<struct sigaction, 3> previous{};
};
