// The picker's drive list: the drives it offers, what picking one does to the directory
// list, and a drive that cannot be read.
#include "support/qstring_printer.h"
#include "windows/companion_window_fixture.h"
#include "windows/directory_list.h"
#include "windows/drive_list.h"
#include "windows/frmBrowse.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>

using PickerDrivesTest = CompanionWindowTest;

namespace {

QStringList offeredDrives(const DriveList& list) {
    QStringList designations;
    for (int index = 0; index < list.count(); ++index) {
        designations << list.itemText(index);
    }
    return designations;
}

} // namespace

TEST_F(PickerDrivesTest, OffersEveryDriveByItsDesignationInOrderOfMountPoint) {
    start();
    frmBrowse& picker = browse();

    EXPECT_EQ(offeredDrives(*picker.Drive1),
              QStringList({TemporaryDrives::rootDesignation(), drives.firstDesignation(),
                           drives.offlineDesignation(), drives.secondDesignation()}));
}

TEST_F(PickerDrivesTest, PickingADriveMovesToItsRootAndBackToTheFolderLastShownThere) {
    start(sitePath());
    frmBrowse& picker = browse();

    pickDrive(drives.firstDesignation());
    EXPECT_EQ(picker.Dir1->path(), drives.first());

    pickDrive(TemporaryDrives::rootDesignation());
    EXPECT_EQ(picker.Dir1->path(), sitePath());
}

TEST_F(PickerDrivesTest, EachDriveKeepsTheLastFolderOpenedOnIt) {
    QDir(drives.first()).mkpath(QStringLiteral("deep/er"));
    start();
    frmBrowse& picker = browse();
    pickDrive(drives.firstDesignation());
    doubleClickEntry(QStringLiteral("deep"));
    doubleClickEntry(QStringLiteral("er"));

    pickDrive(drives.secondDesignation());
    EXPECT_EQ(picker.Dir1->path(), drives.second());
    pickDrive(drives.firstDesignation());

    EXPECT_EQ(picker.Dir1->path(), drives.first(QStringLiteral("deep/er")));
}

TEST_F(PickerDrivesTest, AFreshPickerForgetsTheFoldersOfEarlierOnes) {
    start(drives.first(QStringLiteral("site")));
    browse().cmdCancel->click();
    window->txtMap->clear();

    frmBrowse& picker = browse();
    pickDrive(drives.firstDesignation());

    EXPECT_EQ(picker.Dir1->path(), drives.first());
}

TEST_F(PickerDrivesTest, ADriveThatCannotBeReadIsReportedAndTheListGoesBack) {
    start(sitePath());
    frmBrowse& picker = browse();
    boxes.answer({MsgAnswer::OK});

    pickDrive(drives.offlineDesignation());

    ASSERT_EQ(boxes.shown().size(), 1U);
    EXPECT_EQ(boxes.shown()[0].text,
              QStringLiteral("The disk %1 cannot be read.").arg(drives.offlineDesignation()));
    EXPECT_EQ(boxes.shown()[0].icon, MsgIcon::Critical);
    EXPECT_EQ(picker.Drive1->Drive(), TemporaryDrives::rootDesignation());
    EXPECT_EQ(picker.Dir1->path(), sitePath());

    pickDrive(drives.secondDesignation());
    picker.cmdOK->click();
    EXPECT_EQ(window->txtMap->text(), drives.second());
}

TEST_F(PickerDrivesTest, AFolderThatCannotBeOpenedAnyMoreIsReportedAndTheListStays) {
    QDir(sitePath()).mkpath(QStringLiteral("news"));
    start(sitePath());
    frmBrowse& picker = browse();
    ASSERT_TRUE(QDir(sitePath()).rmdir(QStringLiteral("news")));
    boxes.answer({MsgAnswer::OK});

    doubleClickEntry(QStringLiteral("news"));

    ASSERT_EQ(boxes.shown().size(), 1U);
    EXPECT_EQ(boxes.shown()[0].text,
              QStringLiteral("The folder %1 cannot be read.").arg(sitePath("news")));
    EXPECT_EQ(boxes.shown()[0].icon, MsgIcon::Critical);
    EXPECT_EQ(picker.Dir1->path(), sitePath());
    EXPECT_TRUE(frmBrowse::isLoaded());
}

TEST_F(PickerDrivesTest, OpeningAnotherDrivesMountPointShowsThatDriveSoEveryDriveStaysChoosable) {
    start(drives.mountFolder());
    frmBrowse& picker = browse();

    doubleClickEntry(QStringLiteral("first"));
    EXPECT_EQ(picker.Drive1->Drive(), drives.firstDesignation());

    pickDrive(TemporaryDrives::rootDesignation());
    EXPECT_EQ(picker.Dir1->path(), drives.mountFolder());
    EXPECT_EQ(picker.Drive1->Drive(), TemporaryDrives::rootDesignation());
}

TEST_F(PickerDrivesTest, ADriveWhoseFolderVanishedGoesToTheNearestParentLeftThenToItsRoot) {
    start(drives.first(QStringLiteral("deep/er")));
    frmBrowse& picker = browse();
    pickDrive(drives.secondDesignation());

    ASSERT_TRUE(QDir(drives.first(QStringLiteral("deep"))).rmdir(QStringLiteral("er")));
    pickDrive(drives.firstDesignation());
    EXPECT_EQ(picker.Dir1->path(), drives.first(QStringLiteral("deep")));

    pickDrive(drives.secondDesignation());
    ASSERT_TRUE(QDir(drives.first()).rmdir(QStringLiteral("deep")));
    pickDrive(drives.firstDesignation());
    EXPECT_EQ(picker.Dir1->path(), drives.first());
    EXPECT_TRUE(boxes.shown().empty()) << boxes.texts().join(u'|').toStdString();
}
