#pragma once

#include "windows/single_instance_window.h"

#include <QDialog>

class DirectoryList;
class DriveList;
class Drives;
class MessageBoxes;
class QPushButton;

// The folder picker: the user walks drives and folders, and "OK" hands the current folder
// over by folderChosen. Modeless; "Cancel", Escape and the close box unload it and change
// nothing. The drive list always shows the drive of the folder shown.
class frmBrowse final : public SingleInstanceWindow<frmBrowse, QDialog> {
    Q_OBJECT

public:
    DriveList* const Drive1;
    DirectoryList* const Dir1;
    QPushButton* const cmdOK;
    QPushButton* const cmdCancel;

    // Escape and the close box.
    void reject() override;

signals:
    // "OK" was chosen on `folder`; emitted before the picker unloads, also when the folder
    // is the one the receiver already holds.
    void folderChosen(const QString& folder);

private:
    friend SingleInstanceWindow<frmBrowse, QDialog>;
    explicit frmBrowse(MessageBoxes& boxes);
    frmBrowse(MessageBoxes& boxes, const Drives& drives);

    void layOutControls();
    void startAtWorkingFolder();
    void showDriveOf(const QString& folder);
    void Drive1_Change();
    void cmdOK_Click();
    void cmdCancel_Click();
    void reportUnreadable(const QString& text);

    MessageBoxes& messageBoxes;
};
