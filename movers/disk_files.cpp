#include "movers/disk_files.h"

#include <QRandomGenerator>

#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A name for a page's temporary file: hidden, and without ".htm", so it is never taken for a
// page file and never has a page file's name.
QByteArray newTemporaryName() {
    return ".zandrift-" + QByteArray::number(QRandomGenerator::global()->generate(), 16) + ".tmp";
}

// Creates a new temporary file in `folder`, readable and writable as a file created by any
// program, under `name`, or under a new name kept in `name` when that one is taken. Never
// opens anything that was there before, a link above all. Returns its descriptor, or -1 with
// errno set.
int createTemporaryFile(int folder, QByteArray& name) {
    constexpr int kTries = 100;
    for (int attempt = 0; attempt < kTries; ++attempt) {
        if (name.isEmpty()) {
            name = newTemporaryName();
        }
        const int descriptor =
            ::openat(folder, name.constData(),
                     O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, 0666);
        if (descriptor >= 0 || errno != EEXIST) {
            return descriptor;
        }
        name.clear();
    }
    return -1;
}

} // namespace

std::optional<FileError> DiskFiles::createFolder(const OpenFolder& parent, const QByteArray& name) {
    if (!parent.isOpen()) {
        return parent.failure();
    }
    if (::mkdirat(parent.descriptor(), name.constData(), 0777) == 0) {
        return std::nullopt;
    }
    return FileError::fromSystem(errno);
}

std::optional<FileError> DiskFiles::removeFile(const OpenFolder& folder, const QByteArray& name) {
    if (!folder.isOpen()) {
        return folder.failure();
    }
    if (::unlinkat(folder.descriptor(), name.constData(), 0) == 0) {
        return std::nullopt;
    }
    // A folder gives EISDIR, which the catalogue has as 75.
    return errno == ENOENT ? FileError::fromNumber(kFileNotFound) : FileError::fromSystem(errno);
}

std::optional<FileError> DiskFiles::removeFolder(const OpenFolder& parent, const QByteArray& name) {
    if (!parent.isOpen()) {
        return parent.failure();
    }
    if (::unlinkat(parent.descriptor(), name.constData(), AT_REMOVEDIR) == 0) {
        return std::nullopt;
    }
    // ENOTDIR: a file or a link has the name, and stays.
    return errno == ENOTDIR ? FileError::fromNumber(kPathFileAccessError)
                            : FileError::fromSystem(errno);
}

DiskFiles::~DiskFiles() {
    discardPageFile();
}

std::optional<FileError> DiskFiles::openPageFile(const OpenFolder& folder, const QByteArray& name) {
    discardPageFile();
    if (!folder.isOpen()) {
        return folder.failure();
    }
    temporaryDescriptor = createTemporaryFile(folder.descriptor(), temporaryName);
    if (temporaryDescriptor < 0) {
        return FileError::fromSystem(errno);
    }
    pageFolder = folder.descriptor();
    pageName = name;
    return std::nullopt;
}

std::optional<FileError> DiskFiles::writePageFile(const QByteArray& bytes) {
    if (temporaryDescriptor < 0) {
        return FileError::fromNumber(kPathFileAccessError);
    }
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t count =
            ::write(temporaryDescriptor, bytes.constData() + done, size_t(bytes.size() - done));
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            const int error = count < 0 ? errno : ENOSPC;
            discardPageFile();
            return FileError::fromSystem(error);
        }
        done += count;
    }
    return std::nullopt;
}

std::optional<FileError> DiskFiles::closePageFile() {
    if (pageFolder < 0) {
        return std::nullopt;
    }
    if (::close(std::exchange(temporaryDescriptor, -1)) != 0 ||
        ::renameat(pageFolder, temporaryName.constData(), pageFolder, pageName.constData()) != 0) {
        const int error = errno;
        discardPageFile();
        return FileError::fromSystem(error);
    }
    pageFolder = -1;
    pageName.clear();
    return std::nullopt;
}

void DiskFiles::discardPageFile() {
    if (temporaryDescriptor >= 0) {
        ::close(std::exchange(temporaryDescriptor, -1));
    }
    if (pageFolder >= 0) {
        ::unlinkat(pageFolder, temporaryName.constData(), 0);
    }
    pageFolder = -1;
    pageName.clear();
}
