#include "movers/folder_replacement.h"

#include "movers/folder_reader.h"

#include <QFile>

#include <algorithm>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

// Why the folder `name` of `parent`, which failed to open as `folder`, cannot be replaced.
QString refusalOf(const OpenFolder& parent, const QByteArray& name, const OpenFolder& folder) {
    switch (folder.failure().number) {
    case kPathFileAccessError: { // something other than a folder has the name
        struct stat status {};
        const bool link =
            ::fstatat(parent.descriptor(), name.constData(), &status, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISLNK(status.st_mode);
        return link ? QStringLiteral("it is a symbolic link")
                    : QStringLiteral("it is not a folder");
    }
    case kPathNotFound: // nothing has the name any more
        return QStringLiteral("it is not a folder");
    default:
        return QStringLiteral("it cannot be read");
    }
}

// Whether an entry is a plain file, a link never counting as one.
bool isPlainFile(int folder, const dirent& entry) {
    if (entry.d_type != DT_UNKNOWN) {
        return entry.d_type == DT_REG;
    }
    struct stat status {};
    return ::fstatat(folder, entry.d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
           S_ISREG(status.st_mode);
}

FolderReplacement refused(QString refusal) {
    return {std::move(refusal), {}, {}};
}

} // namespace

FolderReplacement PlanFolderReplacement(const OpenFolder& parent, const QByteArray& name) {
    OpenFolder folder = parent.subfolder(name);
    if (!folder.isOpen()) {
        return refused(refusalOf(parent, name, folder));
    }
    FolderReader reader(folder);
    QByteArrayList plainFiles;
    QByteArrayList others;
    while (const dirent* entry = reader.next()) {
        const QByteArray entryName(entry->d_name);
        if (entryName != "." && entryName != "..") {
            (isPlainFile(reader.descriptor(), *entry) ? plainFiles : others) << entryName;
        }
    }
    if (reader.error() != 0) {
        return refused(QStringLiteral("it cannot be read"));
    }
    if (!others.isEmpty()) {
        const QByteArray first = *std::min_element(others.cbegin(), others.cend());
        return refused(QStringLiteral("it holds \"%1\", which is not a plain file")
                           .arg(QFile::decodeName(first)));
    }
    std::sort(plainFiles.begin(), plainFiles.end());
    return {{}, std::move(folder), std::move(plainFiles)};
}
