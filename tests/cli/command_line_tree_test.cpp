// Whole sites from the command line: the pages of subfolders listed and written into the same
// folders of the output, an output of folders replaced only when it holds nothing else, and a
// subfolder that cannot be read.
#include "command_line_fixture.h"
#include "movers/mover_pages.h"
#include "movers/page_address.h"
#include "movers/unreadable_folder.h"
#include "support/qstring_printer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TEST_F(CommandLineTest, ARecursiveRunMirrorsTheTreeAndReplacesItOnlyWhenItHoldsFilesAndFolders) {
    for (const char* page : {"index.htm", "docs/a.htm", "docs/deep/b.htm", ".git/c.htm"}) {
        writeSitePage(QString::fromLatin1(page), "<title>T</title>");
    }
    writeSitePage(QStringLiteral("img/logo.png"), "not a page");
    ASSERT_TRUE(QFile::link(sitePath(QStringLiteral("docs")), sitePath(QStringLiteral("alias"))));
    const ProgramResult list =
        zandrift({QStringLiteral("--list"), QStringLiteral("--recursive"), sitePath()});
    EXPECT_EQ(list.outLines(), QStringList({"index.htm", "docs/a.htm", "docs/deep/b.htm"}));

    const QString output = sitePath(QStringLiteral("framedforward"));
    const ProgramResult first = frames({QStringLiteral("--recursive")});
    EXPECT_EQ(first.exitCode, 0) << first.err.toStdString();
    EXPECT_EQ(first.outLines(), QStringList(QStringLiteral("Wrote 3 pages to ") + output));
    EXPECT_EQ(ReadFolderTree(output).keys(),
              QStringList({"docs", "docs/a.htm", "docs/deep", "docs/deep/b.htm", "index.htm"}));
    EXPECT_EQ(ReadFile(output + QStringLiteral("/docs/deep/b.htm")),
              "<html><head><title>T</title><frameset rows=\"100%\"><frame "
              "src=\"http://new.example/docs/deep/b.htm\" name=\"redirect\"></frameset>\r\n");

    WriteFile(output + QStringLiteral("/docs/deep/old/older.htm"), "left by an earlier run");
    EXPECT_EQ(frames({QStringLiteral("--replace")}).exitCode, 1) << "a tree needs --recursive";
    const ProgramResult replaced =
        frames({QStringLiteral("--recursive"), QStringLiteral("--replace")});
    EXPECT_EQ(replaced.exitCode, 0) << replaced.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(output + QStringLiteral("/docs/deep/old")));

    WriteFile(rootPath(QStringLiteral("elsewhere/keep.htm")), "keep");
    ASSERT_TRUE(QFile::link(rootPath(QStringLiteral("elsewhere")),
                            output + QStringLiteral("/docs/deep/elsewhere")));
    const FolderTree before = ReadFolderTree(root.path());
    const ProgramResult refused =
        frames({QStringLiteral("--recursive"), QStringLiteral("--replace")});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.errLines(),
              QStringList(QStringLiteral("zandrift: ") + output +
                          " cannot be replaced because it holds \"docs/deep/elsewhere\", which is "
                          "not a plain file or folder."));
    EXPECT_EQ(ReadFolderTree(root.path()), before);
}

TEST_F(CommandLineTest, ASubfolderThatCannotBeReadToItsEndIsNamedAndNothingIsRun) {
    writeSitePage(QStringLiteral("a.htm"), "<title>A</title>");
    ASSERT_TRUE(QDir().mkpath(sitePath(QStringLiteral("docs"))));
    const UnreadableSubfolder unreadable(sitePath(QStringLiteral("docs")));
    if (!unreadable.mounted) {
        GTEST_SKIP() << "this system does not let the test mount a folder";
    }
    for (const QStringList& arguments :
         {QStringList{QStringLiteral("--list"), QStringLiteral("--recursive"), sitePath()},
          QStringList{QStringLiteral("--frames"), QStringLiteral("--recursive"),
                      QStringLiteral("--address"), QStringLiteral("http://new.example/"),
                      sitePath()}}) {
        const ProgramResult result = zandrift(arguments);
        EXPECT_EQ(result.exitCode, 1) << arguments.first().toStdString();
        EXPECT_EQ(result.out, QString());
        EXPECT_EQ(result.errLines(),
                  QStringList(QStringLiteral("zandrift: ") + sitePath(QStringLiteral("docs")) +
                              " cannot be read: Invalid argument."));
    }
    EXPECT_FALSE(QFileInfo::exists(sitePath(QStringLiteral("framedforward"))));
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
