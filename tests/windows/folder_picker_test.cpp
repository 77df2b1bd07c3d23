// "Browse" presets the folder picker from the folder text; "OK" hands the directory list's
// current folder to the main window, which lists its pages; the ways out without "OK" change
// nothing.
#include "support/qstring_printer.h"
#include "windows/companion_window_fixture.h"
#include "windows/directory_list.h"
#include "windows/drive_list.h"
#include "windows/frmBrowse.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using PickerTest = CompanionWindowTest;

// OK on the folder already shown lists its pages again.
TEST_F(PickerTest, BrowseEmptiesThePageListAndOpensAtTheFolderOfTheFolderText) {
    writeSiteFile(QStringLiteral("index.htm"), "<title>Home</title>");
    writeSiteFile(QStringLiteral("contact.html"), "<title>Contact</title>");
    start(sitePath());
    ASSERT_EQ(listedPages(), QStringList({"contact.html", "index.htm"}));

    frmBrowse& picker = browse();

    EXPECT_TRUE(picker.isVisible());
    EXPECT_EQ(picker.Dir1->path(), sitePath());
    EXPECT_EQ(picker.Drive1->Drive(), TemporaryDrives::rootDesignation());
    EXPECT_EQ(window->lstFiles->count(), 0);

    picker.cmdOK->click();

    EXPECT_EQ(window->txtMap->text(), sitePath());
    EXPECT_EQ(listedPages(), QStringList({"contact.html", "index.htm"}));
}

TEST_F(PickerTest, BrowseWithAFolderOnAnotherDriveOpensAtThatFolder) {
    const QString pages = drives.second(QStringLiteral("site/pages"));
    start(pages);

    frmBrowse& picker = browse();

    EXPECT_EQ(picker.Drive1->Drive(), drives.secondDesignation());
    EXPECT_EQ(picker.Dir1->path(), pages);
    EXPECT_EQ(directoryEntries(), QStringList({drives.second(), "site", "pages"}));
}

TEST_F(PickerTest, BrowseWithAMissingFolderOnAnotherDriveOpensAtThatDrivesCurrentFolder) {
    start(drives.second(QStringLiteral("moved away"), false));

    frmBrowse& picker = browse();

    EXPECT_EQ(picker.Drive1->Drive(), drives.secondDesignation());
    EXPECT_EQ(picker.Dir1->path(), drives.second());
}

// And OK writes the working folder.
TEST_F(PickerTest, BrowseWithAnEmptyFolderTextOpensAtTheWorkingFolder) {
    start();

    frmBrowse& picker = browse();

    EXPECT_EQ(picker.Dir1->path(), QDir::currentPath());
    EXPECT_EQ(picker.Drive1->Drive(), TemporaryDrives::rootDesignation());

    picker.cmdOK->click();

    EXPECT_EQ(window->txtMap->text(), QDir::currentPath());
    EXPECT_TRUE(window->cmdCreate->isVisible());
}

TEST_F(PickerTest, OkWithoutNavigatingWritesThePresetFolderAsTheListReadsIt) {
    writeSiteFile(QStringLiteral("index.htm"), "<title>Home</title>");
    start(sitePath() + u'/');

    browse().cmdOK->click();

    EXPECT_EQ(window->txtMap->text(), sitePath());
    EXPECT_EQ(listedPages(), QStringList({"index.htm"}));
    EXPECT_EQ(storedFolder(), sitePath());
    EXPECT_FALSE(frmBrowse::isLoaded());
}

TEST_F(PickerTest, OkAfterADoubleClickWritesTheFolderOpened) {
    writeSiteFile(QStringLiteral("news/today.htm"), "<title>Today</title>");
    start(sitePath());
    browse();

    doubleClickEntry(QStringLiteral("news"));
    loadedPicker().cmdOK->click();

    EXPECT_EQ(window->txtMap->text(), sitePath(QStringLiteral("news")));
    EXPECT_EQ(listedPages(), QStringList({"today.htm"}));
}

TEST_F(PickerTest, OkAfterASingleClickWritesTheCurrentFolderNotTheHighlightedOne) {
    writeSiteFile(QStringLiteral("news/today.htm"), "<title>Today</title>");
    start(sitePath());
    frmBrowse& picker = browse();

    clickEntry(QStringLiteral("news"));
    ASSERT_EQ(picker.Dir1->currentItem()->text(), QStringLiteral("news"));
    picker.cmdOK->click();

    EXPECT_EQ(window->txtMap->text(), sitePath());
}

