#pragma once

#include <QByteArray>

#include <dirent.h>

class Descriptor;
class OpenFolder;

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
    // The folder's descriptor, for the system's "at" calls on its entries; -1 when it failed.
    int descriptor() const;

private:
    void startReading(Descriptor folder);

    DIR* directory = nullptr;
    int failure = 0;
};
