// The requests of a check, in this process against a web server of the test's own: how many
// are under way at a time, and the time limit of each.
#include "cli/check/page_check.h"
#include "support/http/loopback_server.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

TEST(PageCheck, HasAtMostSixRequestsUnderWayAndEndsEachAfterItsTimeLimit) {
    LoopbackServer server;
    ASSERT_TRUE(server.listen());
    QStringList addresses;
    for (int page = 0; page < 8; ++page) {
        const QString path = QStringLiteral("/hangs/%1.htm").arg(page);
        server.serve(path, {.withheld = true});
        addresses << server.url(path);
    }

    QStringList reasons(8);
    qsizetype askedBeforeFirstAnswer = -1;
    PageCheck(addresses,
              [&](qsizetype page, const PageAnswer& answer) {
                  if (askedBeforeFirstAnswer < 0) {
                      askedBeforeFirstAnswer = server.requests().size();
                  }
                  EXPECT_FALSE(answer.found);
                  EXPECT_EQ(reasons.at(page), QString()) << "answered twice";
                  reasons[page] = answer.reason;
              },
              {.requestTimeoutMs = 1000})
        .run();

    EXPECT_EQ(askedBeforeFirstAnswer, 6);
    EXPECT_EQ(server.requests().size(), 8);
    EXPECT_EQ(reasons, QStringList(8, QStringLiteral("timed out")));
}

// A 101 answer keeps its connection for another protocol, which a check must not wait on: the
// page is not found, with 101 as its reason, and the pages after it are asked in time.
TEST(PageCheck, AnswerSwitchingProtocolsIsFinalAndHoldsNoConnection) {
    LoopbackServer server;
    ASSERT_TRUE(server.listen());
    server.serve(QStringLiteral("/switches.htm"), {.status = 101});
    QStringList addresses(server.url(QStringLiteral("/switches.htm")));
    QStringList expected(QStringLiteral("101"));
    for (int page = 0; page < 8; ++page) {
        const QString path = QStringLiteral("/found/%1.htm").arg(page);
        server.serve(path, {});
        addresses << server.url(path);
        expected << QStringLiteral("found");
    }

    QStringList reasons(addresses.size());
    PageCheck(addresses,
              [&](qsizetype page, const PageAnswer& answer) {
                  reasons[page] = answer.found ? QStringLiteral("found") : answer.reason;
              },
              {.requestTimeoutMs = 2000})
        .run();

    EXPECT_EQ(reasons, expected);
}

// A server that asks to be left alone for a while (429 or 503 with Retry-After, in seconds or as
// a date) gets the same request again after the wait, 3 times a page at most; without
// Retry-After the answer counts.
TEST(PageCheck, AsksAgainAfterTheWaitAServerAsksFor) {
    LoopbackServer server;
    ASSERT_TRUE(server.listen());
    server.serveOnce(QStringLiteral("/busy.htm"), {.status = 429, .retryAfter = "0"});
    server.serveOnce(QStringLiteral("/busy.htm"),
                     {.status = 503, .retryAfter = "Wed, 21 Oct 2015 07:28:00 GMT"});
    server.serve(QStringLiteral("/busy.htm"), {});
    server.serve(QStringLiteral("/always-busy.htm"), {.status = 503, .retryAfter = "0"});
    server.serve(QStringLiteral("/refused.htm"), {.status = 429});
    const QStringList paths{"/busy.htm", "/always-busy.htm", "/refused.htm"};
    QStringList addresses;
    for (const QString& path : paths) {
        addresses << server.url(path);
    }

    QStringList reasons(addresses.size());
    PageCheck(addresses, [&](qsizetype page, const PageAnswer& answer) {
        reasons[page] = answer.found ? QStringLiteral("found") : answer.reason;
    }).run();

    EXPECT_EQ(reasons, QStringList({"found", "503", "429"}));
    const QStringList asked = server.requests();
    EXPECT_EQ(asked.filter("/busy.htm").size(), 3);
    EXPECT_EQ(asked.filter("/always-busy.htm").size(), 4);
    EXPECT_EQ(asked.filter("/refused.htm").size(), 1);
}

// After a server asks to wait, 3 pages are under way at a time, not 6: with the first page
// answered and five hung, the seventh is asked only once fewer than 3 are under way.
TEST(PageCheck, HalvesThePagesUnderWayWhenAServerAsksToWait) {
    LoopbackServer server;
    ASSERT_TRUE(server.listen());
    server.serveOnce(QStringLiteral("/0.htm"), {.status = 429, .retryAfter = "0"});
    QStringList addresses;
    for (int page = 0; page < 7; ++page) {
        const QString path = QStringLiteral("/%1.htm").arg(page);
        server.serve(path, {.withheld = page > 0 && page < 6});
        addresses << server.url(path);
    }

    qsizetype askedAtFirstTimeOut = 0;
    PageCheck(addresses,
              [&](qsizetype, const PageAnswer& answer) {
                  if (answer.reason == u"timed out" && askedAtFirstTimeOut == 0) {
                      askedAtFirstTimeOut = server.requests().size();
                  }
              },
              {.requestTimeoutMs = 1000})
        .run();

    // Six first and the first page again, not yet the seventh page.
    EXPECT_EQ(askedAtFirstTimeOut, 7);
    EXPECT_EQ(server.requests().filter("/6.htm").size(), 1);
}
