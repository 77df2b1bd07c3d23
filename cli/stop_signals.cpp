#include "cli/stop_signals.h"

namespace {

constexpr std::array<int, 3> kStopSignals{SIGINT, SIGTERM, SIGHUP};

volatile std::sig_atomic_t stopSignalReceived = 0;

void noteStopSignal(int) {
    stopSignalReceived = 1;
}

} // namespace

StopSignals::StopSignals() {
    stopSignalReceived = 0;
    struct sigaction action = {};
    action.sa_handler = noteStopSignal;
    sigemptyset(&action.sa_mask);
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

bool StopSignals::received() const {
    return stopSignalReceived != 0;
}
