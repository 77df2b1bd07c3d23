#include "app/page_information.h"
#include "support/main_window_fixture.h"
#include "support/qstring_printer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <utility>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

using PageListTest = MainWindowTest;

TEST_F(PageListTest, ListsPlainPageFilesWhateverTheCaseAndNothingElse) {
    for (const char* name : {"b.htm", "A.html", "Index.HTML", "old.htm.bak", "c.txt", "page.shtml",
                             "htm", ".d.htm", "x.HtMl"}) {
        writeSiteFile(QString::fromLatin1(name), "<title>x</title>");
    }
    ASSERT_TRUE(QDir(sitePath()).mkdir(QStringLiteral("e.htm")));
    writeSiteFile(QStringLiteral("sub/f.htm"), "in a subfolder");
    ASSERT_TRUE(
        QFile::link(sitePath(QStringLiteral("b.htm")), sitePath(QStringLiteral("link.htm"))));
    ASSERT_TRUE(
        QFile::link(sitePath(QStringLiteral("e.htm")), sitePath(QStringLiteral("dirlink.htm"))));
    ASSERT_TRUE(
        QFile::link(sitePath(QStringLiteral("gone")), sitePath(QStringLiteral("broken.htm"))));

    start(sitePath());
    EXPECT_EQ(listedPages(),
              QStringList({"A.html", "b.htm", "Index.HTML", "link.htm", "old.htm.bak", "x.HtMl"}));
}

TEST_F(PageListTest, OrdersNamesEqualButForCaseByTheirExactText) {
    for (const char* name : {"a.htm", "B.htm", "A.htm", "b.htm", "a.HTM"}) {
        writeSiteFile(QString::fromLatin1(name), "");
    }
    start(sitePath());
    EXPECT_EQ(listedPages(), QStringList({"A.htm", "a.HTM", "a.htm", "B.htm", "b.htm"}));
}

TEST_F(PageListTest, RefillsAndSavesAtEveryKeystroke) {
    writeSiteFile(QStringLiteral("s/index.htm"), "");
    writeSiteFile(QStringLiteral("s/t/deeper.htm"), "");
    frmMain& main = start();
    main.txtMap->setText(sitePath());
    ASSERT_EQ(main.lstFiles->count(), 0);

    QTest::keyClick(main.txtMap, Qt::Key_End);
    QTest::keyClick(main.txtMap, Qt::Key_Slash);
    EXPECT_EQ(storedFolder(), sitePath() + u'/');
    EXPECT_EQ(main.lstFiles->count(), 0);

    QTest::keyClick(main.txtMap, Qt::Key_S);
    EXPECT_EQ(storedFolder(), sitePath(QStringLiteral("s")));
    EXPECT_EQ(listedPages(), QStringList({"index.htm"}));

    QTest::keyClicks(main.txtMap, QStringLiteral("/t"));
    EXPECT_EQ(storedFolder(), sitePath(QStringLiteral("s/t")));
    EXPECT_EQ(listedPages(), QStringList({"deeper.htm"}));

    QTest::keyClick(main.txtMap, Qt::Key_Backspace);
    EXPECT_EQ(storedFolder(), sitePath(QStringLiteral("s/")));
    EXPECT_EQ(listedPages(), QStringList({"index.htm"}));

    QTest::keyClick(main.txtMap, Qt::Key_X);
    EXPECT_EQ(main.lstFiles->count(), 0);
    EXPECT_TRUE(main.cmdCreate->isVisible());
}

TEST_F(PageListTest, ListsNothingForAFolderTextWithWildcardsAndKeepsRunning) {
    writeSiteFile(QStringLiteral("index.htm"), "");
    frmMain& main = start();
    for (const QString& text :
         {sitePath() + QStringLiteral("/*"), sitePath() + QStringLiteral("?"),
          QStringLiteral("bad") + QChar(0), sitePath(QStringLiteral("index.htm"))}) {
        main.txtMap->setText(text);
        EXPECT_EQ(main.lstFiles->count(), 0) << text.toStdString();
        EXPECT_EQ(storedFolder(), text);
        EXPECT_TRUE(main.cmdFrames->isVisible());
    }
}

