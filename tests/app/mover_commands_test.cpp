#include "support/main_window_fixture.h"
#include "support/qstring_printer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTimer>

namespace {

class MoverCommandsTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        writeSiteFile(QStringLiteral("a.htm"), "<title>About & \"us\"</title>");
        writeSiteFile(QStringLiteral("b.html"), "<html>no title</html>");
        start(sitePath());
    }
    void giveTheNewAddress() { giveAddress(QStringLiteral("http://new.example")); }
    QByteArray read(const QString& name) const {
        QFile file(sitePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    bool showsDefaultPointer() const { return window->cursor().shape() == Qt::ArrowCursor; }
};

} // namespace

TEST_F(MoverCommandsTest, CreateMoversWritesThePagesSaysDoneAndClosesTheMainWindow) {
    giveTheNewAddress();
    giveDelay(QStringLiteral("0"));
    boxes.answer({MsgAnswer::OK});
    window->cmdCreate->click();

    EXPECT_EQ(QDir(sitePath(QStringLiteral("zandrifts"))).entryList(QDir::Files),
              QStringList({QStringLiteral("a.htm"), QStringLiteral("b.html")}));
    EXPECT_EQ(read(QStringLiteral("zandrifts/a.htm")),
              QByteArray("<html><head><title>About & \"us\"</title><META HTTP-EQUIV=\"Refresh\" "
                         "CONTENT=\"0;URL=http://new.example/a.htm\"></head><body><h1>About & "
                         "\"us\"</h1><hr>You are redirected to <a "
                         "href=\"http://new.example/a.htm\">http://new.example/a.htm</a><br>"
                         "Please update your bookmarks.</body></html>\r\n"));
    EXPECT_TRUE(read(QStringLiteral("zandrifts/b.html"))
                    .startsWith("<html><head><title>" +
                                sitePath(QStringLiteral("b.html")).toUtf8() + "</title>"));
    EXPECT_EQ(fileManager.opened, QStringList({sitePath(QStringLiteral("zandrifts"))}));

    const ScriptedBoxes::Shown& done = boxes.shown().back();
    EXPECT_EQ(done.text, QStringLiteral("I'm done!"));
    EXPECT_EQ(done.icon, MsgIcon::Information);
    EXPECT_EQ(done.buttons, MsgButtons::OK);
    EXPECT_TRUE(boxes.scriptUsedUp());
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(window->strPage.startsWith(QStringLiteral("<html><head><title>") +
                                           sitePath(QStringLiteral("b.html"))));
    EXPECT_FALSE(window->strPage.endsWith(u'\n'));
}

TEST_F(MoverCommandsTest, CreateFramesSaysDoneAndLeavesTheWindowOpenWithTheLastCount) {
    giveTheNewAddress();
    boxes.answer({MsgAnswer::OK});
    window->cmdFrames->click();

    EXPECT_EQ(read(QStringLiteral("framedforward/a.htm")),
              QByteArray("<html><head><title>About & \"us\"</title><frameset rows=\"100%\"><frame "
                         "src=\"http://new.example/a.htm\" name=\"redirect\"></frameset>\r\n"));
    EXPECT_TRUE(QFileInfo::exists(sitePath(QStringLiteral("framedforward/b.html"))));
    EXPECT_FALSE(QFileInfo::exists(sitePath(QStringLiteral("zandrifts"))));
    EXPECT_EQ(boxes.texts().last(), QStringLiteral("done"));
    EXPECT_EQ(boxes.shown().back().icon, MsgIcon::None);
    EXPECT_EQ(fileManager.opened, QStringList({sitePath(QStringLiteral("framedforward"))}));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Zandrift - http://new.example - 1/1"));
    EXPECT_TRUE(showsDefaultPointer());
}

TEST_F(MoverCommandsTest, ASecondCreateFramesAsksToReplaceTheFolder) {
    giveTheNewAddress();
    boxes.answer({MsgAnswer::OK});
    window->cmdFrames->click();
    boxes.answer({MsgAnswer::Yes, MsgAnswer::OK});
    window->cmdFrames->click();

    const QStringList texts = boxes.texts();
    ASSERT_GE(texts.size(), 2);
    EXPECT_EQ(texts.at(texts.size() - 2),
              sitePath(QStringLiteral("framedforward")) +
                  QStringLiteral(" already exists. Do you want to delete it?"));
    EXPECT_EQ(boxes.shown().at(texts.size() - 2).buttons, MsgButtons::YesNo);
    EXPECT_EQ(texts.last(), QStringLiteral("done"));
    EXPECT_TRUE(boxes.scriptUsedUp());
    EXPECT_EQ(fileManager.opened.size(), 2);
}

TEST_F(MoverCommandsTest, NoToReplacingLeavesTheWindowOpenWithTheDefaultPointer) {
    giveTheNewAddress();
    QDir().mkpath(sitePath(QStringLiteral("framedforward")));
    boxes.answer({MsgAnswer::No});
    window->cmdFrames->click();

    EXPECT_TRUE(boxes.scriptUsedUp());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(showsDefaultPointer());
    EXPECT_TRUE(fileManager.opened.isEmpty());
    EXPECT_TRUE(QDir(sitePath(QStringLiteral("framedforward"))).isEmpty());
}

TEST_F(MoverCommandsTest, WithoutAnAddressTheFocusGoesToTheAddressButton) {
    boxes.answer({MsgAnswer::OK});
    window->cmdCreate->click();

    EXPECT_EQ(boxes.texts(), QStringList({QStringLiteral("Give a new address.")}));
    EXPECT_EQ(boxes.shown().back().icon, MsgIcon::Critical);
    EXPECT_EQ(window->focusWidget(), window->cmdNewAddress);
    EXPECT_FALSE(QFileInfo::exists(sitePath(QStringLiteral("zandrifts"))));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Zandrift"));
}

TEST_F(MoverCommandsTest, WithoutADelayTheFocusGoesToTheDelayButton) {
    giveTheNewAddress();
    boxes.answer({MsgAnswer::OK});
    window->cmdCreate->click();

    EXPECT_EQ(boxes.texts().last(), QStringLiteral("Give a delay in seconds"));
    EXPECT_EQ(boxes.shown().back().icon, MsgIcon::Critical);
    EXPECT_EQ(window->focusWidget(), window->cmdDelay);
    EXPECT_FALSE(QFileInfo::exists(sitePath(QStringLiteral("zandrifts"))));
    EXPECT_TRUE(window->isVisible());
}

TEST_F(MoverCommandsTest, ACloseAskedForDuringARunWaitsUntilTheRunHasEnded) {
    giveTheNewAddress();
    bool openWhenDone = false;
    boxes.whenShown = [this, &openWhenDone](const ScriptedBoxes::Shown& box) {
        if (box.text == QStringLiteral("done")) {
            openWhenDone = window->isVisible();
        }
    };
    boxes.answer({MsgAnswer::OK});
    // Delivered while the run lets the window repaint, as a window manager's close would be.
    QTimer::singleShot(0, window.get(), [this] { window->close(); });
    window->cmdFrames->click();

    EXPECT_TRUE(openWhenDone);
    EXPECT_TRUE(QFileInfo::exists(sitePath(QStringLiteral("framedforward/b.html"))));
    EXPECT_FALSE(window->isVisible());
}
