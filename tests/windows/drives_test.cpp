// Drives: which drive holds a path, designations, and the volumes of this machine.
#include "platform/offered_volumes.h"
#include "support/qstring_printer.h"
#include "windows/drives.h"

#include <gtest/gtest.h>

#include <QDir>

namespace {

const Drives kDrives({{QStringLiteral("/media/usb"), QStringLiteral("STICK")},
                      {QStringLiteral("/"), QStringLiteral("/dev/sda1")},
                      {QStringLiteral("/media/usb/inner/"), QString()},
                      {QStringLiteral("/home"), QStringLiteral("/dev/sda2")}});

QString mountPointOf(const QString& path) {
    const qsizetype index = kDrives.indexOfPath(path);
    return index < 0 ? QStringLiteral("none") : kDrives.list()[index].mountPoint;
}

} // namespace

TEST(Drives, AreOrderedByMountPointWithoutATrailingSeparator) {
    QStringList mountPoints;
    for (const Volume& drive : kDrives.list()) {
        mountPoints << drive.mountPoint;
    }
    EXPECT_EQ(mountPoints, QStringList({"/", "/home", "/media/usb", "/media/usb/inner"}));
}

TEST(Drives, ADriveHoldsThePathsBelowItsMountPointTheLongestOneWinning) {
    EXPECT_EQ(mountPointOf(QStringLiteral("/media/usb/site")), QStringLiteral("/media/usb"));
    EXPECT_EQ(mountPointOf(QStringLiteral("/media/usb")), QStringLiteral("/media/usb"));
    EXPECT_EQ(mountPointOf(QStringLiteral("/media/usb/inner/x")),
              QStringLiteral("/media/usb/inner"));
    EXPECT_EQ(mountPointOf(QStringLiteral("/media/usb2/site")), QStringLiteral("/"));
    EXPECT_EQ(mountPointOf(QStringLiteral("/home/")), QStringLiteral("/home"));
    EXPECT_EQ(mountPointOf(QStringLiteral("/homework")), QStringLiteral("/"));
    EXPECT_EQ(mountPointOf(QStringLiteral("/media/usb/../usb2")), QStringLiteral("/"));
}

TEST(Drives, APathOnNoDriveHasNone) {
    const Drives onlyHome({{QStringLiteral("/home"), QStringLiteral("/dev/sda2")}});
    EXPECT_EQ(onlyHome.indexOfPath(QStringLiteral("/tmp")), -1);
}

TEST(Drives, AreDesignatedByMountPointAndLabelOrDevice) {
    EXPECT_EQ(Drives::designation(kDrives.list()[0]), QStringLiteral("/ [/dev/sda1]"));
    EXPECT_EQ(Drives::designation(kDrives.list()[2]), QStringLiteral("/media/usb [STICK]"));
    EXPECT_EQ(kDrives.indexOfDesignation(QStringLiteral("/media/usb [STICK]")), 2);
    EXPECT_EQ(kDrives.indexOfDesignation(QStringLiteral("/media/usb")), -1);
    EXPECT_EQ(kDrives.indexOfDesignation(QStringLiteral("/media/usb [OTHER]")), -1);
}

TEST(Drives, AMountPointMountedTwiceCountsOnceWithItsLastVolume) {
    const Drives remounted({{QStringLiteral("/mnt"), QStringLiteral("OLD")},
                            {QStringLiteral("/mnt/"), QStringLiteral("NEW")}});
    ASSERT_EQ(remounted.list().size(), 1);
    EXPECT_EQ(remounted.list()[0].name, QStringLiteral("NEW"));
}

TEST(OfferedVolumes, AreTheRootDisksRemovableMediaAndNetworkFileSystems) {
    struct Row {
        const char* rootPath;
        const char* device;
        const char* type;
        bool offered;
        bool folder = true;
        bool ready = true;
    };
    const Row rows[] = {
        {"/", "overlay", "overlay", true},
        {"/home", "/dev/sda2", "ext4", true},
        {"/media/ann/STICK", "/dev/sdb1", "vfat", true},
        {"/media/ann/Backup", "/dev/sdc1", "fuseblk", true},
        {"/mnt/share", "//server/share", "cifs", true},
        {"/mnt/export", "server:/export", "nfs4", true},
        {"/home/ann/remote", "ann@host:", "fuse.sshfs", true},
        {"/run", "tmpfs", "tmpfs", false},
        {"/run/user/1000", "tmpfs", "tmpfs", false},
        {"/run/user/1000/doc", "portal", "fuse.portal", false},
        {"/run/user/1000/gvfs", "gvfsd-fuse", "fuse.gvfsd-fuse", false},
        {"/snap/core22/1033", "/dev/loop3", "squashfs", false},
        {"/var/lib/docker/overlay2/1f/merged", "overlay", "overlay", false},
        {"/sys/fs/cgroup", "cgroup2", "cgroup2", false},
        {"/proc/sys/fs/binfmt_misc", "systemd-1", "autofs", false},
        {"/etc/hosts", "/dev/sda1", "ext4", false, false},
        {"/media/ann/CD", "/dev/sr0", "iso9660", false, true, false},
    };
    for (const Row& row : rows) {
        const VolumeReport report{
            QString::fromUtf8(row.rootPath), row.device, row.type, true, row.ready, row.folder};
        EXPECT_EQ(isOfferedVolume(report), row.offered) << row.rootPath << " " << row.type;
    }
    EXPECT_FALSE(isOfferedVolume(
        {QStringLiteral("/media/ann/gone"), "/dev/sdd1", "ext4", false, true, true}))
        << "an invalid volume";
}

TEST(MountedVolumes, OfferTheRootAndNoPseudoFileSystems) {
    const QList<Volume> volumes = MountedVolumes().volumes();

    QStringList mountPoints;
    for (const Volume& volume : volumes) {
        mountPoints << volume.mountPoint;
        EXPECT_FALSE(volume.name.isEmpty()) << volume.mountPoint.toStdString();
        EXPECT_TRUE(QFileInfo(volume.mountPoint).isDir()) << volume.mountPoint.toStdString();
        for (const char* system : {"/proc", "/sys", "/dev"}) {
            EXPECT_FALSE(volume.mountPoint.startsWith(QString::fromUtf8(system)))
                << volume.mountPoint.toStdString();
        }
    }
    EXPECT_TRUE(mountPoints.contains(QStringLiteral("/")));
}

TEST(MountedVolumes, AreTheListInUseUnlessAnotherIsInstalled) {
    struct OneVolume final : VolumeList {
        QList<Volume> volumes() const override {
            return {{QStringLiteral("/only"), QStringLiteral("ONLY")}};
        }
    } replacement;

    VolumeList::install(&replacement);
    EXPECT_EQ(VolumeList::current().volumes().size(), 1);
    VolumeList::install(nullptr);
    EXPECT_NE(dynamic_cast<const MountedVolumes*>(&VolumeList::current()), nullptr);
}