TEST_F(PageListTest, DoubleClickShowsTheTitleAndTheTimeTheFileWasMade) {
    const QString path = writeSiteFile(QStringLiteral("about.htm"), "<title>About Us</title>");
    writeSiteFile(QStringLiteral("plain.htm"), "no title here");
    frmMain& main = start(sitePath());
    boxes.answer({MsgAnswer::OK, MsgAnswer::OK});

    main.lstFiles->setCurrentRow(0);
    emit main.lstFiles->itemDoubleClicked(main.lstFiles->item(0));
    main.lstFiles->setCurrentRow(1);
    emit main.lstFiles->itemDoubleClicked(main.lstFiles->item(1));

    ASSERT_EQ(boxes.shown().size(), 2u);
    const QFileInfo info(path);
    const QDateTime made = info.birthTime().isValid() ? info.birthTime() : info.lastModified();
    EXPECT_EQ(boxes.shown()[0].text, QStringLiteral("About Us\r\n") + DateTimeText(made));
    EXPECT_EQ(boxes.shown()[0].buttons, MsgButtons::OK);
    EXPECT_EQ(boxes.shown()[0].icon, MsgIcon::None);
    EXPECT_EQ(boxes.shown()[0].title, QString());
    EXPECT_TRUE(boxes.shown()[1].text.startsWith(sitePath(QStringLiteral("plain.htm")) +
                                                 QStringLiteral("\r\n")));
}

TEST_F(PageListTest, DoubleClickOnAPageGoneOrUnreadableShowsItsPathAndAnEmptySecondLine) {
    // What took the page's place after the list was filled.
    const std::vector<std::pair<const char*, std::function<void(const QString&)>>> replacements = {
        {"nothing",
         [](const QString&) {
         }},
        {"a pipe",
         [](const QString& path) {
             ::mkfifo(QFile::encodeName(path), 0644);
         }},
        {"a folder",
         [](const QString& path) {
             QDir().mkdir(path);
         }},
        {"an unreadable file", [](const QString& path) {
             QFile file(path);
             file.open(QIODevice::WriteOnly);
             file.write("<title>Locked</title>");
             file.setPermissions({});
         }}};
    const QString path = writeSiteFile(QStringLiteral("page.htm"), "<title>Page</title>");
    frmMain& main = start(sitePath());
    for (const auto& [what, replace] : replacements) {
        if (std::string(what) == "an unreadable file" && ::geteuid() == 0) {
            continue; // permissions do not keep root out
        }
        QFile::remove(path) || QDir().rmdir(path);
        replace(path);
        boxes.answer({MsgAnswer::OK});
        main.lstFiles->setCurrentRow(0);
        emit main.lstFiles->itemDoubleClicked(main.lstFiles->item(0));
        EXPECT_EQ(boxes.shown().back().text, path + QStringLiteral("\r\n")) << what;
    }
}

TEST_F(PageListTest, DoubleClickWithNothingSelectedDoesNothing) {
    writeSiteFile(QStringLiteral("index.htm"), "");
    frmMain& main = start(sitePath());
    main.lstFiles->clearSelection();
    emit main.lstFiles->itemDoubleClicked(main.lstFiles->item(0));
    EXPECT_TRUE(boxes.shown().empty());
}

TEST(DateTimeText, ShowsAFourDigitYearAndTheSeconds) {
    const QDateTime moment(QDate(2024, 3, 9), QTime(7, 5, 42));
    const QString text = DateTimeText(moment);
    EXPECT_TRUE(text.contains(QStringLiteral("2024"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("42"))) << text.toStdString();
    EXPECT_TRUE(text.contains(u' '));
}
