// `zandrift --check`: the real program asks a web server of the test's own on 127.0.0.1, or
// looks for files, and tells which pages are not at the new address.
#include "command_line_fixture.h"
#include "support/http/loopback_server.h"
#include "support/qstring_printer.h"

#include <QDir>
#include <QUrl>

#include <tuple>

// One page never answers, so this test takes the 10 seconds a request is given.
TEST_F(CommandLineTest, CheckTellsEveryPageNotOnTheWebServerInThePagesOrder) {
    LoopbackServer server;
    ASSERT_TRUE(server.listen());
    server.serve(QStringLiteral("/new/a-hung.htm"), {.withheld = true});
    server.serve(QStringLiteral("/new/found.htm"), {});
    server.serve(QStringLiteral("/new/Über uns.htm"), {});
    server.serve(QStringLiteral("/new/head-refused.htm"), {.status = 405}, "HEAD");
    server.serve(QStringLiteral("/new/head-refused.htm"), {});
    server.serve(QStringLiteral("/new/head-unknown.htm"), {.status = 501}, "HEAD");
    // A chain of redirects: rN.htm takes N of them to reach found.htm.
    for (int step = 1; step <= 6; ++step) {
        server.serve(
            QStringLiteral("/new/r%1.htm").arg(step),
            {302, step == 1 ? "/new/found.htm" : "/new/r" + QByteArray::number(step - 1) + ".htm"});
    }
    server.serve(QStringLiteral("/new/moved.htm"), {302, "/new/found.htm"});
    for (const char* page : {"a-hung.htm", "found.htm", "Über uns.htm", "head-refused.htm",
                             "head-unknown.htm", "missing.htm", "moved.htm", "r5.htm", "r6.htm"}) {
        writeSitePage(QString::fromUtf8(page), "<title>old</title>");
    }
    const QString found = rootPath(QStringLiteral("found"));
    WriteFile(found + QStringLiteral("/found.htm"), "<title>old</title>");
    WriteFile(found + QStringLiteral("/moved.htm"), "<title>old</title>");
    const FolderTree before = ReadFolderTree(root.path());

    const QString newSite = server.url(QStringLiteral("/new"));
    const QString refused = QStringLiteral("http://127.0.0.1:9/new/"); // nothing listens there
    const auto line = [](const QString& page, const QString& address, const QString& why) {
        return page + u'\t' + address + page + u'\t' + why;
    };
    const QString at = newSite + u'/';
    const QStringList faults{line("a-hung.htm", at, "timed out"),
                             line("head-unknown.htm", at, "404"), line("missing.htm", at, "404"),
                             line("r6.htm", at, "Too many redirects"),
                             "5 of 9 pages found at the new address"};
    const QStringList unreachable{line("found.htm", refused, "Connection refused"),
                                  line("moved.htm", refused, "Connection refused"),
                                  "0 of 2 pages found at the new address"};
    // The case, the site folder, the new address, the lines of standard output, the exit
    // status.
    const std::tuple<const char*, QString, QString, QStringList, int> cases[] = {
        {"404, 405 and 501 to HEAD, redirects up to 5, 6 of them, no answer", sitePath(), newSite,
         faults, 1},
        {"every page found", found, newSite, {"2 of 2 pages found at the new address"}, 0},
        {"no server", found, refused, unreachable, 1},
    };
    for (const auto& [what, folder, address, lines, exitCode] : cases) {
        SCOPED_TRACE(what);
        const ProgramResult result =
            RunZandriftServing({"--check", "--address", address, folder}, rootPath("home"));
        EXPECT_EQ(result.outLines(), lines);
        EXPECT_EQ(result.err, QString());
        EXPECT_EQ(result.exitCode, exitCode);
    }
    EXPECT_EQ(ReadFolderTree(root.path()), before) << "a check writes nothing";

    const QStringList& asked = server.requests();
    // HEAD first, GET only where HEAD is refused.
    EXPECT_EQ(asked.filter("head-refused").join(", "),
              "HEAD /new/head-refused.htm, GET /new/head-refused.htm");
    EXPECT_EQ(asked.filter("head-unknown").join(", "),
              "HEAD /new/head-unknown.htm, GET /new/head-unknown.htm");
    EXPECT_EQ(asked.filter("GET").size(), 2);
}

// With --recursive the pages of the subfolders are asked for too, by their paths.
TEST_F(CommandLineTest, CheckWithAFolderAddressLooksForThePageFiles) {
    for (const char* page : {"a.htm", "50%#off.htm", "folder.htm", "missing.htm", "docs/deep/b.htm",
                             "docs/gone.htm"}) {
        writeSitePage(QString::fromUtf8(page), "<title>old</title>");
    }
    const QString newSite = rootPath(QStringLiteral("new site"));
    for (const char* page : {"a.htm", "50%#off.htm", "docs/deep/b.htm"}) {
        WriteFile(newSite + u'/' + QString::fromUtf8(page), "new");
    }
    ASSERT_TRUE(QDir(newSite).mkpath(QStringLiteral("folder.htm")));
    const QString fileUrl = QString::fromLatin1(QUrl::fromLocalFile(newSite).toEncoded());
    ASSERT_TRUE(fileUrl.endsWith(QStringLiteral("/new%20site")));
    const FolderTree before = ReadFolderTree(root.path());

    const QString localhostUrl = QStringLiteral("file://localhost") + fileUrl.mid(7);
    for (const QString& address : {newSite, newSite + u'/', fileUrl, localhostUrl}) {
        SCOPED_TRACE(address.toStdString());
        const ProgramResult result = zandrift({"--check", "--address", address, sitePath()});
        // Each page's address as its mover page holds it, the blank encoded.
        const QString base =
            QString(address.endsWith(u'/') ? address : address + u'/').replace(u' ', "%20");
        EXPECT_EQ(result.outLines(),
                  QStringList({"folder.htm\t" + base + "folder.htm\tnot a file",
                               "missing.htm\t" + base + "missing.htm\tNo such file or directory",
                               "2 of 4 pages found at the new address"}));
        EXPECT_EQ(result.err, QString());
        EXPECT_EQ(result.exitCode, 1);
    }
    const ProgramResult tree =
        zandrift({"--check", "--recursive", "--address", newSite, sitePath()});
    const QString encodedSite = QString(newSite).replace(u' ', "%20");
    EXPECT_EQ(
        tree.outLines(),
        QStringList({"folder.htm\t" + encodedSite + "/folder.htm\tnot a file",
                     "missing.htm\t" + encodedSite + "/missing.htm\tNo such file or directory",
                     "docs/gone.htm\t" + encodedSite + "/docs/gone.htm\tNo such file or directory",
                     "3 of 6 pages found at the new address"}));
    EXPECT_EQ(tree.exitCode, 1);
    EXPECT_EQ(ReadFolderTree(root.path()), before) << "a check writes nothing";
}
