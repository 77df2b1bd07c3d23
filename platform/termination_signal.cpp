#include "platform/termination_signal.h"

#include <QObject>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};

// Only async-signal-safe work here: the event loop picks the byte up. The socket does not
// block, so signals that come faster than the event loop takes them never stall the handler
// (a byte already waiting says enough), and the interrupted code finds errno as it left it.
void onSignal(int) {
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
    errno = savedErrno;
}

// Takes every byte that is waiting, so that signals that came together end the program once.
void drain(int socket) {
    char bytes[64];
    while (::read(socket, bytes, sizeof bytes) > 0) {
    }
}

} // namespace

void onTerminationSignal(QObject& context, std::function<void()> end) {
    // Close-on-exec: a program started from here (the file manager) must not hold the socket.
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalPipe) != 0) {
        return;
    }
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &context);
    QObject::connect(notifier, &QSocketNotifier::activated, &context, [end = std::move(end)] {
        drain(signalPipe[0]);
        end();
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        ::sigaction(signal, &action, nullptr);
    }
}
