#pragma once

#include <QByteArray>
#include <QString>

// What the system tells of one mounted volume, as QStorageInfo reports it.
struct VolumeReport {
    QString rootPath;
    QByteArray device;
    QByteArray fileSystemType;
    bool valid = false;
    bool ready = false;
    bool folder = false; // the mount point is a folder (a bind mount of a single file is not)
};

// Whether the folder picker offers the volume as a drive: "/" always; else a valid, ready
// folder on a volume a user would pick: one backed by a block device (another disk,
// removable media; read-only package images such as snaps left out) or a network file
// system. Memory file systems (tmpfs), overlays, kernel file systems and the helpers of
// the desktop mounted through FUSE are left out.
bool isOfferedVolume(const VolumeReport& volume);
