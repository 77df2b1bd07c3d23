#pragma once

#include <QByteArray>

#include <dirent.h>

class Descriptor;
class OpenFolder;

// Whether a link among a folder's entries counts as what it points to, or as a link.
enum class Links { Followed, NotFollowed };

// What an entry of a folder is: a regular file, a folder, or anything else (a device, a pipe, a
// link not followed or pointing nowhere, an entry gone since it was read).
enum class EntryType { PlainFile, Folder, Other };

// One reading of a folder's entries, from its start, through a descriptor of its own. A read
// that fails part way is told apart from the end of the folder, so a shortened listing is
// never taken for the whole.
class FolderReader {
public:
    // The folder a path names (links followed).
    explicit FolderReader(const QByteArray& path);
    // The open folder; it is read through a new descriptor of the same folder.
    explicit FolderReader(const OpenFolder& folder);
    // The subfolder `name` of the folder `parent` reads, never reached through a link: a link
    // fails with ELOOP, anything else that is not a folder with ENOTDIR.
    FolderReader(const FolderReader& parent, const QByteArray& name);
    ~FolderReader();
    FolderReader(const FolderReader&) = delete;
    FolderReader& operator=(const FolderReader&) = delete;

    // The next entry ("." and ".." included), or nothing at the end or when reading failed.
    const dirent* next();
    // The system's error number that stopped the reading, or 0 while none did.
    int error() const { return failure; }
    // The type of an entry next() gave: as the folder tells it, or as the system tells it where
    // the folder does not (some file systems never do) or where a link is to be followed.
    EntryType typeOf(const dirent& entry, Links links) const;

private:
    void startReading(Descriptor folder);
    // The folder's descriptor, for the system's "at" calls on its entries; -1 when it failed.
    int descriptor() const;

    DIR* directory = nullptr;
    int failure = 0;
};
