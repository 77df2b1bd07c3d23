#pragma once

#include "movers/mover_files.h"

// The mover file operations on the real disk. Page files are written through the system's
// own calls: per page one create, one write, one close and one rename.
class DiskFiles final : public MoverFiles {
public:
    DiskFiles() = default;
    ~DiskFiles() override;
    DiskFiles(const DiskFiles&) = delete;
    DiskFiles& operator=(const DiskFiles&) = delete;

    std::optional<FileError> createFolder(const QString& path) override;
    std::optional<FileError> removeFile(const QString& path) override;
    std::optional<FileError> removeFolder(const QString& path) override;

    std::optional<FileError> openPageFile(const QString& path) override;
    std::optional<FileError> writePageFile(const QByteArray& bytes) override;
    std::optional<FileError> closePageFile() override;
    void discardPageFile() override;

private:
    // The name of the pages' temporary files: once a page has its own name the temporary name
    // is free again, and the next page uses it too. Taking a new name for every page costs
    // the file system more than writing the page itself.
    QByteArray temporaryName;
    // The page being written: its temporary file, open until closed, and its final name.
    int temporaryDescriptor = -1;
    QByteArray temporaryPath;
    QByteArray pagePath;
};
