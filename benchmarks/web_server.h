#pragma once

#include <functional>
#include <string>

// nginx serving a folder on a free port of 127.0.0.1, for the cases that ask a web server:
// one process without a master (so one worker), no access log, and keep-alive connections
// that serve any number of requests, so that the server is not what the clients wait for.
// Started by the benchmarks' parent process and ended with it; the sides, each in a process
// of its own, find its address in the server's folder.
namespace web_server {

// What a server adds to the plain one: words after its listen address (" ssl http2"), lines
// at the top of its configuration (load_module), and directives of its server block, made
// knowing its port.
struct Additions {
    std::string listen = {};
    std::string top = {};
    std::function<std::string(int port)> server = {};
};

// Starts nginx serving `root` unless this process runs one already with its files and its
// address in `folder`; false, with the reason on standard error, when it cannot.
bool Start(const std::string& folder, const std::string& root, const Additions& additions = {});

// The server's port, as Start left it in `folder`; 0 when there is none.
int Port(const std::string& folder);

} // namespace web_server
