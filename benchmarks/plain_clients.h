#pragma once

#include <string>
#include <vector>

// Plain clients that send a HEAD request for each page name to a web server on 127.0.0.1,
// a fixed number under way at a time, and count the pages answered with a 2xx status: what
// the program's check is measured against. The names are the benchmarks' own (ASCII, no
// character that needs encoding in an address).
namespace plain_client {

// With one QNetworkAccessManager on this thread's event loop (which needs a
// QCoreApplication), its defaults otherwise.
int HeadRequestsWithQt(int port, const std::vector<std::string>& names, int atATime);

// On `atATime` keep-alive connections of its own, one request on each at a time, with poll.
int HeadRequestsOnSockets(int port, const std::vector<std::string>& names, int atATime);

} // namespace plain_client
