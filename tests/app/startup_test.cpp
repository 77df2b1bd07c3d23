#include "support/main_window_fixture.h"
#include "support/qstring_printer.h"

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

// Each keystroke is in the settings file once the key has been handled, with no timer and no
// turn of the event loop in between, so a program killed right after it finds it at its next
// start. The file gives back the text as typed, whatever QSettings makes of '@', quotes, '\',
// ';', ',', '=', blanks at either end and characters beyond ASCII.
TEST_F(MainWindowTest, WritesEveryKeystrokeInTheFolderBoxToTheSettingsFile) {
    frmMain& main = start();
    for (const QString& typed : {QStringLiteral("@Invalid()"),
                                 QStringLiteral(" \"a\" b\\c =;#,d \u00e91f \u65e5\U0001f600 ")}) {
        for (qsizetype end = 0; end < typed.size();) {
            const qsizetype keyStart = end;
            end += typed.at(end).isHighSurrogate() ? 2 : 1;
            QTest::sendKeyEvent(QTest::Click, main.txtMap, Qt::Key_unknown,
                                typed.sliced(keyStart, end - keyStart), Qt::NoModifier);
            ASSERT_EQ(main.txtMap->text(), typed.first(end));
            EXPECT_EQ(storedFolder(), typed.first(end));
        }
        QTest::keyClick(main.txtMap, Qt::Key_Backspace);
        EXPECT_EQ(storedFolder(), typed.chopped(1));
        main.txtMap->selectAll();
        QTest::keyClick(main.txtMap, Qt::Key_Delete);
        EXPECT_EQ(storedFolder(), QString());
    }
}

TEST_F(MainWindowTest, KeepsTheOtherSettingsOfTheFileWhenItWritesTheFolder) {
    {
        QSettings others(QStringLiteral("Zandrift"), QStringLiteral("Zandrift"));
        others.setValue(QStringLiteral("Settings/Width"), 640);
        others.setValue(QStringLiteral("Other/Map"), QStringLiteral("not the folder"));
        others.setValue(QStringLiteral("Recent"), QStringList({"a, b", "c"}));
    }
    frmMain& main = start(QStringLiteral("old"));
    QTest::keyClick(main.txtMap, Qt::Key_S);

    EXPECT_EQ(storedFolder(), QStringLiteral("olds"));
    EXPECT_EQ(settingInFile(QStringLiteral("Settings/Width")).toInt(), 640);
    EXPECT_EQ(settingInFile(QStringLiteral("Other/Map")).toString(),
              QStringLiteral("not the folder"));
    EXPECT_EQ(settingInFile(QStringLiteral("Recent")).toStringList(), QStringList({"a, b", "c"}));
}
