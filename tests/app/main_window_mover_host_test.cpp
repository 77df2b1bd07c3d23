#include "app/main_window_mover_host.h"
#include "support/qstring_printer.h"

#include "support/main_window_fixture.h"

#include <QMetaObject>
#include <QPushButton>
#include <QTest>
#include <QWindow>

namespace {

class MainWindowMoverHostTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        start();
    }
    // Whether a call queued now has run by the time `action` returns.
    template <class Action> bool letsQueuedWorkRun(Action action) {
        bool ran = false;
        QMetaObject::invokeMethod(
            window.get(), [&ran] { ran = true; }, Qt::QueuedConnection);
        action();
        QCoreApplication::removePostedEvents(window.get(), QEvent::MetaCall);
        return ran;
    }
};

} // namespace

TEST_F(MainWindowMoverHostTest, TheHourglassShowsOnTheMainWindowUntilTheRunIsOver) {
    MainWindowMoverHost host(*window);
    EXPECT_TRUE(letsQueuedWorkRun([&] { host.setBusyPointer(true); }));
    EXPECT_EQ(window->cursor().shape(), Qt::WaitCursor);
    host.setBusyPointer(false);
    EXPECT_EQ(window->cursor().shape(), Qt::ArrowCursor);
}

// The caption counts the pages from 0 up to the last one; "%2" and "[*]" in the address stay.
TEST_F(MainWindowMoverHostTest, TheCaptionCountsThePagesIsRepaintedNowAndThenAndShownExactly) {
    MainWindowMoverHost host(*window);
    window->strNewAddress = QStringLiteral("http://x/%1%2[*]");
    EXPECT_TRUE(letsQueuedWorkRun([&] { host.pageStarting(0, 2); }));
    EXPECT_EQ(window->windowHandle()->title(), QStringLiteral("Zandrift - http://x/%1%2[*] - 0/1"));
    QTest::qSleep(60);
    EXPECT_TRUE(letsQueuedWorkRun([&] { host.pageStarting(1, 2); }));
    EXPECT_EQ(window->windowHandle()->title(), QStringLiteral("Zandrift - http://x/%1%2[*] - 1/1"));
}

TEST_F(MainWindowMoverHostTest, BoxesFocusFileManagerAndClosingGoToTheMainWindow) {
    MainWindowMoverHost host(*window);
    boxes.answer({MsgAnswer::Retry});
    EXPECT_EQ(host.MsgBox(QStringLiteral("Error 61: Disk full"), MsgButtons::AbortRetryIgnore,
                          MsgIcon::None),
              MsgAnswer::Retry);
    EXPECT_EQ(boxes.shown().back().title, QString());

    host.setFocus(MoverControl::Delay);
    EXPECT_EQ(window->focusWidget(), window->cmdDelay);
    host.setFocus(MoverControl::NewAddress);
    EXPECT_EQ(window->focusWidget(), window->cmdNewAddress);

    host.openFileManager(QStringLiteral("/srv/site/zandrifts"));
    EXPECT_EQ(fileManager.opened, QStringList({QStringLiteral("/srv/site/zandrifts")}));

    host.closeMainWindow();
    EXPECT_FALSE(window->isVisible());
}
