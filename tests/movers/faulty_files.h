#pragma once

#include "movers/files/disk_files.h"

#include <map>

// The real file operations, except that chosen calls fail with a chosen error number
// without touching the disk: for failures that cannot be made for real, such as a full
// disk or a file that even root cannot delete. A failing write first writes half of the
// page, as a write that runs out of room does.
class FaultyFiles final : public MoverFiles {
public:
    enum class Operation { CreateFolder, RemoveFile, RemoveFolder, Open, Write, Close };

    // The next `times` calls of the operation fail with the error `number`.
    void fail(Operation operation, int number, int times = 1);

    std::optional<FileError> createFolder(const OpenFolder& parent,
                                          const QByteArray& name) override;
    std::optional<FileError> removeFile(const OpenFolder& folder, const QByteArray& name) override;
    std::optional<FileError> removeFolder(const OpenFolder& parent,
                                          const QByteArray& name) override;
    std::optional<FileError> openPageFile(const OpenFolder& folder, const QByteArray& name,
                                          Descriptor prepared) override;
    std::optional<FileError> writePageFile(const QByteArray& bytes) override;
    std::optional<FileError> closePageFile() override;
    void discardPageFile() override { disk.discardPageFile(); }

private:
    struct Fault {
        int number = 0;
        int times = 0;
    };
    std::optional<FileError> injected(Operation operation);
    template <class RealCall>
    std::optional<FileError> injectedOr(Operation operation, RealCall realCall) {
        if (std::optional<FileError> failure = injected(operation)) {
            return failure;
        }
        return realCall();
    }

    DiskFiles disk;
    std::map<Operation, Fault> faults;
};
