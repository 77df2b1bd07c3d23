#include "cli/stop_signals.h"

namespace {

constexpr std::array<int, 3> kStopSignals{SIGINT, SIGTERM, SIGHUP};

volatile std::sig_atomic_t firstStopSignal = 0;

// The other stop signals wait while this runs (see the mask below), so the first stays noted.
void noteStopSignal(int signal) {
    if (firstStopSignal == 0) {
        firstStopSignal = signal;
    }
}

} // namespace

StopSignals::StopSignals() {
    firstStopSignal = 0;
    struct sigaction action = {};
    action.sa_handler = noteStopSignal;
    sigemptyset(&action.sa_mask);
    for (const int signal : kStopSignals) {
        sigaddset(&action.sa_mask, signal);
    }
    action.sa_flags = SA_RESTART;
    for (std::size_t index = 0; index < kStopSignals.size(); ++index) {
        ::sigaction(kStopSignals[index], nullptr, &previous[index]);
        // A signal ignored from the start stays so, as under nohup.
        if (previous[index].sa_handler != SIG_IGN) {
            ::sigaction(kStopSignals[index], &action, nullptr);
        }
    }
}

StopSignals::~StopSignals() {
    for (std::size_t index = 0; index < kStopSignals.size(); ++index) {
        ::sigaction(kStopSignals[index], &previous[index], nullptr);
    }
}

int StopSignals::signalNumber() const {
    return firstStopSignal;
}
