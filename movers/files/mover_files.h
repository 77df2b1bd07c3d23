#pragma once

#include "movers/files/descriptor.h"
#include "movers/files/file_error.h"
#include "movers/files/open_folder.h"

#include <QByteArray>

#include <optional>

// The file and folder operations by which a mover run changes the disk, each reporting its
// failure from the error catalogue. Every operation names an entry by its name in an open
// folder, never by a path, so what someone else renames or links meanwhile above that folder
// cannot lead it elsewhere; a link is never followed. An operation on a folder that is not
// open fails as the folder failed to open. A page file is written to a temporary file beside
// it and takes the page's name only once complete, so it is either complete or absent; at
// most one page is being written at a time. The program uses DiskFiles; tests wrap it to make
// failures that cannot be made for real.
class MoverFiles {
public:
    virtual ~MoverFiles() = default;

    // Makes the folder `name` in `parent`. Fails with 75 when anything of that name exists.
    virtual std::optional<FileError> createFolder(const OpenFolder& parent,
                                                  const QByteArray& name) = 0;
    // Removes the file `name` of `folder`: never a folder, and a link itself, never what it
    // points to.
    virtual std::optional<FileError> removeFile(const OpenFolder& folder,
                                                const QByteArray& name) = 0;
    // Removes the empty folder `name` of `parent`; anything else of that name, a link above
    // all, fails with 75 and stays.
    virtual std::optional<FileError> removeFolder(const OpenFolder& parent,
                                                  const QByteArray& name) = 0;

    // Starts the page file `name` in `folder`: drops any page being written and creates a new,
    // empty temporary file in the folder, under a name no page file has; or, when `prepared`
    // is open, takes it as the page's file: an empty file without a name on the folder's file
    // system (CreateUnnamedFile), made ahead, so that no temporary name is needed. The folder
    // must stay open until the page is closed or dropped.
    virtual std::optional<FileError> openPageFile(const OpenFolder& folder, const QByteArray& name,
                                                  Descriptor prepared) = 0;
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
