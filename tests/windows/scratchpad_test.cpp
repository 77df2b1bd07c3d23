// The scratchpad window: hidden for the whole run, a wrapping text box that follows the
// window's outer size.
#include "support/qstring_printer.h"
#include "windows/companion_window_fixture.h"
#include "windows/frmBrowse.h"
#include "windows/frmTextpad.h"

#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>

using ScratchpadTest = CompanionWindowTest;

TEST_F(ScratchpadTest, StaysHiddenThroughAWholeRun) {
    writeSiteFile(QStringLiteral("index.htm"), "<title>Home</title>");
    start(sitePath());
    EXPECT_TRUE(frmTextpad::isLoaded());
    EXPECT_FALSE(frmTextpad::instance().isVisible());

    browse().cmdOK->click();
    window->ShowPreview();
    window->cmdBrowse->click();
    loadedPicker().cmdCancel->click();

    EXPECT_TRUE(frmTextpad::isLoaded());
    EXPECT_FALSE(frmTextpad::instance().isVisible());
}

TEST_F(ScratchpadTest, HoldsAnEmptyWrappingTextBoxWithAVerticalScrollBarOnly) {
    start();
    frmTextpad& pad = frmTextpad::instance();

    EXPECT_EQ(pad.windowTitle(), QStringLiteral("Orvantis Scratchpad"));
    EXPECT_TRUE(pad.txtDisplay->toPlainText().isEmpty());
    EXPECT_FALSE(pad.txtDisplay->isReadOnly());
    EXPECT_EQ(pad.txtDisplay->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_EQ(pad.txtDisplay->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(pad.txtDisplay->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

    pad.show();
    pad.txtDisplay->setPlainText(QString(2000, u'x'));
    EXPECT_TRUE(pad.txtDisplay->verticalScrollBar()->isVisible());
    EXPECT_EQ(pad.txtDisplay->horizontalScrollBar()->maximum(), 0) << "long lines wrap";
}

TEST_F(ScratchpadTest, KeepsTheTextBoxAtTheTopLeftCornerLessTheMarginsOfTheOuterSize) {
    start();
    frmTextpad& pad = frmTextpad::instance();
    pad.show();

    for (const QSize size : {QSize(400, 300), QSize(513, 611)}) {
        pad.resize(size);
        const QSize outer = pad.frameGeometry().size();
        // 70 and 350 twips are 4⅔ and 23⅓ pixels.
        const QSize expected(qRound(outer.width() - 70.0 / 15),
                             qRound(outer.height() - 350.0 / 15));
        EXPECT_EQ(pad.txtDisplay->geometry(), QRect(QPoint(0, 0), expected))
            << size.width() << "x" << size.height();
    }
}

TEST_F(ScratchpadTest, ATinyWindowGivesTheTextBoxNoSize) {
    start();
    frmTextpad& pad = frmTextpad::instance();
    pad.show();

    pad.resize(1, 1);

    // Frame included, at most 75 twips wide (5 left after the margin, less than half a
    // pixel) and lower than 350 twips.
    ASSERT_LE(pad.frameGeometry().width(), 5);
    ASSERT_LE(pad.frameGeometry().height(), 23);
    EXPECT_EQ(pad.txtDisplay->geometry(), QRect(0, 0, 0, 0));
    EXPECT_TRUE(frmTextpad::isLoaded());
}

TEST_F(ScratchpadTest, ClosingItDropsItsTextAndTheNextLoadStartsEmpty) {
    start();
    QPointer<frmTextpad> shown = &frmTextpad::instance();
    shown->show();
    shown->txtDisplay->setPlainText(QStringLiteral("notes"));

    shown->close();
    EXPECT_FALSE(frmTextpad::isLoaded());
    destroyUnloadedWindows();
    EXPECT_TRUE(shown.isNull());

    EXPECT_TRUE(frmTextpad::instance().txtDisplay->toPlainText().isEmpty());
}
