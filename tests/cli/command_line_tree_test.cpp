// Whole sites from the command line: the pages of subfolders listed and written into the same
// folders of the output, an output of folders replaced only when it holds nothing else, and a
// folder that cannot be read.
#include "command_line_fixture.h"
#include "movers/pages/mover_pages.h"
#include "movers/pages/page_address.h"
#include "movers/unreadable_folder.h"
#include "support/qstring_printer.h"

#include <QDir>
#include <QFile>

// Which folders a tree's listing enters is for the listing's tests; each folder and the page
// name are encoded in a page's address, as names are.
TEST_F(CommandLineTest, ARecursiveRunMirrorsTheTreeAndReplacesItOnlyWhenItHoldsFilesAndFolders) {
    for (const char* page : {"index.htm", "docs/a.htm", "docs/Über 50%/sale#1.htm"}) {
        writeSitePage(QString::fromUtf8(page), "<title>T</title>");
    }
    const QString output = sitePath(QStringLiteral("framedforward"));
    const ProgramResult first = frames({QStringLiteral("--recursive")});
    EXPECT_EQ(first.exitCode, 0) << first.err.toStdString();
    EXPECT_EQ(first.outLines(), QStringList(QStringLiteral("Wrote 3 pages to ") + output));
    const FolderTree written = ReadFolderTree(output);
    EXPECT_EQ(written.keys(), QStringList({"docs", "docs/a.htm", "docs/Über 50%",
                                           "docs/Über 50%/sale#1.htm", "index.htm"}));
    EXPECT_EQ(
        written.value(QStringLiteral("docs/Über 50%/sale#1.htm")),
        "<html><head><title>T</title><frameset rows=\"100%\"><frame src=\"http://"
        "new.example/docs/%C3%9Cber%2050%25/sale%231.htm\" name=\"redirect\"></frameset>\r\n");

    WriteFile(output + QStringLiteral("/docs/deep/old/older.htm"), "left by an earlier run");
    ASSERT_TRUE(QDir(output).mkpath(QStringLiteral("empty")));
    EXPECT_EQ(frames({QStringLiteral("--replace")}).exitCode, 1) << "a tree needs --recursive";
    const ProgramResult replaced =
        frames({QStringLiteral("--recursive"), QStringLiteral("--replace")});
    EXPECT_EQ(replaced.exitCode, 0) << replaced.err.toStdString();
    EXPECT_EQ(ReadFolderTree(output), written);

    WriteFile(rootPath(QStringLiteral("elsewhere/keep.htm")), "keep");
    ASSERT_TRUE(QFile::link(rootPath(QStringLiteral("elsewhere")),
                            output + QStringLiteral("/docs/Über 50%/elsewhere")));
    const FolderTree before = ReadFolderTree(root.path());
    const ProgramResult refused =
        frames({QStringLiteral("--recursive"), QStringLiteral("--replace")});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.errLines(),
              QStringList(QStringLiteral("zandrift: ") + output +
                          " cannot be replaced because it holds \"docs/Über 50%/elsewhere\", "
                          "which is not a plain file or folder."));
    EXPECT_EQ(ReadFolderTree(root.path()), before);
}

// The folder given, or with --recursive a subfolder (where the test may mount one there).
TEST_F(CommandLineTest, AFolderThatCannotBeReadToItsEndIsNamedAndNothingIsRun) {
    UnreadableFolder unreadable;
    writeSitePage(QStringLiteral("a.htm"), "<title>A</title>");
    const QString docs = sitePath(QStringLiteral("docs"));
    ASSERT_TRUE(QDir().mkpath(docs));
    QList<std::pair<QStringList, QString>> runs{{{unreadable.path()}, unreadable.path()}};
    if (unreadable.mountOnto(docs)) {
        runs.append({{QStringLiteral("--recursive"), sitePath()}, docs});
    }
    for (const auto& [folder, named] : runs) {
        for (const QStringList& command :
             {QStringList{QStringLiteral("--list")},
              QStringList{QStringLiteral("--frames"), QStringLiteral("--address"),
                          QStringLiteral("http://new.example/")}}) {
            SCOPED_TRACE((command + folder).join(u' ').toStdString());
            const ProgramResult result = zandrift(command + folder);
            EXPECT_EQ(result.exitCode, 1);
            EXPECT_EQ(result.out, QString());
            EXPECT_EQ(result.errLines(), QStringList(QStringLiteral("zandrift: ") + named +
                                                     " cannot be read: Invalid argument."));
        }
    }
    EXPECT_EQ(FolderEntries(sitePath()), QStringList({"a.htm", "docs"}));
}

// --keep-query and --canonical give every page of either kind its script and its canonical
// link, with the page's own address, also for a hostile name in a subfolder.
TEST_F(CommandLineTest, KeepQueryAndCanonicalGoIntoEveryPageOfEitherKind) {
    const QString name = QStringLiteral("say \"hi\" </script>.htm");
    writeSitePage(QStringLiteral("docs/") + name, "<title>Hi</title>");
    const QString address =
        PageAddress(QStringLiteral("http://new.example/"), QStringLiteral("docs/") + name);
    const PageFields fields{QStringLiteral("Hi"), 3, address, {true, true}};
    const QStringList extras = {QStringLiteral("--recursive"), QStringLiteral("--keep-query"),
                                QStringLiteral("--canonical")};

    EXPECT_EQ(movers(extras).exitCode, 0);
    EXPECT_EQ(ReadFile(sitePath(QStringLiteral("zandrifts/docs/")) + name),
              PageFileBytes(RedirectPage(fields), false));
    EXPECT_EQ(frames(extras).exitCode, 0);
    EXPECT_EQ(ReadFile(sitePath(QStringLiteral("framedforward/docs/")) + name),
              PageFileBytes(FramedForwardPage(fields), false));
}
