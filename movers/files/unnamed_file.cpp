#include "movers/files/unnamed_file.h"

#include <QByteArray>

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

Descriptor CreateUnnamedFile(int folder) {
    return Descriptor::open(folder, ".", O_WRONLY | O_TMPFILE, 0666);
}

// The descriptor is linked by itself (AT_EMPTY_PATH) where the system lets this user do so,
// which older systems allow only a privileged one; its entry under /proc/self/fd links the
// same file for anyone, at the cost of a lookup.
bool NameUnnamedFile(const Descriptor& file, int folder, const char* name) {
    if (::linkat(file.get(), "", folder, name, AT_EMPTY_PATH) == 0) {
        return true;
    }
    if (errno != ENOENT && errno != EPERM) {
        return false;
    }
    const QByteArray entry = "/proc/self/fd/" + QByteArray::number(file.get());
    return ::linkat(AT_FDCWD, entry.constData(), folder, name, AT_SYMLINK_FOLLOW) == 0;
}
