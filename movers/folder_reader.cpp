#include "movers/folder_reader.h"

#include "movers/open_folder.h"

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kReadingFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;

} // namespace

FolderReader::FolderReader(const QByteArray& path) {
    open(::open(path.constData(), kReadingFlags));
}

FolderReader::FolderReader(const OpenFolder& folder) {
    if (!folder.isOpen()) {
        failure = EBADF;
        return;
    }
    open(::openat(folder.descriptor(), ".", kReadingFlags));
}

FolderReader::FolderReader(const FolderReader& parent, const QByteArray& name) {
    if (parent.directory == nullptr) {
        failure = EBADF;
        return;
    }
    open(::openat(parent.descriptor(), name.constData(), kReadingFlags | O_NOFOLLOW));
}

FolderReader::~FolderReader() {
    if (directory != nullptr) {
        ::closedir(directory);
    }
}

void FolderReader::open(int fd) {
    if (fd < 0) {
        failure = errno;
        return;
    }
    directory = ::fdopendir(fd);
    if (directory == nullptr) {
        failure = errno;
        ::close(fd);
    }
}

const dirent* FolderReader::next() {
    if (directory == nullptr || failure != 0) {
        return nullptr;
    }
    errno = 0;
    const dirent* entry = ::readdir(directory);
    if (entry == nullptr) {
        failure = errno;
    }
    return entry;
}

int FolderReader::descriptor() const {
    return directory != nullptr ? ::dirfd(directory) : -1;
}
