#include "movers/page_listing.h"
#include "support/qstring_printer.h"

#include "folder_tree.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace {

class PageListingTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return folder.filePath(name); }
    void link(const QString& target, const QString& name) const {
        ASSERT_TRUE(QFile::link(target, path(name))) << name.toStdString();
    }

    QTemporaryDir folder;
};

} // namespace

TEST_F(PageListingTest, ListsRegularFilesOnlyAfterFollowingLinks) {
    for (const char* name : {"b.htm", "A.HTML", "old.htm.bak", "c.txt", ".hidden.htm"}) {
        WriteFile(path(QString::fromLatin1(name)), "<title>x</title>");
    }
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("folder.htm")));
    ASSERT_EQ(mkfifo(QFile::encodeName(path(QStringLiteral("fifo.htm"))).constData(), 0600), 0);
    link(path(QStringLiteral("b.htm")), QStringLiteral("link.htm"));
    link(path(QStringLiteral("folder.htm")), QStringLiteral("folderlink.htm"));
    link(path(QStringLiteral("gone.htm")), QStringLiteral("dangling.htm"));
    link(path(QStringLiteral("fifo.htm")), QStringLiteral("fifolink.htm"));
    link(QStringLiteral("/dev/zero"), QStringLiteral("zero.htm"));
    link(QStringLiteral("/dev/urandom"), QStringLiteral("urandom.html"));

    const PageFileList pages = ListPageFiles(folder.path());
    EXPECT_EQ(pages.names, QStringList({"A.HTML", "b.htm", "link.htm", "old.htm.bak"}));
    EXPECT_TRUE(pages.undecodable.isEmpty());
}

TEST_F(PageListingTest, ReportsPageFilesWhoseNamesAreNotUtf8) {
    for (const QByteArray& name :
         {QByteArray("\xFF.HTM"), QByteArray("caf\xE9.htm"), QByteArray("caf\xC3\xA9.htm"),
          QByteArray("\xE9.txt"), QByteArray(".\xE9.htm")}) {
        WriteRawNamedFile(folder.path(), name, "<title>x</title>");
    }
    const PageFileList pages = ListPageFiles(folder.path());
    EXPECT_EQ(pages.names, QStringList({QStringLiteral("caf\u00E9.htm")}));
    EXPECT_EQ(pages.undecodable, QByteArrayList({"caf\xE9.htm", "\xFF.HTM"}));
}
