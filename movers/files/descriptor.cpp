#include "movers/files/descriptor.h"

#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY;

// The count `call` gives, made again for as long as a signal interrupts it before it moved a
// byte.
template <typename Call> ssize_t uninterrupted(Call call) {
    ssize_t count = 0;
    do {
        count = call();
    } while (count < 0 && errno == EINTR);
    return count;
}

// Moves `size` bytes by calls of `step(done)`, each moving bytes from `done` on and giving how
// many, or -1 with errno set; false once a call fails or moves none.
template <typename Step> bool moveAll(qsizetype size, Step step) {
    for (qsizetype done = 0; done < size;) {
        const ssize_t count = uninterrupted([&] { return step(done); });
        if (count <= 0) {
            return false;
        }
        done += count;
    }
    return true;
}

} // namespace

Descriptor::~Descriptor() {
    close();
}

Descriptor::Descriptor(Descriptor&& other) noexcept : fd(other.release()) {}

Descriptor& Descriptor::operator=(Descriptor&& other) noexcept {
    if (this != &other) {
        close();
        fd = other.release();
    }
    return *this;
}

Descriptor Descriptor::open(int folder, const char* name, int flags, mode_t mode) {
    return Descriptor(::openat(folder, name, flags | O_CLOEXEC, mode));
}

Descriptor Descriptor::openFolder(int parent, const char* name) {
    return open(parent, name, kFolderFlags);
}

Descriptor Descriptor::openSubfolder(int parent, const char* name) {
    return open(parent, name, kFolderFlags | O_NOFOLLOW);
}

int Descriptor::release() {
    return std::exchange(fd, -1);
}

bool Descriptor::close() {
    // Not made again when interrupted: the descriptor is closed whatever the call reports.
    return !isOpen() || ::close(release()) == 0;
}

qsizetype Descriptor::read(char* into, qsizetype size) {
    return uninterrupted([&] { return ::read(fd, into, size_t(size)); });
}

bool Descriptor::readAllAt(char* into, qsizetype size, qint64 offset) {
    return moveAll(size, [&](qsizetype done) {
        return ::pread(fd, into + done, size_t(size - done), off_t(offset + done));
    });
}

bool Descriptor::writeAll(QByteArrayView bytes) {
    return moveAll(bytes.size(), [&](qsizetype done) {
        const ssize_t count = ::write(fd, bytes.data() + done, size_t(bytes.size() - done));
        if (count == 0) {
            errno = ENOSPC; // the system took no byte and said nothing: the disk is full
        }
        return count;
    });
}
