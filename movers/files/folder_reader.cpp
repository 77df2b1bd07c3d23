#include "movers/files/folder_reader.h"

#include "movers/files/descriptor.h"
#include "movers/files/open_folder.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>

FolderReader::FolderReader(const QByteArray& path) {
    startReading(Descriptor::openFolder(AT_FDCWD, path.constData()));
}

FolderReader::FolderReader(const OpenFolder& folder) {
    if (!folder.isOpen()) {
        failure = EBADF;
        return;
    }
    startReading(Descriptor::openFolder(folder.descriptor(), "."));
}

FolderReader::FolderReader(const FolderReader& parent, const QByteArray& name) {
    if (parent.directory == nullptr) {
        failure = EBADF;
        return;
    }
    startReading(Descriptor::openSubfolder(parent.descriptor(), name.constData()));
}

FolderReader::~FolderReader() {
    if (directory != nullptr) {
        ::closedir(directory);
    }
}

// The reading owns the descriptor once it has started, and closes it with the folder.
void FolderReader::startReading(Descriptor folder) {
    if (!folder.isOpen()) {
        failure = errno;
        return;
    }
    directory = ::fdopendir(folder.get());
    if (directory == nullptr) {
        failure = errno;
        return;
    }
    folder.release();
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

EntryType FolderReader::typeOf(const dirent& entry, Links links) const {
    const bool followed = links == Links::Followed;
    mode_t mode = DTTOIF(entry.d_type);
    if (entry.d_type == DT_UNKNOWN || (entry.d_type == DT_LNK && followed)) {
        struct stat status {};
        const int flags = followed ? 0 : AT_SYMLINK_NOFOLLOW;
        mode = ::fstatat(descriptor(), entry.d_name, &status, flags) == 0 ? status.st_mode : 0;
    }
    return S_ISREG(mode)   ? EntryType::PlainFile
           : S_ISDIR(mode) ? EntryType::Folder
                           : EntryType::Other;
}

int FolderReader::descriptor() const {
    return directory != nullptr ? ::dirfd(directory) : -1;
}
