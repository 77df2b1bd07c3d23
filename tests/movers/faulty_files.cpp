#include "faulty_files.h"

void FaultyFiles::fail(Operation operation, int number, int times) {
    faults[operation] = {number, times};
}

std::optional<FileError> FaultyFiles::injected(Operation operation) {
    Fault& fault = faults[operation];
    if (fault.times == 0) {
        return std::nullopt;
    }
    --fault.times;
    return FileError::fromNumber(fault.number);
}

std::optional<FileError> FaultyFiles::createFolder(const OpenFolder& parent,
                                                   const QByteArray& name) {
    return injectedOr(Operation::CreateFolder, [&] { return disk.createFolder(parent, name); });
}

std::optional<FileError> FaultyFiles::removeFile(const OpenFolder& folder, const QByteArray& name) {
    return injectedOr(Operation::RemoveFile, [&] { return disk.removeFile(folder, name); });
}

std::optional<FileError> FaultyFiles::removeFolder(const OpenFolder& parent,
                                                   const QByteArray& name) {
    return injectedOr(Operation::RemoveFolder, [&] { return disk.removeFolder(parent, name); });
}

std::optional<FileError> FaultyFiles::openPageFile(const OpenFolder& folder, const QByteArray& name,
                                                   Descriptor prepared) {
    return injectedOr(Operation::Open,
                      [&] { return disk.openPageFile(folder, name, std::move(prepared)); });
}

std::optional<FileError> FaultyFiles::writePageFile(const QByteArray& bytes) {
    if (std::optional<FileError> failure = injected(Operation::Write)) {
        disk.writePageFile(bytes.left(bytes.size() / 2));
        return failure;
    }
    return disk.writePageFile(bytes);
}

std::optional<FileError> FaultyFiles::closePageFile() {
    return injectedOr(Operation::Close, [&] { return disk.closePageFile(); });
}
