#pragma once

#include "movers/file_error.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The file and folder operations by which a mover run changes the disk, each reporting
// its failure from the error catalogue. A page file is written to a temporary file beside it
// and takes the page's name only once complete, so it is either complete or absent; at most
// one page is being written at a time. The program uses DiskFiles; tests wrap it to make
// failures that cannot be made for real.
class MoverFiles {
public:
    virtual ~MoverFiles() = default;

    // Fails with 75 when anything of that name exists already.
    virtual std::optional<FileError> createFolder(const QString& path) = 0;
    // Removes one file, never a folder and never what a link points to.
    virtual std::optional<FileError> removeFile(const QString& path) = 0;
    // Removes an empty folder.
    virtual std::optional<FileError> removeFolder(const QString& path) = 0;

    // Starts the page file `path`: drops any page being written and creates a new, empty
    // temporary file in the page's folder, under a name no page file has.
    virtual std::optional<FileError> openPageFile(const QString& path) = 0;
    // Writes the whole page to the started page; fails with 75 when none is started. A
    // failed write drops the page.
    virtual std::optional<FileError> writePageFile(const QByteArray& bytes) = 0;
    // Ends the started page: closes its temporary file and gives it the page's name,
    // replacing a file of that name (a link itself, never what it points to). A failure
    // drops the page. Closing when no page is started is no failure.
    virtual std::optional<FileError> closePageFile() = 0;
    // Drops the started page, if any: its temporary file is closed and removed.
    virtual void discardPageFile() = 0;
};
