#include "support/main_window_fixture.h"
#include "support/qstring_printer.h"

#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryFile>
#include <QTest>

TEST_F(MainWindowTest, StartsWithTheStoredFolderListedAndBothCreateButtonsShown) {
    writeSiteFile(QStringLiteral("index.htm"), "<title>Home</title>");
    writeSiteFile(QStringLiteral("about.html"), "<title>About</title>");
    const QString folder = sitePath() + u'/';
    frmMain& main = start(folder);

    EXPECT_EQ(main.txtMap->text(), folder);
    EXPECT_EQ(listedPages(), QStringList({"about.html", "index.htm"}));
    EXPECT_TRUE(main.cmdCreate->isVisible());
    EXPECT_TRUE(main.cmdFrames->isVisible());
    EXPECT_EQ(storedFolder(), folder);
    EXPECT_EQ(main.windowTitle(), QStringLiteral("Zandrift"));
}

TEST_F(MainWindowTest, StartsWithAStoredFolderThatIsGone) {
    const QString gone = sitePath(QStringLiteral("moved away"));
    frmMain& main = start(gone);

    EXPECT_EQ(main.txtMap->text(), gone);
    EXPECT_EQ(main.lstFiles->count(), 0);
    EXPECT_TRUE(main.cmdCreate->isVisible());
    EXPECT_TRUE(main.cmdFrames->isVisible());
    EXPECT_EQ(storedFolder(), gone);
}

TEST_F(MainWindowTest, StartsWithoutAStoredFolderWithNothingListedAndTheCreateButtonsHidden) {
    frmMain& main = start();

    EXPECT_EQ(main.txtMap->text(), QString());
    EXPECT_EQ(main.lstFiles->count(), 0);
    EXPECT_FALSE(main.cmdCreate->isVisible());
    EXPECT_FALSE(main.cmdFrames->isVisible());
    EXPECT_EQ(storedFolder(), std::nullopt);
}

TEST_F(MainWindowTest, KeepsWorkingWhenTheSettingsStoreCannotBeWritten) {
    // A regular file where the configuration folder should be: no one, not even root,
    // can create the store below it.
    QTemporaryFile blocker;
    ASSERT_TRUE(blocker.open());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, blocker.fileName());
    writeSiteFile(QStringLiteral("index.htm"), "<title>Home</title>");

    frmMain& main = start();
    main.txtMap->setText(sitePath());
    EXPECT_EQ(listedPages(), QStringList({"index.htm"}));
    EXPECT_TRUE(main.cmdCreate->isVisible());
    EXPECT_TRUE(boxes.shown().empty());

    closeMainWindow();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       qEnvironmentVariable("XDG_CONFIG_HOME"));
}

// The store takes each change at once; its file follows shortly, not at the keystroke nor at
// the event loop's next turn, and when the window closes.
TEST_F(MainWindowTest, WritesTheStoredFolderToItsFileSoonAfterAChangeAndAtTheClose) {
    const QString file =
        QSettings(QStringLiteral("Zandrift"), QStringLiteral("Zandrift")).fileName();
    const auto written = [&file] {
        QFile conf(file);
        return conf.open(QIODevice::ReadOnly) ? conf.readAll() : QByteArray();
    };
    frmMain& main = start();
    main.txtMap->setText(sitePath(QStringLiteral("first")));
    QCoreApplication::processEvents();
    EXPECT_FALSE(written().contains(QFile::encodeName(sitePath("first"))));
    EXPECT_EQ(storedFolder(), sitePath(QStringLiteral("first")));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return written().contains(QFile::encodeName(sitePath("first"))); }, 2000));
    main.txtMap->setText(sitePath(QStringLiteral("second")));
    closeMainWindow();
    EXPECT_TRUE(written().contains(QFile::encodeName(sitePath("second"))));
}
