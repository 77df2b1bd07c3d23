#include "server_side.h"

#include "harness.h"

#include <chrono>
#include <cmath>
#include <deque>

namespace server_side {

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Asks for `target` and adds the time and the answer to `timed`.
void ask(quint16 port, const Target& target, TimedTarget& timed) {
    const Clock::time_point asked = Clock::now();
    const HttpAnswer answer = Get(port, target.path);
    timed.micros.push_back(secondsSince(asked) * 1e6);
    if (answer.status != target.status ||
        (!target.location.isEmpty() && answer.location != target.location)) {
        ++timed.wrong;
    }
}

} // namespace

std::vector<Figures> Run(const QString& program, RunningServer::Configure configure,
                         const std::vector<Side>& sides, const Limits& limits) {
    std::vector<Figures> figures(sides.size());
    std::deque<RunningServer> servers; // a server is neither copied nor moved
    bool listening = true;
    for (std::size_t side = 0; side < sides.size(); ++side) {
        const Clock::time_point start = Clock::now();
        servers.emplace_back(program, configure, sides[side].site,
                             std::chrono::milliseconds(std::llround(limits.listenSeconds * 1000)));
        figures[side].startSeconds = secondsSince(start);
        figures[side].failure = servers.back().failure;
        figures[side].targets.resize(sides[side].targets.size());
        listening = listening && servers.back().port != 0;
    }
    const std::size_t targets = sides.empty() ? 0 : sides.front().targets.size();
    const Clock::time_point sending = Clock::now();
    for (int round = 0;
         listening && round < limits.requests && secondsSince(sending) < limits.budgetSeconds;
         ++round) {
        for (std::size_t target = 0; target < targets; ++target) {
            // Which side is asked first changes from round to round.
            for (std::size_t turn = 0; turn < sides.size(); ++turn) {
                const std::size_t side = (turn + std::size_t(round)) % sides.size();
                ask(servers[side].port, sides[side].targets[target], figures[side].targets[target]);
            }
        }
    }
    for (std::size_t side = 0; side < sides.size(); ++side) {
        figures[side].peakKiB = PeakResidentKiBOf(long(servers[side].processId()));
    }
    return figures;
}

} // namespace server_side
