#include "movers/open_folder.h"

#include <QFile>

#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;

// Opening a subfolder asks for a folder and refuses a link, so either error means that
// something else stands under the folder's name.
FileError subfolderFailure(int error) {
    return error == ELOOP || error == ENOTDIR ? FileError::fromNumber(kPathFileAccessError)
                                              : FileError::fromSystem(error);
}

} // namespace

OpenFolder::~OpenFolder() {
    if (fd >= 0) {
        ::close(fd);
    }
}

OpenFolder::OpenFolder(OpenFolder&& other) noexcept
    : fd(std::exchange(other.fd, -1)), whyNot(other.whyNot) {}

OpenFolder& OpenFolder::operator=(OpenFolder&& other) noexcept {
    if (this != &other) {
        if (fd >= 0) {
            ::close(fd);
        }
        fd = std::exchange(other.fd, -1);
        whyNot = other.whyNot;
    }
    return *this;
}

OpenFolder OpenFolder::atPath(const QString& path) {
    if (path.contains(QChar(0))) {
        return {}; // no folder has such a name; the system would see only the part before it
    }
    const int opened = ::open(QFile::encodeName(path).constData(), kFolderFlags);
    return opened >= 0 ? OpenFolder(opened, {}) : OpenFolder(-1, FileError::fromSystem(errno));
}

OpenFolder OpenFolder::subfolder(const QByteArray& name) const {
    if (!isOpen()) {
        return {-1, whyNot};
    }
    const int opened = ::openat(fd, name.constData(), kFolderFlags | O_NOFOLLOW);
    return opened >= 0 ? OpenFolder(opened, {}) : OpenFolder(-1, subfolderFailure(errno));
}
