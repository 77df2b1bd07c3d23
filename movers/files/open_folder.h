#pragma once

#include "movers/files/descriptor.h"
#include "movers/files/file_error.h"

#include <QByteArray>
#include <QString>

#include <utility>

// A folder held open by its descriptor. Whatever is done in it names its entries relative to
// the descriptor, so a link or another folder that someone puts in its place, or in place of a
// folder above it, once it is open cannot lead anything elsewhere. A folder that could not be
// opened holds why, as the catalogue's entry.
class OpenFolder {
public:
    // No folder, failing as one that is not there.
    OpenFolder() = default;

    // The folder a path names, following links on the way: the path is the user's own choice.
    static OpenFolder atPath(const QString& path);
    // The folder `name` in this one, never reached through a link: a link, a file or anything
    // else that is not a folder fails with 75. A folder that is not open passes its failure on.
    OpenFolder subfolder(const QByteArray& name) const;

    bool isOpen() const { return folder.isOpen(); }
    // The descriptor, for the system's "at" calls; -1 when the folder is not open.
    int descriptor() const { return folder.get(); }
    // Why the folder is not open; nothing to say of an open one.
    const FileError& failure() const { return whyNot; }

private:
    OpenFolder(Descriptor folder, FileError whyNot)
        : folder(std::move(folder)), whyNot(std::move(whyNot)) {}

    Descriptor folder;
    FileError whyNot = FileError::fromNumber(kPathNotFound);
};
