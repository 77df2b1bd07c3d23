#include "web_server.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <thread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

namespace web_server {

namespace {

sockaddr_in loopback(int port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

// A port of 127.0.0.1 that was free a moment ago.
int freePort() {
    const int probe = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = loopback(0);
    socklen_t length = sizeof address;
    bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address);
    getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length);
    close(probe);
    return ntohs(address.sin_port);
}

bool accepts(int port) {
    const int client = socket(AF_INET, SOCK_STREAM, 0);
    const sockaddr_in address = loopback(port);
    const bool connected =
        connect(client, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    close(client);
    return connected;
}

std::string configuration(const std::string& folder, const std::string& root, int port,
                          const Additions& additions) {
    std::string text = additions.top + "pid " + folder +
                       "/nginx.pid;\nevents {}\nhttp {\n  access_log off;\n"
                       "  keepalive_requests 1000000;\n";
    for (const char* temporary : {"client_body", "proxy", "fastcgi", "uwsgi", "scgi"}) {
        text += "  " + std::string(temporary) + "_temp_path " + folder + "/" + temporary + ";\n";
    }
    return text + "  server {\n    listen 127.0.0.1:" + std::to_string(port) + additions.listen +
           ";\n    root " + root + ";\n" + (additions.server ? additions.server(port) : "") +
           "  }\n}\n";
}

// The nginx processes this process started, by their folder; ended when the process ends.
struct Running {
    std::map<std::string, pid_t> pids;
    ~Running() {
        for (const auto& [folder, pid] : pids) {
            kill(pid, SIGTERM);
            waitpid(pid, nullptr, 0);
        }
    }
};

Running running;

} // namespace

bool Start(const std::string& folder, const std::string& root, const Additions& additions) {
    if (running.pids.contains(folder)) {
        return true;
    }
    const char* const program = "/usr/sbin/nginx";
    if (access(program, X_OK) != 0) {
        std::fprintf(stderr, "nginx is not installed (scripts/install-test-servers installs it)\n");
        return false;
    }
    std::filesystem::create_directories(folder);
    std::filesystem::remove(folder + "/port"); // an earlier run's
    const int port = freePort();
    const std::string config = folder + "/nginx.conf";
    std::ofstream(config) << configuration(folder, root, port, additions);
    const std::string errorLog = folder + "/error.log";
    const std::string directives = "error_log " + errorLog + "; daemon off; master_process off;";
    const pid_t pid = fork();
    if (pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM); // ends with the benchmarks, however they end
        execl(program, program, "-p", folder.c_str(), "-c", config.c_str(), "-e", errorLog.c_str(),
              "-g", directives.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    running.pids[folder] = pid;
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (accepts(port)) {
            std::ofstream(folder + "/port") << port;
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    std::fprintf(stderr, "nginx did not listen; see %s\n", errorLog.c_str());
    return false;
}

int Port(const std::string& folder) {
    int port = 0;
    std::ifstream(folder + "/port") >> port;
    return port;
}

} // namespace web_server
