#include "server_side.h"

#include "harness.h"

#include <chrono>
#include <cmath>

namespace server_side {

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

} // namespace

Figures Run(const QString& program, RunningServer::Configure configure, const ServedSite& site,
            const std::vector<Target>& targets, const Limits& limits) {
    Figures figures;
    const Clock::time_point start = Clock::now();
    const RunningServer server(
        program, configure, site,
        std::chrono::milliseconds(std::llround(limits.listenSeconds * 1000)));
    figures.startSeconds = secondsSince(start);
    if (server.port == 0) {
        figures.failure = server.failure;
        return figures;
    }
    figures.targets.resize(targets.size());
    const Clock::time_point sending = Clock::now();
    for (int round = 0; round < limits.requests && secondsSince(sending) < limits.budgetSeconds;
         ++round) {
        for (std::size_t index = 0; index < targets.size(); ++index) {
            const Target& target = targets[index];
            const Clock::time_point asked = Clock::now();
            const HttpAnswer answer = Get(server.port, target.path);
            figures.targets[index].micros.push_back(secondsSince(asked) * 1e6);
            if (answer.status != target.status ||
                (!target.location.isEmpty() && answer.location != target.location)) {
                ++figures.targets[index].wrong;
            }
        }
    }
    figures.peakKiB = PeakResidentKiBOf(long(server.processId()));
    return figures;
}

} // namespace server_side
