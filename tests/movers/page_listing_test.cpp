#include "movers/page_listing.h"
#include "support/qstring_printer.h"

#include "folder_tree.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

// What the main window's list shows besides is tested with the window; here what only the
// system's own calls can make: links to anything but a regular file, and undecodable names.
TEST(PageListing, ListsRegularFilesAfterFollowingLinksAndKeepsUndecodableNamesApart) {
    const QTemporaryDir folder;
    const auto path = [&](const char* name) {
        return folder.filePath(QString::fromLatin1(name));
    };
    WriteFile(path("b.htm"), "<title>B</title>");
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("folder.htm")));
    ASSERT_EQ(mkfifo(QFile::encodeName(path("fifo.htm")).constData(), 0600), 0);
    const std::pair<QString, const char*> links[] = {
        {path("b.htm"), "link.htm"},
        {path("folder.htm"), "folderlink.htm"},
        {path("gone.htm"), "dangling.htm"},
        {path("fifo.htm"), "fifolink.htm"},
        {QStringLiteral("/dev/zero"), "zero.htm"},
        {QStringLiteral("/dev/urandom"), "urandom.html"},
    };
    for (const auto& [target, name] : links) {
        ASSERT_TRUE(QFile::link(target, path(name))) << name;
    }
    for (const char* name :
         {"\xFF.HTM", "caf\xE9.htm", "caf\xC3\xA9.htm", "\xE9.txt", ".\xE9.htm"}) {
        WriteRawNamedFile(folder.path(), name, "<title>x</title>");
    }

    const PageFileList pages = ListPageFiles(folder.path());
    EXPECT_EQ(pages.names, QStringList({"b.htm", QStringLiteral("caf\u00E9.htm"), "link.htm"}));
    EXPECT_EQ(pages.undecodable, QByteArrayList({"caf\xE9.htm", "\xFF.HTM"}));
}
