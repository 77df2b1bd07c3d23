// The requests of a check, in this process against a web server of the test's own: how many
// are under way at a time, and the time limit of each.
#include "cli/page_check.h"
#include "support/http/loopback_server.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include <map>

TEST(PageCheck, HasAtMostSixRequestsUnderWayAndEndsEachAfterItsTimeLimit) {
    int argc = 1;
    char name[] = "cli_tests";
    char* argv[] = {name, nullptr};
    const QCoreApplication application(argc, argv);
    LoopbackServer server;
    ASSERT_TRUE(server.listen());
    QStringList addresses;
    for (int page = 0; page < 8; ++page) {
        const QString path = QStringLiteral("/hangs/%1.htm").arg(page);
        LoopbackServer::Response hangs;
        hangs.withheld = true;
        server.serve(path, hangs);
        addresses << server.url(path);
    }

    PageCheckLimits limits;
    limits.requestTimeoutMs = 1000;
    std::map<qsizetype, QString> reasons;
    qsizetype askedBeforeFirstAnswer = -1;
    PageCheck(
        addresses,
        [&](qsizetype page, const PageAnswer& answer) {
            if (askedBeforeFirstAnswer < 0) {
                askedBeforeFirstAnswer = server.requests().size();
            }
            EXPECT_FALSE(answer.found);
            EXPECT_TRUE(reasons.emplace(page, answer.reason).second) << "answered twice";
        },
        limits)
        .run();

    EXPECT_EQ(askedBeforeFirstAnswer, 6);
    EXPECT_EQ(server.requests().size(), 8);
    ASSERT_EQ(reasons.size(), 8U);
    for (const auto& [page, reason] : reasons) {
        EXPECT_EQ(reason, "timed out") << page;
    }
}
