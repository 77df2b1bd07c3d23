#pragma once

#include "windows/single_instance_window.h"

#include <QDialog>

class DirectoryList;
class DriveList;
class Drives;
class QPushButton;

// The folder picker: the user walks drives and folders, and "OK" hands the current folder
// to the main window's folder text. Modeless; "Cancel", Escape and the close box unload it
// and change nothing.
class frmBrowse final : public SingleInstanceWindow<frmBrowse, QDialog> {
    Q_OBJECT

public:
    DriveList* const Drive1;
    DirectoryList* const Dir1;
    QPushButton* const cmdOK;
    QPushButton* const cmdCancel;

    // Escape and the close box.
    void reject() override;

private:
    friend SingleInstanceWindow<frmBrowse, QDialog>;
    frmBrowse();
    explicit frmBrowse(const Drives& drives);

    void layOutControls();
    void startAtWorkingFolder();
    void Drive1_Change();
    void cmdOK_Click();
    void cmdCancel_Click();
    void reportUnreadable(const QString& text);
};
