#include "movers/disk_files.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

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

// QFile leaves the failing system call's errno in place; an error without one is
// reported as a device error.
FileError lastSystemFailure() {
    return FileError::fromSystem(std::error_code(errno, std::generic_category()));
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

std::optional<FileError> DiskFiles::openPageFile(const QString& path) {
    pageFile.close();
    pageFile.setFileName(path);
    errno = 0;
    if (!pageFile.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        return lastSystemFailure();
    }
    return std::nullopt;
}

std::optional<FileError> DiskFiles::writePageFile(const QByteArray& bytes) {
    if (!pageFile.isOpen()) {
        return FileError::fromNumber(kPathFileAccessError);
    }
    errno = 0;
    if (pageFile.write(bytes) != bytes.size()) {
        return lastSystemFailure();
    }
    return std::nullopt;
}

std::optional<FileError> DiskFiles::closePageFile() {
    pageFile.close();
    return std::nullopt;
}
