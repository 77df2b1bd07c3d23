#include "movers/files/folder_replacement.h"

#include "movers/files/file_name_text.h"
#include "movers/files/folder_reader.h"

#include <algorithm>
#include <utility>

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

const QString kUnreadable = QStringLiteral("it cannot be read");

// Reads what the folder holds into `fileNames` and `subfolders`; gives why it keeps the output
// folder from being replaced, or nothing. `path` is its raw path in the output folder ("" or
// ending in "/").
QString readContents(FolderReader& reader, const QByteArray& path, ListingDepth depth,
                     QByteArrayList& fileNames, std::vector<ReplacedSubfolder>& subfolders) {
    std::vector<std::pair<QByteArray, EntryType>> entries;
    while (const dirent* entry = reader.next()) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..") {
            // A link is never followed: it is neither a plain file nor a folder here.
            entries.emplace_back(name, reader.typeOf(*entry, Links::NotFollowed));
        }
    }
    if (reader.error() != 0) {
        return kUnreadable;
    }
    std::sort(entries.begin(), entries.end());
    for (const auto& [name, type] : entries) {
        if (type == EntryType::PlainFile) {
            fileNames << name;
        } else if (type == EntryType::Folder && depth == ListingDepth::WholeTree) {
            FolderReader folder(reader, name);
            ReplacedSubfolder subfolder{name, {}, {}};
            const QString refusal = readContents(folder, path + name + '/', depth,
                                                 subfolder.fileNames, subfolder.subfolders);
            if (!refusal.isEmpty()) {
                return refusal;
            }
            subfolders.push_back(std::move(subfolder));
        } else {
            return QStringLiteral("it holds \"%1\", which is not a plain file")
                       .arg(FileNameText(path + name)) +
                   (depth == ListingDepth::WholeTree ? QStringLiteral(" or folder") : QString());
        }
    }
    return {};
}

FolderReplacement refused(QString refusal) {
    return {std::move(refusal), {}, {}, {}};
}

} // namespace

FolderReplacement PlanFolderReplacement(const OpenFolder& parent, const QByteArray& name,
                                        ListingDepth depth) {
    OpenFolder folder = parent.subfolder(name);
    if (!folder.isOpen()) {
        return refused(refusalOf(parent, name, folder));
    }
    FolderReader reader(folder);
    FolderReplacement replacement{{}, {}, {}, {}};
    const QString refusal =
        readContents(reader, {}, depth, replacement.fileNames, replacement.subfolders);
    if (!refusal.isEmpty()) {
        return refused(refusal);
    }
    replacement.folder = std::move(folder);
    return replacement;
}
