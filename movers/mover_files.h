#pragma once

#include "movers/file_error.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The file and folder operations by which a mover run changes the disk, each reporting
// its failure from the error catalogue. At most one page file is open at a time. The
// program uses DiskFiles; tests wrap it to make failures that cannot be made for real.
class MoverFiles {
public:
    virtual ~MoverFiles() = default;

    // Fails with 75 when anything of that name exists already.
    virtual std::optional<FileError> createFolder(const QString& path) = 0;
    // Removes one file, never a folder and never what a link points to.
    virtual std::optional<FileError> removeFile(const QString& path) = 0;
    // Removes an empty folder.
    virtual std::optional<FileError> removeFolder(const QString& path) = 0;

    // Creates the page file, or empties it when it exists, and keeps it open.
    virtual std::optional<FileError> openPageFile(const QString& path) = 0;
    // Writes to the open page file; fails with 75 when no page file is open.
    virtual std::optional<FileError> writePageFile(const QByteArray& bytes) = 0;
    // Closes the open page file; closing when none is open is no failure.
    virtual std::optional<FileError> closePageFile() = 0;
};
