#include "movers/files/open_folder.h"
#include "movers/files/page_listing.h"
#include "support/qstring_printer.h"

#include "folder_tree.h"
#include "unreadable_folder.h"

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
    const QByteArrayList raw{"\xFF.HTM", "caf\xE9.htm", "caf\xC3\xA9.htm", "\xE9.txt", ".\xE9.htm"};
    for (const QByteArray& name : raw) {
        WriteRawNamedFile(folder.path(), name, "<title>x</title>");
    }

    const PageFileList pages = ListPageFiles(folder.path());
    EXPECT_EQ(pages.names, QStringList({"b.htm", QStringLiteral("caf\u00E9.htm"), "link.htm"}));
    EXPECT_EQ(pages.undecodable, QByteArrayList({"caf\xE9.htm", "\xFF.HTM"}));
    // QTemporaryDir cannot remove what it cannot name.
    for (const QByteArray& name : raw) {
        ::unlink((QFile::encodeName(folder.path()) + '/' + name).constData());
    }
}

// ASCII names are compared by a quicker road than other names; the order is the same.
TEST(PageListing, SortsAsciiAndOtherNamesAsOneCaseInsensitiveOrder) {
    const QTemporaryDir folder;
    // ASCII punctuation on both sides of the letters, letters in both cases, non-ASCII.
    const QStringList names = QStringLiteral("Zebra.htm [x].htm _u.htm zebra.HTM z.htm Z.htm a.htm "
                                             "A.htm a.htm.bak ab.htm a-b.htm \u00E9.htm E.htm "
                                             "e.htm F.htm \u00C9.htm \u00E4b.htm \u03A9.htm "
                                             "\u03C9.htm 1.htm ~.htm @.htm")
                                  .split(u' ');
    for (const QString& name : names) {
        WriteFile(folder.filePath(name), "");
    }
    QStringList expected = names;
    std::sort(expected.begin(), expected.end(), [](const QString& a, const QString& b) {
        const int order = QString::compare(a, b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
    EXPECT_EQ(ListPageFiles(folder.path()).names, expected);
}

// A listing that fails is never taken for a whole one, nor is a folder that is not there.
TEST(PageListing, AFolderThatCannotBeReadToItsEndListsNothingAndTellsWhy) {
    const UnreadableFolder unreadable;
    const PageFileList pages = ListPageFiles(unreadable.path());
    EXPECT_EQ(pages.readError, EINVAL);
    EXPECT_TRUE(pages.names.isEmpty());
    EXPECT_EQ(ListPageFiles(unreadable.path() + QStringLiteral("/missing")).readError, ENOENT);
    EXPECT_EQ(ListPageFiles(QStringLiteral("/tmp")).readError, 0);
}

// A whole tree: each folder's own pages, then its subfolders, both in the page list's order.
// Hidden folders, links to folders and the output folders directly inside are not entered; a
// folder whose name is not UTF-8 takes everything below it out of the names. A byte order mark
// at the start of a name is a character of the name like any other.
TEST(PageListing, ATreeListsEachFoldersPagesThenItsSubfoldersAndEntersNoHiddenLinkedOrOutput) {
    const QTemporaryDir folder;
    for (const char* page :
         {"b.htm", "A.htm", "Zeta/z.htm", "alpha/B.htm", "alpha/a.htm", "alpha/deep/x.htm",
          "alpha/deep/.hidden.htm", ".hidden/h.htm", "zandrifts/old.htm", "framedforward/old.htm",
          "docs/zandrifts/kept.htm", "empty/notes.txt", "folder.htm/inside.htm"}) {
        WriteFile(folder.filePath(QString::fromLatin1(page)), "<title>x</title>");
    }
    ASSERT_TRUE(QFile::link(folder.filePath("alpha"), folder.filePath("linked")));
    ASSERT_TRUE(QFile::link(folder.filePath("b.htm"), folder.filePath("link.htm")));
    const QByteArray raw = QFile::encodeName(folder.path()) + "/caf\xE9";
    ASSERT_EQ(::mkdir(raw.constData(), 0755), 0);
    ASSERT_EQ(::mkdir(raw + "/sub", 0755), 0);
    WriteRawNamedFile(folder.path(), "caf\xE9/p.htm", "<title>lost</title>");
    WriteRawNamedFile(folder.path(), "caf\xE9/sub/q.htm", "<title>lost</title>");
    const QByteArray mark = "\xEF\xBB\xBF";
    ASSERT_EQ(::mkdir((QFile::encodeName(folder.path()) + "/" + mark + "alpha").constData(), 0755),
              0);
    for (const QByteArray& marked : {mark + "b.htm", mark + mark + "b.htm", mark + "alpha/c.htm"}) {
        WriteRawNamedFile(folder.path(), marked, "<title>x</title>");
    }

    const PageFileList tree = ListPageFiles(folder.path(), ListingDepth::WholeTree);
    const QStringList named{"A.htm", "b.htm", "link.htm", QStringLiteral("\uFEFFb.htm"),
                            QStringLiteral("\uFEFF\uFEFFb.htm")};
    EXPECT_EQ(tree.names, named + QStringList({"alpha/a.htm", "alpha/B.htm", "alpha/deep/x.htm",
                                               "docs/zandrifts/kept.htm", "folder.htm/inside.htm",
                                               "Zeta/z.htm", QStringLiteral("\uFEFFalpha/c.htm")}));
    const PageFileList everyFile =
        ListPageFiles(folder.path(), ListingDepth::WholeTree, ListedFiles::EveryFile);
    EXPECT_EQ(everyFile.names, tree.names);
    EXPECT_EQ(everyFile.otherFiles, QStringList({"empty/notes.txt"}));
    const QByteArrayList lost{"caf\xE9/p.htm", "caf\xE9/sub/q.htm"};
    EXPECT_EQ(tree.undecodable, lost);
    EXPECT_EQ(UndecodablePageFiles(OpenFolder::atPath(folder.path()), ListingDepth::WholeTree),
              lost);
    EXPECT_EQ(ListPageFiles(folder.path()).names, named);
    // QTemporaryDir cannot remove what it cannot name, nor what Qt names without its mark.
    for (const QByteArray& name :
         lost + QByteArrayList{mark + "b.htm", mark + mark + "b.htm", mark + "alpha/c.htm"}) {
        ::unlink((QFile::encodeName(folder.path()) + '/' + name).constData());
    }
    ::rmdir((raw + "/sub").constData());
    ::rmdir(raw.constData());
    ::rmdir((QFile::encodeName(folder.path()) + "/" + mark + "alpha").constData());
}
