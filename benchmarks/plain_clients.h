#pragma once

#include <string>
#include <vector>

// Plain clients that send a HEAD request for each page name to a web server on 127.0.0.1,
// a fixed number under way at a time, and count the pages answered with a 2xx status: what
// the program's check is measured against. The names are the benchmarks' own (ASCII, no
// character that needs encoding in an address).
namespace plain_client {

// With one QNetworkAccessManager on this thread's event loop (which needs a
// QCoreApplication), its defaults otherwise (HTTP/2 where the server offers it over TLS), at
// `address` ("https://127.0.0.1:PORT/").
int HeadRequestsWithQt(const std::string& address, const std::vector<std::string>& names,
                       int atATime);

// What "zandrift --verify" asks of each moved page, the same way: a GET of the page at
// `oldAddress` with the query "zandrift-verify=1", its redirect not followed, then a HEAD of
// the address it redirects to. Counts the pages that answer 301 and then 2xx.
int MovesWithQt(const std::string& oldAddress, const std::vector<std::string>& names, int atATime);

// On `atATime` keep-alive connections of its own to the port of `address`
// ("http://127.0.0.1:PORT/"), one request on each at a time, with poll.
int HeadRequestsOnSockets(const std::string& address, const std::vector<std::string>& names,
                          int atATime);

} // namespace plain_client
