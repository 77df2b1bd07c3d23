// `zandrift --verify`: the real program asks an old site of the test's own on 127.0.0.1, which
// answers each way an old address can fail to move, and tells which old addresses do not move
// permanently to their new page.
#include "cli/verify/move_check.h"
#include "command_line_fixture.h"
#include "support/http/loopback_server.h"
#include "support/qstring_printer.h"

#include <QDir>

#include <tuple>

namespace {

QByteArray refreshPage(int seconds, const QByteArray& address) {
    return "<html><head><title>Moved</title><meta http-equiv=\"refresh\" content=\"" +
           QByteArray::number(seconds) + ";url=" + address + "\"></head><body></body></html>";
}

} // namespace

TEST_F(CommandLineTest, VerifyTellsEveryOldAddressThatDoesNotMovePermanently) {
    LoopbackServer server;
    ASSERT_TRUE(server.listen());
    const QString oldSite = server.url(QStringLiteral("/old/"));
    const QString newSite = server.url(QStringLiteral("/new/"));
    const QByteArray newBytes = newSite.toLatin1();
    const auto permanent = [](const QByteArray& to) {
        return LoopbackServer::Response{.status = 301, .location = to, .keepsQuery = true};
    };
    // Each page, how its old address answers, and what is wrong (none: it moves).
    const std::tuple<QString, LoopbackServer::Response, QString> pages[] = {
        {"a-moved.htm", permanent("/new/renamed.htm"), {}}, // in the move map
        {"b-308.htm", {308, newBytes + "b-308.htm", true}, {}},
        {"c-by page.htm", {.body = refreshPage(0, newBytes + "c-by%20page.htm")}, {}},
        {"d-temporary.htm", {302, "/new/d-temporary.htm", true}, "temporary redirect (302)"},
        {"e-delayed.htm",
         {.body = refreshPage(5, "/new/e-delayed.htm")},
         "refresh after 5 s (temporary to search engines)"},
        {"f-chain.htm", permanent("/old/f-step.htm"), "chain of 2 redirects"},
        {"g-loop.htm", permanent("/old/g-back.htm"), "loop"},
        {"h-wrong.htm", permanent("/new/other.htm"),
         "wrong target: " + newSite + "other.htm?zandrift-verify=1"},
        {"i-dropped.htm", {301, "/new/i-dropped.htm"}, "query dropped"},
        {"j-missing.htm", permanent("/new/j-missing.htm"), "new page missing (404)"},
        {"k-stays.htm", {}, "not redirected (200)"},
        {"l-gone.htm", {.status = 404}, "not redirected (404)"},
        {"Über uns.htm", permanent("/new/%C3%9Cber%20uns.htm"), {}},
    };
    const QString moving = rootPath(QStringLiteral("moving"));
    const QString refused = QStringLiteral("http://127.0.0.1:9/old/"); // nothing listens there
    QStringList expected, unreachable;
    for (const auto& [page, response, reason] : pages) {
        writeSitePage(page, "<title>old</title>");
        server.serve("/old/" + page, response);
        server.serve("/new/" + page, {});
        const QString encoded = QString::fromLatin1(QUrl::toPercentEncoding(page));
        if (reason.isEmpty()) {
            WriteFile(moving + u'/' + page, "<title>old</title>");
            unreachable << page + u'\t' + refused + encoded + "\tConnection refused";
        } else {
            expected << page + u'\t' + oldSite + encoded + u'\t' + reason;
        }
    }
    server.serve("/old/f-step.htm", permanent("/new/f-chain.htm"));
    server.serve("/old/g-back.htm", permanent("/old/g-loop.htm"));
    server.serve("/new/other.htm", {});
    server.serve("/new/renamed.htm", {});
    server.serve("/new/j-missing.htm", {.status = 404});
    WriteFile(rootPath(QStringLiteral("map.csv")), "a-moved.htm,renamed.htm\n");
    // Taken with --recursive and --every-file alone.
    for (const QString file : {"docs/deep.htm", "style.css"}) {
        WriteFile(moving + u'/' + file, "body {}");
        server.serve("/old/" + file, permanent("/new/" + file.toLatin1()));
        server.serve("/new/" + file, {});
    }
    expected << "4 of 13 old addresses move permanently to their new page"
             << "1 temporary redirect, 1 delayed refresh, 1 chain of redirects, 1 loop, "
                "1 wrong target, 1 dropped query, 1 missing new page, 2 addresses not redirected";
    unreachable << "0 of 4 old addresses move permanently to their new page"
                << "4 network errors";
    const FolderTree before = ReadFolderTree(root.path());
    const QString moved =
        QStringLiteral("%1 of %1 old addresses move permanently to their new page");
    const QStringList tree{"--recursive", "--every-file"};
    // The case, the options, the site folder, the old address, the lines of standard output, the
    // exit status.
    const std::tuple<const char*, QStringList, QString, QString, QStringList, int> cases[] = {
        {"every fault", {}, sitePath(), oldSite, expected, 1},
        {"every page moves", {}, moving, oldSite, {moved.arg(4)}, 0},
        {"every file moves", tree, moving, oldSite, {moved.arg(6)}, 0},
        {"no old server", {}, moving, refused, unreachable, 1},
    };
    for (const auto& [what, options, folder, oldAddress, lines, exitCode] : cases) {
        SCOPED_TRACE(what);
        const ProgramResult result =
            RunZandriftServing(QStringList{"--verify", "--old-address", oldAddress, "--address",
                                           newSite, "--map", rootPath(QStringLiteral("map.csv"))} +
                                   options + QStringList(folder),
                               rootPath("home"));
        EXPECT_EQ(result.outLines(), lines);
        EXPECT_EQ(result.err, QString());
        EXPECT_EQ(result.exitCode, exitCode);
    }
    EXPECT_EQ(ReadFolderTree(root.path()), before) << "a verification writes nothing";
    // The old address with GET, the new page with HEAD.
    EXPECT_EQ(server.requests().filter("a-moved").value(0), "GET /old/a-moved.htm");
    EXPECT_EQ(server.requests().filter("renamed").value(0), "HEAD /new/renamed.htm");
}

// Each request has its time limit: an old address that never answers, and a new page that
// never answers after a permanent redirect.
TEST(MoveCheck, EndsEachRequestAfterItsTimeLimit) {
    LoopbackServer server;
    ASSERT_TRUE(server.listen());
    server.serve(QStringLiteral("/old/hung.htm"), {.withheld = true});
    server.serve(QStringLiteral("/old/moved.htm"),
                 {.status = 308, .location = "/new/hung.htm", .keepsQuery = true});
    server.serve(QStringLiteral("/new/hung.htm"), {.withheld = true});
    const QList<AddressMove> moves{
        {QUrl(server.url(QStringLiteral("/old/hung.htm"))), server.url("/new/hung.htm")},
        {QUrl(server.url(QStringLiteral("/old/moved.htm"))), server.url("/new/hung.htm")},
    };
    QStringList reasons(moves.size());
    MoveCheck(moves,
              [&reasons](qsizetype page, const MoveAnswer& answer) {
                  EXPECT_EQ(reasons.at(page), QString()) << "answered twice";
                  reasons[page] = answer.reason;
              },
              {.requestTimeoutMs = 1000})
        .run();
    EXPECT_EQ(reasons, QStringList({"timed out", "timed out"}));
    QStringList asked = server.requests();
    asked.sort(); // the two old addresses are asked at once
    EXPECT_EQ(asked,
              QStringList({"GET /old/hung.htm", "GET /old/moved.htm", "HEAD /new/hung.htm"}));
}
