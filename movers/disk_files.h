#pragma once

#include "movers/mover_files.h"

#include <QFile>

// The mover file operations on the real disk.
class DiskFiles final : public MoverFiles {
public:
    std::optional<FileError> createFolder(const QString& path) override;
    std::optional<FileError> removeFile(const QString& path) override;
    std::optional<FileError> removeFolder(const QString& path) override;

    std::optional<FileError> openPageFile(const QString& path) override;
    std::optional<FileError> writePageFile(const QByteArray& bytes) override;
    std::optional<FileError> closePageFile() override;

private:
    QFile pageFile;
};
