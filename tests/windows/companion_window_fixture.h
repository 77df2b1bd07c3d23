#pragma once

#include "support/main_window_fixture.h"
#include "windows/temporary_drives.h"

#include <QPoint>
#include <QStringList>

class frmBrowse;

// A main window started as the program starts it, with its companion windows, and with
// drives made of temporary folders for the folder picker. Windows unloaded during a test
// are destroyed before the next one starts (by the main window fixture).
class CompanionWindowTest : public MainWindowTest {
protected:
    // Clicks "Browse" and gives the picker it opened.
    frmBrowse& browse();
    // The picker, loaded (with the scripted boxes) if it is not.
    frmBrowse& loadedPicker();

    // Picks the drive of this designation in the picker's drive list.
    void pickDrive(const QString& designation);
    // The entries of the picker's directory list, as shown.
    QStringList directoryEntries();
    // Clicks, or double-clicks, the directory list's entry that reads `text`.
    void clickEntry(const QString& text);
    void doubleClickEntry(const QString& text);

    // Destroys the windows that were unloaded, as the event loop would.
    static void destroyUnloadedWindows();

    TemporaryDrives drives;

private:
    // Where the entry that reads `text` shows, scrolled into sight.
    QPoint entryCentre(const QString& text);
};
