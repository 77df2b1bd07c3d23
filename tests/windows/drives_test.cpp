// Drives: which drive holds a path, designations, and the volumes of this machine.
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
