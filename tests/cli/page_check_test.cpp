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
