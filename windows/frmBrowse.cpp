#include "windows/frmBrowse.h"

#include "platform/message_boxes.h"
#include "widgets/command_button.h"
#include "widgets/described_control.h"
#include "widgets/twips.h"
#include "windows/directory_list.h"
#include "windows/drive_list.h"

#include <QDir>
#include <QPushButton>
#include <QSignalBlocker>

frmBrowse::frmBrowse(MessageBoxes& boxes)
    : frmBrowse(boxes, Drives(VolumeList::current().volumes())) {}

frmBrowse::frmBrowse(MessageBoxes& boxes, const Drives& drives)
    : Drive1(new DriveList(drives, this)), Dir1(new DirectoryList(drives, this)),
      cmdOK(makeCommandButton(QStringLiteral("OK"), QStringLiteral("Confirm the selected folder"),
                              this)),
      cmdCancel(makeCommandButton(QStringLiteral("Cancel"),
                                  QStringLiteral("Cancel the selection of a folder"), this)),
      messageBoxes(boxes) {
    setWindowTitle(QStringLiteral("Orvantis"));
    describeControl(*Drive1, QStringLiteral("Available disks"), QStringLiteral("Available disks"));
    describeControl(*Dir1, QStringLiteral("Available folders"),
                    QStringLiteral("Available folders"));
    cmdOK->setDefault(true);
    layOutControls();
    connect(Dir1, &DirectoryList::pathChanged, this, &frmBrowse::showDriveOf);
    startAtWorkingFolder();

    connect(Drive1, &DriveList::currentIndexChanged, this, &frmBrowse::Drive1_Change);
    connect(Dir1, &DirectoryList::folderUnreadable, this, [this](const QString& folder) {
        reportUnreadable(QStringLiteral("The folder %1 cannot be read.").arg(folder));
    });
    connect(cmdOK, &QPushButton::clicked, this, &frmBrowse::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmBrowse::cmdCancel_Click);
    Drive1->setFocus();
}

void frmBrowse::layOutControls() {
    setDesignSize(*this, 4680, 3195);
    Drive1->setGeometry(rectFromTwips(120, 120, 2415, 315));
    Dir1->setGeometry(rectFromTwips(120, 600, 2415, 2340));
    cmdOK->setGeometry(rectFromTwips(2760, 120, 1455, 375));
    cmdCancel->setGeometry(rectFromTwips(2760, 720, 1455, 375));
    setTabOrder(Drive1, Dir1);
    setTabOrder(Dir1, cmdOK);
    setTabOrder(cmdOK, cmdCancel);
}

// The lists start at the program's working folder and its drive; should the working folder
// have gone, at the root.
void frmBrowse::startAtWorkingFolder() {
    if (!Dir1->setPath(QDir::currentPath())) {
        Dir1->setPath(QDir::rootPath());
    }
}

// The drive list follows the directory list, also into another drive's mount point; it
// only shows the drive, so that choosing any other drive afterwards is a change.
void frmBrowse::showDriveOf(const QString& folder) {
    const QSignalBlocker quiet(Drive1);
    Drive1->setDrive(folder);
}

void frmBrowse::reject() {
    cmdCancel_Click();
}

void frmBrowse::Drive1_Change() {
    if (Dir1->setPath(Drive1->Drive())) {
        return;
    }
    reportUnreadable(QStringLiteral("The disk %1 cannot be read.").arg(Drive1->Drive()));
    showDriveOf(Dir1->path());
}

void frmBrowse::cmdOK_Click() {
    emit folderChosen(Dir1->path());
    Unload();
}

void frmBrowse::cmdCancel_Click() {
    Unload();
}

void frmBrowse::reportUnreadable(const QString& text) {
    messageBoxes.MsgBox(text, MsgButtons::OK, MsgIcon::Critical);
}
