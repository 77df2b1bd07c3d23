#include "platform/standard_streams.h"

#include <cerrno>
#include <initializer_list>

#include <fcntl.h>
#include <unistd.h>

void HoldStandardStreams() {
    for (const int stream : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(stream, F_GETFD) == -1 && errno == EBADF) {
            // The lowest free descriptor is the stream's own, those before it being taken.
            ::open("/dev/null", O_RDONLY | O_NOCTTY);
        }
    }
}
