#include "movers/files/disk_files.h"

#include "movers/files/unnamed_file.h"

#include <QRandomGenerator>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

// A name for a page's temporary file: hidden, and without ".htm", so it is never taken for a
// page file and never has a page file's name.
QByteArray newTemporaryName() {
    return ".zandrift-" + QByteArray::number(QRandomGenerator::global()->generate(), 16) + ".tmp";
}

// Creates a new temporary file in `folder`, readable and writable as a file created by any
// program, under `name`, or under a new name kept in `name` when that one is taken. Never
// opens anything that was there before, a link above all. None, with errno set, when it
// cannot.
Descriptor createTemporaryFile(int folder, QByteArray& name) {
    constexpr int kTries = 100;
    for (int attempt = 0; attempt < kTries; ++attempt) {
        if (name.isEmpty()) {
            name = newTemporaryName();
        }
        Descriptor file = Descriptor::open(
            folder, name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY, 0666);
        if (file.isOpen() || errno != EEXIST) {
            return file;
        }
        name.clear();
    }
    return {};
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

std::optional<FileError> DiskFiles::openPageFile(const OpenFolder& folder, const QByteArray& name,
                                                 Descriptor prepared) {
    discardPageFile();
    if (!folder.isOpen()) {
        return folder.failure();
    }
    unnamed = prepared.isOpen();
    temporaryFile =
        unnamed ? std::move(prepared) : createTemporaryFile(folder.descriptor(), temporaryName);
    if (!temporaryFile.isOpen()) {
        return FileError::fromSystem(errno);
    }
    pageFolder = folder.descriptor();
    pageName = name;
    return std::nullopt;
}

std::optional<FileError> DiskFiles::writePageFile(const QByteArray& bytes) {
    if (!temporaryFile.isOpen()) {
        return FileError::fromNumber(kPathFileAccessError);
    }
    if (unnamed) {
        unnamedBytes = bytes;
    }
    if (!temporaryFile.writeAll(bytes)) {
        return droppedPage();
    }
    return std::nullopt;
}

std::optional<FileError> DiskFiles::closePageFile() {
    if (pageFolder < 0) {
        return std::nullopt;
    }
    if (unnamed) {
        return nameUnnamedPage();
    }
    if (!temporaryFile.close() ||
        ::renameat(pageFolder, temporaryName.constData(), pageFolder, pageName.constData()) != 0) {
        return droppedPage();
    }
    pageFolder = -1;
    pageName.clear();
    return std::nullopt;
}

// A prepared page takes its name in one step. Where it cannot (the name is taken, which a link
// never replaces, or the system gives no way to name the file), it is written again the
// ordinary way, through a temporary file renamed over the name.
std::optional<FileError> DiskFiles::nameUnnamedPage() {
    if (NameUnnamedFile(temporaryFile, pageFolder, pageName.constData())) {
        if (temporaryFile.close()) {
            discardPageFile();
            return std::nullopt;
        }
        const int error = errno;
        ::unlinkat(pageFolder, pageName.constData(), 0);
        errno = error;
        return droppedPage();
    }
    unnamed = false;
    temporaryFile = createTemporaryFile(pageFolder, temporaryName);
    if (!temporaryFile.isOpen()) {
        pageFolder = -1; // no temporary file of its own to remove
        return droppedPage();
    }
    if (!temporaryFile.writeAll(unnamedBytes)) {
        return droppedPage();
    }
    return closePageFile();
}

// The failure errno tells of, once the page it stopped is dropped.
FileError DiskFiles::droppedPage() {
    const int error = errno;
    discardPageFile();
    return FileError::fromSystem(error);
}

void DiskFiles::discardPageFile() {
    temporaryFile.close();
    if (pageFolder >= 0 && !unnamed) {
        ::unlinkat(pageFolder, temporaryName.constData(), 0);
    }
    pageFolder = -1;
    pageName.clear();
    unnamed = false;
    unnamedBytes.clear();
}
