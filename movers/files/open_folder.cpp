#include "movers/files/open_folder.h"

#include <QFile>

#include <cerrno>

#include <fcntl.h>

namespace {

// Opening a subfolder asks for a folder and refuses a link, so either error means that
// something else stands under the folder's name.
FileError subfolderFailure(int error) {
    return error == ELOOP || error == ENOTDIR ? FileError::fromNumber(kPathFileAccessError)
                                              : FileError::fromSystem(error);
}

} // namespace

OpenFolder OpenFolder::atPath(const QString& path) {
    if (path.contains(QChar(0))) {
        return {}; // no folder has such a name; the system would see only the part before it
    }
    Descriptor opened = Descriptor::openFolder(AT_FDCWD, QFile::encodeName(path).constData());
    const FileError whyNot = opened.isOpen() ? FileError{} : FileError::fromSystem(errno);
    return {std::move(opened), whyNot};
}

OpenFolder OpenFolder::subfolder(const QByteArray& name) const {
    if (!isOpen()) {
        return {{}, whyNot};
    }
    Descriptor opened = Descriptor::openSubfolder(descriptor(), name.constData());
    const FileError whyNot = opened.isOpen() ? FileError{} : subfolderFailure(errno);
    return {std::move(opened), whyNot};
}
