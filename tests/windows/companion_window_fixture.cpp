#include "windows/companion_window_fixture.h"

#include "windows/directory_list.h"
#include "windows/drive_list.h"
#include "windows/frmBrowse.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTest>

frmBrowse& CompanionWindowTest::browse() {
    window->cmdBrowse->click();
    EXPECT_TRUE(frmBrowse::isLoaded());
    return loadedPicker();
}

frmBrowse& CompanionWindowTest::loadedPicker() {
    return frmBrowse::instance(boxes);
}

void CompanionWindowTest::pickDrive(const QString& designation) {
    DriveList& list = *loadedPicker().Drive1;
    const int index = list.findText(designation);
    EXPECT_GE(index, 0) << designation.toStdString();
    list.setCurrentIndex(index);
}

QStringList CompanionWindowTest::directoryEntries() {
    const DirectoryList& list = *loadedPicker().Dir1;
    QStringList texts;
    for (int row = 0; row < list.count(); ++row) {
        texts << list.item(row)->text();
    }
    return texts;
}

QPoint CompanionWindowTest::entryCentre(const QString& text) {
    DirectoryList& list = *loadedPicker().Dir1;
    const QList<QListWidgetItem*> found = list.findItems(text, Qt::MatchExactly);
    EXPECT_EQ(found.size(), 1) << "entries: " << directoryEntries().join(u'|').toStdString();
    if (found.isEmpty()) {
        return {-1, -1};
    }
    list.scrollToItem(found.first());
    return list.visualItemRect(found.first()).center();
}

void CompanionWindowTest::clickEntry(const QString& text) {
    QTest::mouseClick(loadedPicker().Dir1->viewport(), Qt::LeftButton, {}, entryCentre(text));
}

// As the window system delivers it: a click, then a double-click press and its release.
void CompanionWindowTest::doubleClickEntry(const QString& text) {
    QWidget* viewport = loadedPicker().Dir1->viewport();
    const QPoint centre = entryCentre(text);
    QTest::mouseClick(viewport, Qt::LeftButton, {}, centre);
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, centre);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, centre);
}

void CompanionWindowTest::destroyUnloadedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
