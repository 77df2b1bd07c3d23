#pragma once

#include "running_server.h"

#include <QByteArray>

#include <string>
#include <vector>

// The two sides of the server rules benchmark: one real web server serving the output folder
// with the rules and one serving it without them, running at once and asked in turns for a
// redirected page and a plain file.
namespace server_side {

// A request and the answer it must get: its status and, when given, its Location.
struct Target {
    QByteArray path;
    int status = 200;
    QByteArray location = {};
};

// A server to start on `site` and what to ask it.
struct Side {
    ServedSite site;
    std::vector<Target> targets;
};

// The times of one target's requests in microseconds, and how many got another answer.
struct TimedTarget {
    std::vector<double> micros;
    int wrong = 0;
};

struct Figures {
    QString failure;                  // why the server did not listen; empty when it did
    double startSeconds = 0;          // from starting the server until it accepted a connection
    std::vector<TimedTarget> targets; // in the order of the side's targets
    long peakKiB = 0;                 // the server process's peak resident memory (VmHWM)
};

// How much the sides may ask and wait.
struct Limits {
    int requests = 2000;         // of each target of each side
    double budgetSeconds = 120;  // for sending them all: fewer requests after that
    double listenSeconds = 1200; // for each server to listen
};

// Starts `program` with `configure` for each side, one after the other, then sends the
// requests one at a time: target by target, each side in turn (the first changing from round
// to round), each request on a new
// connection (Get, "Connection: close") and timed on its own. So both sides meet the same
// load on the machine. Every side has as many targets.
std::vector<Figures> Run(const QString& program, RunningServer::Configure configure,
                         const std::vector<Side>& sides, const Limits& limits);

} // namespace server_side
