#pragma once

#include <QByteArrayView>

#include <sys/types.h>

// A file or folder descriptor of the system, owned: it is closed exactly once, when its owner
// goes, takes another or closes it, and never when it has been moved on. A call the system
// interrupts for a signal before it moved a byte is made again.
class Descriptor {
public:
    // None.
    Descriptor() = default;
    ~Descriptor();
    Descriptor(Descriptor&& other) noexcept;
    Descriptor& operator=(Descriptor&& other) noexcept;
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    // `name` in the folder `folder` (a descriptor, or AT_FDCWD for a path), opened with the
    // system's `flags` and, for a file it creates, `mode`; never inherited by a program started
    // from here. None when it failed, errno saying why.
    static Descriptor open(int folder, const char* name, int flags, mode_t mode = 0);
    // The folder `name` names in the folder `parent`, as open() opens it, links followed: for
    // reading its entries and for the system's "at" calls on them.
    static Descriptor openFolder(int parent, const char* name);
    // The folder `name` in the folder `parent`, never reached through a link: a link fails with
    // ELOOP, anything else that is not a folder with ENOTDIR.
    static Descriptor openSubfolder(int parent, const char* name);

    bool isOpen() const { return fd >= 0; }
    // The descriptor, for the system's own calls; -1 when there is none.
    int get() const { return fd; }
    // Gives the descriptor up to an owner that closes it itself, and holds none.
    int release();
    // Closes the descriptor now and holds none; false with errno set when the system reported
    // a failure, which for a written file can be the write's.
    bool close();

    // Reads the next bytes into `into`: how many, 0 at the end, -1 with errno set on a failure.
    qsizetype read(char* into, qsizetype size);
    // Reads `size` bytes from `offset` on into `into`; false when the file ended first or a read
    // failed.
    bool readAllAt(char* into, qsizetype size, qint64 offset);
    // Writes all of `bytes`; false with errno set when a write failed, ENOSPC for one that took
    // no byte.
    bool writeAll(QByteArrayView bytes);

private:
    explicit Descriptor(int fd) : fd(fd) {}

    int fd = -1;
};
