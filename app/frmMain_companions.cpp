#include "app/frmMain.h"

#include "windows/directory_list.h"
#include "windows/drive_list.h"
#include "windows/frmBrowse.h"
#include "windows/frmBrowser.h"
#include "windows/frmTextpad.h"
#include "windows/show_in_front.h"
#include "windows/web_browser_view.h"

#include <QLineEdit>
#include <QListWidget>

// Giving a companion window the main window's icon loads it, hidden.
void frmMain::loadCompanionWindows() {
    frmBrowse::instance(messageBoxes).setWindowIcon(windowIcon());
    frmBrowser::instance().setWindowIcon(windowIcon());
    frmTextpad::instance().setWindowIcon(windowIcon());
}

// Each unload stands on its own: one window that is not loaded stops none of the others.
void frmMain::Form_Unload() {
    frmBrowse::Unload();
    frmBrowser::Unload();
    frmTextpad::Unload();
}

// Opens the folder picker at the folder of the folder text. The page list stays empty
// until the folder text changes: the folder the picker confirms. A folder that cannot be
// read leaves the directory list where it was, and the picker opens all the same.
void frmMain::cmdBrowse_Click() {
    lstFiles->clear();
    frmBrowse& picker = frmBrowse::instance(messageBoxes);
    connect(&picker, &frmBrowse::folderChosen, this, &frmMain::confirmFolder, Qt::UniqueConnection);
    const QString folder = txtMap->text();
    if (!folder.isEmpty()) {
        picker.Dir1->setPath(folder);
        picker.Drive1->setDrive(folder);
    }
    showInFront(picker);
}

void frmMain::ShowPreview() {
    frmBrowser& preview = frmBrowser::instance();
    preview.brwBrowser->Navigate(QStringLiteral("about:") + strPage);
    showInFront(preview);
}
