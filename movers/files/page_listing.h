#pragma once

#include <QByteArrayList>
#include <QString>
#include <QStringList>

// How far a listing goes: the folder's own page files, or those of its whole tree.
enum class ListingDepth { Folder, WholeTree };

// What a listing takes: the page files alone, or every file besides them.
enum class ListedFiles { Pages, EveryFile };

// The page files of a folder: regular files, or links to regular files, that are not hidden
// (their names do not start with ".") and whose names hold ".htm", letters compared without
// regard to case. A whole tree adds those of its subfolders at any depth, each reached from its
// parent's descriptor and never through a link. Not entered: hidden folders, links to folders
// (so no loop and nothing outside the tree), and the output folders "zandrifts" and
// "framedforward" directly inside the folder.
struct PageFileList {
    // The page files that can be named, by their paths relative to the folder, "/" between
    // folders ("docs/deep/page.htm"): a folder's own page files first, sorted ascending without
    // regard to case, names equal but for case ordered by their exact text; then its
    // subfolders, sorted the same way, each in this same order.
    QStringList names;
    // With every file: the other files (pictures, style sheets, documents, ...), not hidden, by
    // their paths, in the same order.
    QStringList otherFiles;
    // The page files whose names, or the names of folders on their paths, are not valid UTF-8,
    // so they cannot be named as text and get no mover page: their raw relative paths, in byte
    // order.
    QByteArrayList undecodable;
    // With every file: the other files whose paths are not valid UTF-8, the same way.
    QByteArrayList undecodableOthers;
    // The system's error number when a folder could not be opened or read to its end, and so
    // nothing is listed; 0 when the whole listing was read.
    int readError = 0;
    // Which folder could not be read: its path relative to the folder, as it can be shown;
    // empty for the folder itself.
    QString unreadableFolder;
};

class OpenFolder;

// The page files of the folder a folder text names; the empty text names the root. A folder
// text holding wildcard characters, or naming no folder that can be read to its end, lists
// nothing.
PageFileList ListPageFiles(const QString& folderText, ListingDepth depth = ListingDepth::Folder,
                           ListedFiles files = ListedFiles::Pages);

// The `undecodable` part of the listing of an open folder alone, without the work of naming
// the others; nothing when a folder cannot be read to its end.
QByteArrayList UndecodablePageFiles(const OpenFolder& folder,
                                    ListingDepth depth = ListingDepth::Folder);
