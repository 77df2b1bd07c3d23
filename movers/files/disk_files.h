#pragma once

#include "movers/files/descriptor.h"
#include "movers/files/mover_files.h"

// The mover file operations on the real disk, through the system's own calls relative to
// the open folders' descriptors: per page one create, one write, one close and one rename, or
// for a page whose file was made ahead one write, one link and one close.
class DiskFiles final : public MoverFiles {
public:
    DiskFiles() = default;
    ~DiskFiles() override;
    DiskFiles(const DiskFiles&) = delete;
    DiskFiles& operator=(const DiskFiles&) = delete;

    std::optional<FileError> createFolder(const OpenFolder& parent,
                                          const QByteArray& name) override;
    std::optional<FileError> removeFile(const OpenFolder& folder, const QByteArray& name) override;
    std::optional<FileError> removeFolder(const OpenFolder& parent,
                                          const QByteArray& name) override;

    std::optional<FileError> openPageFile(const OpenFolder& folder, const QByteArray& name,
                                          Descriptor prepared) override;
    std::optional<FileError> writePageFile(const QByteArray& bytes) override;
    std::optional<FileError> closePageFile() override;
    void discardPageFile() override;

private:
    // The name of the pages' temporary files: once a page has its own name the temporary name
    // is free again, and the next page uses it too. Taking a new name for every page costs
    // the file system more than writing the page itself.
    QByteArray temporaryName;
    // The page being written: the descriptor of its folder (the caller's, -1 when no page is
    // started), its temporary file, open until closed, and its final name. A prepared page's
    // file has no name, and its bytes are kept in case it cannot be given one.
    int pageFolder = -1;
    Descriptor temporaryFile;
    QByteArray pageName;
    bool unnamed = false;
    QByteArray unnamedBytes;

    std::optional<FileError> nameUnnamedPage();
    FileError droppedPage();
};
