#include "platform/offered_volumes.h"

#include <QSet>

namespace {

// Block devices that hold read-only package images (snaps, live systems), not a user's files.
const QSet<QByteArray> kPackageImageFileSystems = {"squashfs", "erofs"};

const QSet<QByteArray> kNetworkFileSystems = {
    "nfs",        "nfs4",        "cifs",      "smb3",        "smbfs",          "ncpfs",
    "afs",        "ceph",        "glusterfs", "9p",          "virtiofs",       "vboxsf",
    "fuse.sshfs", "fuse.rclone", "davfs",     "fuse.davfs2", "fuse.glusterfs", "fuse.vmhgfs-fuse"};

bool isOnBlockDevice(const VolumeReport& volume) {
    return volume.device.startsWith("/dev/") &&
           !kPackageImageFileSystems.contains(volume.fileSystemType);
}

} // namespace

bool isOfferedVolume(const VolumeReport& volume) {
    if (volume.rootPath == QStringLiteral("/")) {
        return true;
    }
    return volume.valid && volume.ready && volume.folder &&
           (isOnBlockDevice(volume) || kNetworkFileSystems.contains(volume.fileSystemType));
}
