#include "movers/files/page_listing.h"

#include "movers/files/file_name_text.h"
#include "movers/files/folder_reader.h"
#include "movers/files/name_sorter.h"
#include "movers/files/undecodable_names.h"
#include "movers/pages/mover_kinds.h"
#include "movers/pages/path_joiners.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <dirent.h>

namespace {

char asciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

// The "*.htm*" rule on a raw name: any bytes, ".htm", any bytes, letters compared without
// regard to case. The bytes of ".htm" never occur inside a multi-byte UTF-8 character, so
// the raw test agrees with the test on the decoded name.
bool isPageFileName(QByteArrayView name) {
    const char* end = name.data() + name.size();
    for (const char* dot = name.data(); end - dot >= 4; ++dot) {
        dot = static_cast<const char*>(std::memchr(dot, '.', size_t(end - dot - 3)));
        if (dot == nullptr) {
            return false;
        }
        if (asciiLower(dot[1]) == 'h' && asciiLower(dot[2]) == 't' && asciiLower(dot[3]) == 'm') {
            return true;
        }
    }
    return false;
}

bool holdsWildcards(const QString& folderText) {
    return folderText.contains(u'*') || folderText.contains(u'?');
}

// Whether a subfolder that did not open is simply not there to list: gone since it was read,
// or something other than a folder (a link above all) put in its place.
bool isNoFolder(int error) {
    return error == ENOENT || error == ENOTDIR || error == ELOOP;
}

// The output folders of both kinds, which a listing of a whole tree does not enter.
bool isOutputFolder(QByteArrayView name) {
    static const QByteArrayList outputs{QFile::encodeName(RedirectPages().folderName),
                                        QFile::encodeName(FramedForwardPages().folderName)};
    return outputs.contains(name);
}

// Where a folder stands in a listing: its path relative to the listed folder, as text and raw
// ("" or ending in "/"), and whether that path can be named as text.
struct Place {
    QString path;
    QByteArray rawPath;
    bool decodable = true;
    bool top = true;
};

// One listing of a folder and, for a whole tree, of its subfolders, depth first.
class PageListing {
public:
    // `namesWanted`: whether the page files that can be named are wanted, or only the others.
    PageListing(ListingDepth depth, bool namesWanted, ListedFiles files = ListedFiles::Pages)
        : depth(depth), namesWanted(namesWanted), everyFile(files == ListedFiles::EveryFile) {}

    // Lists the folder the reader reads, standing at `place`; false when a folder could not
    // be read to its end, and the result then holds only why.
    bool list(FolderReader& folder, const Place& place) {
        NameSorter pages;
        NameSorter others;
        NameSorter namedFolders;
        QByteArrayList otherFolders; // not to be named, or not sorted as no names are wanted
        while (const dirent* entry = folder.next()) {
            const QByteArrayView name(entry->d_name, qsizetype(std::strlen(entry->d_name)));
            if (name.startsWith('.')) {
                continue;
            }
            // A folder is entered only when it is one itself, never through a link; a page
            // file may be a link to a regular file.
            if (depth == ListingDepth::WholeTree &&
                folder.typeOf(*entry, Links::NotFollowed) == EntryType::Folder) {
                if (place.top && isOutputFolder(name)) {
                    continue;
                }
                if (namesWanted && place.decodable && name.isValidUtf8()) {
                    namedFolders.add(name);
                } else {
                    otherFolders << name.toByteArray();
                }
            } else if ((everyFile || isPageFileName(name)) &&
                       folder.typeOf(*entry, Links::Followed) == EntryType::PlainFile) {
                const bool page = isPageFileName(name);
                if (!place.decodable || !name.isValidUtf8()) {
                    (page ? result.undecodable : result.undecodableOthers)
                        << place.rawPath + name.toByteArray();
                } else if (namesWanted) {
                    (page ? pages : others).add(name);
                }
            }
        }
        if (folder.error() != 0) {
            return failed(folder.error(), place);
        }
        result.names.append(withPath(pages.sorted(), place));
        result.otherFiles.append(withPath(others.sorted(), place));
        for (const QString& name : namedFolders.sorted()) {
            if (!enter(folder, name.toUtf8(), place)) {
                return false;
            }
        }
        for (const QByteArray& name : otherFolders) {
            if (!enter(folder, name, place)) {
                return false;
            }
        }
        return true;
    }

    PageFileList result;

private:
    bool enter(const FolderReader& parent, const QByteArray& name, const Place& place) {
        const bool decodable = place.decodable && name.isValidUtf8();
        const Place inner{decodable ? place.path + FileNameText(name) + u'/' : QString(),
                          place.rawPath + name + '/', decodable, false};
        FolderReader subfolder(parent, name);
        if (isNoFolder(subfolder.error())) {
            return true;
        }
        return list(subfolder, inner);
    }

    static QStringList withPath(QStringList names, const Place& place) {
        if (!place.path.isEmpty()) {
            for (QString& name : names) {
                name.prepend(place.path);
            }
        }
        return names;
    }

    bool failed(int error, const Place& place) {
        result = {};
        result.readError = error;
        result.unreadableFolder = ReadableFileName(place.rawPath.chopped(place.top ? 0 : 1));
        return false;
    }

    ListingDepth depth;
    bool namesWanted;
    bool everyFile;
};

} // namespace

PageFileList ListPageFiles(const QString& folderText, ListingDepth depth, ListedFiles files) {
    if (holdsWildcards(folderText) || folderText.contains(QChar(0))) {
        return {};
    }
    FolderReader folder(QFile::encodeName(Module1::AddBackslash(folderText)));
    PageListing listing(depth, true, files);
    listing.list(folder, {});
    std::sort(listing.result.undecodable.begin(), listing.result.undecodable.end());
    std::sort(listing.result.undecodableOthers.begin(), listing.result.undecodableOthers.end());
    return std::move(listing.result);
}

QByteArrayList UndecodablePageFiles(const OpenFolder& folder, ListingDepth depth) {
    FolderReader reader(folder);
    PageListing listing(depth, false);
    if (!listing.list(reader, {})) {
        return {};
    }
    QByteArrayList& undecodable = listing.result.undecodable;
    std::sort(undecodable.begin(), undecodable.end());
    return undecodable;
}
