#include "support/main_window_fixture.h"
#include "support/qstring_printer.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

struct Control {
    QWidget* widget;
    const char* caption;
    QRect twips;
    const char* toolTip;
};

QRect inPixels(const QRect& twips) {
    return {twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15};
}

QString captionOf(QWidget* widget) {
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        return button->text();
    }
    if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        return group->title();
    }
    return {};
}

} // namespace

TEST_F(MainWindowTest, TheWindowMatchesItsDesign) {
    frmMain& main = start();
    EXPECT_EQ(main.windowTitle(), QStringLiteral("Zandrift"));
    EXPECT_EQ(main.size(), QSize(4680 / 15, 3195 / 15));
    EXPECT_FALSE(main.windowIcon().isNull());
    EXPECT_EQ(main.windowIcon().availableSizes(), QList<QSize>({QSize(16, 16), QSize(32, 32)}));

    const Control controls[] = {
        {main.Frame1, "Folder", {120, 120, 4335, 735}, ""},
        {main.txtMap, "", {120, 240, 2535, 285}, "The selected folder"},
        {main.cmdBrowse, "Browse", {2880, 240, 1215, 375}, "Browse to select a folder"},
        {main.lstFiles, "", {240, 960, 2295, 1815}, "List of the files"},
        {main.cmdCreate, "Create Movers", {2760, 960, 1575, 375}, "Create redirect pages"},
        {main.cmdFrames,
         "Create Frames",
         {2760, 1440, 1575, 375},
         "Create pages for framed forwarding"},
        {main.cmdNewAddress, "New address:", {2760, 1920, 1575, 375}, "New address of the site"},
        {main.cmdDelay,
         "Delay:",
         {2760, 2400, 1575, 375},
         "Delay before a redirect page displays the new page"},
    };
    for (const Control& control : controls) {
        SCOPED_TRACE(control.caption);
        EXPECT_EQ(captionOf(control.widget), QString::fromLatin1(control.caption));
        EXPECT_EQ(control.widget->geometry(), inPixels(control.twips));
        EXPECT_EQ(control.widget->toolTip(), QString::fromLatin1(control.toolTip));
    }
    EXPECT_EQ(main.txtMap->parentWidget(), main.Frame1);
    EXPECT_EQ(main.cmdBrowse->parentWidget(), main.Frame1);
    EXPECT_EQ(main.lstFiles->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_EQ(main.focusWidget(), main.cmdBrowse);
    EXPECT_TRUE(main.cmdNewAddress->isVisible());
    EXPECT_TRUE(main.cmdDelay->isVisible());
}

TEST_F(MainWindowTest, TabVisitsTheControlsInTheirDesignedOrder) {
    frmMain& main = start();
    QWidget* const expected[] = {main.cmdBrowse,     main.txtMap,   main.lstFiles, main.cmdCreate,
                                 main.cmdNewAddress, main.cmdDelay, main.cmdFrames};
    QWidget* widget = main.cmdBrowse;
    for (QWidget* next : expected) {
        EXPECT_EQ(widget, next);
        widget = widget->nextInFocusChain();
        while (widget->focusPolicy() == Qt::NoFocus) {
            widget = widget->nextInFocusChain();
        }
    }
    EXPECT_EQ(main.Frame1->focusPolicy(), Qt::NoFocus);
}

TEST_F(MainWindowTest, ControlsKeepTheirPlaceWhenTheWindowIsResized) {
    frmMain& main = start();
    const QRect before = main.cmdDelay->geometry();
    main.resize(600, 500);
    EXPECT_EQ(main.cmdDelay->geometry(), before);
    EXPECT_EQ(main.size(), QSize(600, 500));
}
