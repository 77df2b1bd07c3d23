// What a screen reader is told of each control, read through Qt's accessibility interface.
#include "support/qstring_printer.h"
#include "windows/companion_window_fixture.h"
#include "windows/directory_list.h"
#include "windows/drive_list.h"
#include "windows/frmBrowse.h"
#include "windows/frmBrowser.h"
#include "windows/frmTextpad.h"
#include "windows/web_browser_view.h"

#include <QAccessible>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

using AccessibilityTest = CompanionWindowTest;

namespace {

QString accessibleText(QWidget* control, QAccessible::Text text) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    return accessible != nullptr ? accessible->text(text) : QStringLiteral("(not accessible)");
}

} // namespace

TEST_F(AccessibilityTest, EveryControlHasANameAndADescription) {
    start();
    const frmBrowse& picker = browse();
    struct Row {
        QWidget* control;
        const char* name;
        const char* description;
    };
    const Row rows[] = {
        {window->txtMap, "Folder", "The selected folder"},
        {window->cmdBrowse, "Browse", "Browse to select a folder"},
        {window->lstFiles, "Pages", "List of the files"},
        {window->cmdCreate, "Create Movers", "Create redirect pages"},
        {window->cmdFrames, "Create Frames", "Create pages for framed forwarding"},
        {window->cmdNewAddress, "New address:", "New address of the site"},
        {window->cmdDelay, "Delay:", "Delay before a redirect page displays the new page"},
        {picker.Drive1, "Available disks", "Available disks"},
        {picker.Dir1, "Available folders", "Available folders"},
        {picker.cmdOK, "OK", "Confirm the selected folder"},
        {picker.cmdCancel, "Cancel", "Cancel the selection of a folder"},
        {frmBrowser::instance().brwBrowser, "Orvantis Browser", "Orvantis Browser"},
        {frmTextpad::instance().txtDisplay, "Orvantis Scratchpad", "Orvantis Scratchpad"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(accessibleText(row.control, QAccessible::Name), QString::fromUtf8(row.name));
        EXPECT_EQ(accessibleText(row.control, QAccessible::Description),
                  QString::fromUtf8(row.description))
            << row.name;
    }

    giveDelay(QStringLiteral("5"));
    EXPECT_EQ(accessibleText(window->cmdDelay, QAccessible::Name), QStringLiteral("Delay: 5"));
}
