#include "movers/disk_files.h"

#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

namespace {

std::filesystem::path nativePath(const QString& path) {
#ifdef Q_OS_WIN
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

std::optional<FileError> failure(std::error_code code) {
    if (!code) {
        return std::nullopt;
    }
    return FileError::fromSystem(code);
}

FileError systemFailure(int error) {
    return FileError::fromSystem(std::error_code(error, std::generic_category()));
}

// A name for a page's temporary file: hidden, and without ".htm", so it is never taken for a
// page file and never has a page file's name.
QByteArray newTemporaryName() {
    return ".zandrift-" + QByteArray::number(QRandomGenerator::global()->generate(), 16) + ".tmp";
}

// Creates a new temporary file in the folder of `pagePath`, readable and writable as a file
// created by any program, under `name`, or under a new name kept in `name` when that one is
// taken. Returns its descriptor, or -1 with errno set.
int createTemporaryFile(const QByteArray& pagePath, QByteArray& name, QByteArray& temporaryPath) {
    constexpr int kTries = 100;
    const QByteArray folder = pagePath.left(pagePath.lastIndexOf('/') + 1);
    for (int attempt = 0; attempt < kTries; ++attempt) {
        if (name.isEmpty()) {
            name = newTemporaryName();
        }
        temporaryPath = folder + name;
        const int descriptor = ::open(temporaryPath.constData(),
                                      O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (descriptor >= 0 || errno != EEXIST) {
            return descriptor;
        }
        name.clear();
    }
    return -1;
}

} // namespace

std::optional<FileError> DiskFiles::createFolder(const QString& path) {
    std::error_code code;
    if (std::filesystem::create_directory(nativePath(path), code) || code) {
        return failure(code);
    }
    // create_directory reports an existing folder as success without creating anything.
    return FileError::fromNumber(kPathFileAccessError);
}

std::optional<FileError> DiskFiles::removeFile(const QString& path) {
    std::error_code code;
    const std::filesystem::path file = nativePath(path);
    if (std::filesystem::is_directory(std::filesystem::symlink_status(file, code))) {
        return FileError::fromNumber(kPathFileAccessError);
    }
    if (!std::filesystem::remove(file, code) && !code) {
        return FileError::fromNumber(kFileNotFound);
    }
    return failure(code);
}

std::optional<FileError> DiskFiles::removeFolder(const QString& path) {
    std::error_code code;
    const std::filesystem::path folder = nativePath(path);
    if (!std::filesystem::is_directory(std::filesystem::symlink_status(folder, code))) {
        return FileError::fromNumber(code ? 76 : kPathFileAccessError);
    }
    std::filesystem::remove(folder, code);
    return failure(code);
}

DiskFiles::~DiskFiles() {
    discardPageFile();
}

std::optional<FileError> DiskFiles::openPageFile(const QString& path) {
    discardPageFile();
    pagePath = QFile::encodeName(path);
    temporaryDescriptor = createTemporaryFile(pagePath, temporaryName, temporaryPath);
    if (temporaryDescriptor < 0) {
        const int error = errno;
        temporaryPath.clear();
        discardPageFile();
        return systemFailure(error);
    }
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
            return systemFailure(error);
        }
        done += count;
    }
    return std::nullopt;
}

std::optional<FileError> DiskFiles::closePageFile() {
    if (temporaryPath.isEmpty()) {
        return std::nullopt;
    }
    if (::close(std::exchange(temporaryDescriptor, -1)) != 0 ||
        std::rename(temporaryPath.constData(), pagePath.constData()) != 0) {
        const int error = errno;
        discardPageFile();
        return systemFailure(error);
    }
    temporaryPath.clear();
    pagePath.clear();
    return std::nullopt;
}

void DiskFiles::discardPageFile() {
    if (temporaryDescriptor >= 0) {
        ::close(std::exchange(temporaryDescriptor, -1));
    }
    if (!temporaryPath.isEmpty()) {
        ::unlink(temporaryPath.constData());
    }
    temporaryPath.clear();
    pagePath.clear();
}