TEST_F(PickerTest, OkAtTheRootWritesTheRootWithItsOneSeparator) {
    start(sitePath());
    browse();

    doubleClickEntry(QStringLiteral("/"));
    loadedPicker().cmdOK->click();

    EXPECT_EQ(window->txtMap->text(), QStringLiteral("/"));
}

TEST_F(PickerTest, OkAtAnotherDrivesRootWritesItsMountPoint) {
    start(sitePath());
    frmBrowse& picker = browse();

    pickDrive(drives.firstDesignation());
    ASSERT_EQ(picker.Dir1->path(), drives.first());
    picker.cmdOK->click();

    EXPECT_EQ(window->txtMap->text(), drives.first());
}

TEST_F(PickerTest, EnterOnTheDriveListConfirmsAndEnterOnTheDirectoryListOpensAFolder) {
    QDir(sitePath()).mkpath(QStringLiteral("news"));
    start(sitePath());
    frmBrowse& picker = browse();

    clickEntry(QStringLiteral("news"));
    QTest::keyClick(picker.Dir1, Qt::Key_Return);
    ASSERT_TRUE(frmBrowse::isLoaded()) << "Enter on a folder must not confirm the picker";
    EXPECT_EQ(picker.Dir1->path(), sitePath(QStringLiteral("news")));

    QTest::keyClick(picker.Drive1, Qt::Key_Return);
    EXPECT_FALSE(frmBrowse::isLoaded());
    EXPECT_EQ(window->txtMap->text(), sitePath(QStringLiteral("news")));
}

struct WayOut {
    const char* name;
    void (*leave)(frmBrowse& picker);
};

class PickerLeftWithoutOk : public PickerTest, public ::testing::WithParamInterface<WayOut> {};

TEST_P(PickerLeftWithoutOk, LeavesTheFolderTextAloneAndThePageListEmpty) {
    writeSiteFile(QStringLiteral("index.htm"), "<title>Home</title>");
    writeSiteFile(QStringLiteral("news/today.htm"), "<title>Today</title>");
    start(sitePath());
    frmBrowse& picker = browse();
    doubleClickEntry(QStringLiteral("news"));

    GetParam().leave(picker);

    EXPECT_FALSE(frmBrowse::isLoaded());
    EXPECT_FALSE(picker.isVisible());
    EXPECT_EQ(window->txtMap->text(), sitePath());
    EXPECT_EQ(storedFolder(), sitePath());
    EXPECT_EQ(window->lstFiles->count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Picker, PickerLeftWithoutOk,
                         ::testing::Values(WayOut{"Cancel",
                                                  [](frmBrowse& picker) {
                                                      picker.cmdCancel->click();
                                                  }},
                                           WayOut{"Escape",
                                                  [](frmBrowse& picker) {
                                                      QTest::keyClick(picker.Drive1,
                                                                      Qt::Key_Escape);
                                                  }},
                                           WayOut{"CloseBox",
                                                  [](frmBrowse& picker) {
                                                      picker.close();
                                                  }}),
                         [](const ::testing::TestParamInfo<WayOut>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(PickerTest, BrowseWhileOpenPresetsTheSamePickerAgainAndBringsItToTheFront) {
    writeSiteFile(QStringLiteral("index.htm"), "<title>Home</title>");
    QDir(sitePath()).mkpath(QStringLiteral("news"));
    start(sitePath());
    frmBrowse& picker = browse();
    doubleClickEntry(QStringLiteral("news"));
    window->txtMap->setText(drives.first(QStringLiteral("other")));
    window->activateWindow();

    frmBrowse& again = browse();

    EXPECT_EQ(&again, &picker);
    EXPECT_TRUE(again.isVisible());
    EXPECT_EQ(again.Dir1->path(), drives.first(QStringLiteral("other")));
    EXPECT_EQ(again.Drive1->Drive(), drives.firstDesignation());
    EXPECT_EQ(window->lstFiles->count(), 0);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&again));
}

TEST_F(PickerTest, AFolderTextThatCannotBeReadLeavesTheListWhereItWas) {
    start(sitePath(QStringLiteral("gone")));

    frmBrowse& picker = browse();

    EXPECT_TRUE(picker.isVisible());
    EXPECT_EQ(picker.Dir1->path(), QDir::currentPath());
    EXPECT_TRUE(boxes.shown().empty());
}
