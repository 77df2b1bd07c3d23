// Enter on a focused command button clicks it in every window; in the picker Enter and
// Escape keep their meaning.
#include "support/qstring_printer.h"
#include "windows/companion_window_fixture.h"
#include "windows/frmBrowse.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using KeyboardTest = CompanionWindowTest;

TEST_F(KeyboardTest, EnterOnAFocusedCommandButtonClicksIt) {
    writeSiteFile(QStringLiteral("index.htm"), "<title>Home</title>");
    start(sitePath());

    QTest::keyClick(window->cmdBrowse, Qt::Key_Return);
    ASSERT_TRUE(frmBrowse::isLoaded() && loadedPicker().isVisible());
    QTest::keyClick(loadedPicker().cmdCancel, Qt::Key_Enter);
    EXPECT_FALSE(frmBrowse::isLoaded());
    EXPECT_EQ(window->lstFiles->count(), 0) << "Enter on Cancel must not confirm the folder";

    boxes.type({QStringLiteral("7")});
    QTest::keyClick(window->cmdDelay, Qt::Key_Enter);
    EXPECT_EQ(window->cmdDelay->text(), QStringLiteral("Delay: 7"));

    QTest::keyClick(window->txtMap, Qt::Key_Return);
    EXPECT_FALSE(frmBrowse::isLoaded()) << "Enter in the folder box clicks no button";
    EXPECT_TRUE(boxes.scriptUsedUp());
}
