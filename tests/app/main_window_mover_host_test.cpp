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

TEST_F(MainWindowMoverHostTest, TheCaptionIsRepaintedNowAndThenAndShownExactly) {
    MainWindowMoverHost host(*window);
    const QString first = QStringLiteral("Zandrift - http://x/[*] - 0/1");
    EXPECT_TRUE(letsQueuedWorkRun([&] { host.setCaption(first); }));
    EXPECT_EQ(window->windowHandle()->title(), first);
    QTest::qSleep(60);
    const QString last = QStringLiteral("Zandrift - http://x/[*] - 1/1");
    EXPECT_TRUE(letsQueuedWorkRun([&] { host.setCaption(last); }));
    EXPECT_EQ(window->windowHandle()->title(), last);
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
