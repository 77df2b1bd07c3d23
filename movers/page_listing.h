#pragma once

#include <QByteArrayList>
#include <QStringList>

// The page files of a folder: regular files, or links to regular files, that are not hidden
// (their names do not start with ".") and whose names hold ".htm", letters compared without
// regard to case.
struct PageFileList {
    // The page files that can be named: sorted ascending without regard to case, names equal
    // but for case ordered by their exact text.
    QStringList names;
    // The page files whose names are not valid UTF-8, so they cannot be named as text and get
    // no mover page: their raw names, in byte order.
    QByteArrayList undecodable;
    // The system's error number when the folder could not be opened or read to its end, and
    // so nothing is listed; 0 when it was read whole.
    int readError = 0;
};

class OpenFolder;

// The page files of the folder a folder text names; the empty text names the root. A folder
// text holding wildcard characters, or naming no folder that can be read to its end, lists
// nothing.
PageFileList ListPageFiles(const QString& folderText);

// The `undecodable` part of the listing of an open folder alone, without the work of naming
// the others; nothing when the folder cannot be read to its end.
QByteArrayList UndecodablePageFiles(const OpenFolder& folder);
