#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <sys/mount.h>

// A small tmpfs (64 KB) mounted on a folder for as long as it lives, where the system lets
// the test mount one (as root, outside a restricted container). Once filled it can be made
// read-only, so that even root cannot write to it.
struct SmallDisk {
    explicit SmallDisk(const QString& folder) : path(QFile::encodeName(folder)) {
        mounted = ::mount("tmpfs", path.constData(), "tmpfs", 0, "size=64k") == 0;
    }
    ~SmallDisk() {
        if (mounted) {
            ::umount2(path.constData(), MNT_DETACH);
        }
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool makeReadOnly() const {
        return ::mount("tmpfs", path.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

    QByteArray path;
    bool mounted = false;
};
