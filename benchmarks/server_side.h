#pragma once

#include "running_server.h"

#include <QByteArray>

#include <string>
#include <vector>

// One side of the server rules benchmark: a real web server started on the output folder
// with or without the rules, asked for a redirected page and a plain file in turns.
namespace server_side {

// A request and the answer it must get: its status and, when given, its Location.
struct Target {
    QByteArray path;
    int status = 200;
    QByteArray location = {};
};

// The times of one target's requests in microseconds, and how many got another answer.
struct TimedTarget {
    std::vector<double> micros;
    int wrong = 0;
};

struct Figures {
    QString failure;                  // why the server did not listen; empty when it did
    double startSeconds = 0;          // from starting the server until it accepted a connection
    std::vector<TimedTarget> targets; // in the order of the targets given
    long peakKiB = 0;                 // the server process's peak resident memory (VmHWM)
};

// How much a side may ask and wait.
struct Limits {
    int requests = 2000;         // of each target
    double budgetSeconds = 120;  // for sending them all: fewer requests after that
    double listenSeconds = 1200; // for the server to listen
};

// Starts `program` with `configure` on `site`, then sends requests for each target one at a
// time, the targets taking turns, each on a new connection (Get, "Connection: close"), and
// times each on its own.
Figures Run(const QString& program, RunningServer::Configure configure, const ServedSite& site,
            const std::vector<Target>& targets, const Limits& limits);

} // namespace server_side
