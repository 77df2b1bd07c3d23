// What a run or a check shows on standard error: on a terminal one progress line redrawn in
// place and cleared before every message or line of output; elsewhere the messages alone.
#include "cli/check_run.h"
#include "cli/console.h"
#include "cli/console_mover_host.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

TEST(ConsoleProgress, IsOneLineOnATerminalClearedBeforeMessagesAndNothingElsewhere) {
    const QByteArray clear = "\r\x1b[K";
    const QByteArray failure = "zandrift: Error 61: Disk full: /site/zandrifts/a.htm\n";
    for (const bool terminal : {true, false}) {
        SCOPED_TRACE(terminal ? "terminal" : "no terminal");
        QBuffer out;
        QBuffer err;
        out.open(QIODevice::WriteOnly);
        err.open(QIODevice::WriteOnly);
        Console console(out, err, terminal);
        CommandLineRequest request;
        request.onStepFailure = OnStepFailure::Ignore;
        ConsoleMoverHost host(console, request, [] { return false; });

        host.pageStarting(0, 2);
        EXPECT_EQ(
            host.stepFailed(FileError::fromNumber(61), QStringLiteral("/site/zandrifts/a.htm")),
            MsgAnswer::Ignore);
        host.pageStarting(1, 2);
        host.runDone(QStringLiteral("done"), MsgIcon::None);
        console.clearProgress();

        EXPECT_EQ(err.data(), terminal ? clear + "Page 1/2 (50%)" + clear + failure + clear +
                                             "Page 2/2 (100%)" + clear
                                       : failure);
        EXPECT_TRUE(out.data().isEmpty());
    }
}

// A check prints its lines while the answers come in: each clears the progress line first,
// so that the two never share a line of the terminal.
TEST(ConsoleProgress, OfACheckIsClearedBeforeEachLineOfAPageNotFound) {
    const QTemporaryDir newSite;
    ASSERT_TRUE(newSite.isValid());
    QFile page(newSite.filePath(QStringLiteral("a.htm")));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.close();
    QBuffer out;
    QBuffer err;
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    Console console(out, err, true);

    const CheckOutcome outcome = CheckPages(newSite.path(), {"a.htm", "gone.htm"}, console);

    EXPECT_EQ(outcome.found, 1);
    EXPECT_EQ(outcome.checked, 2);
    const QByteArray clear = "\r\x1b[K";
    EXPECT_EQ(err.data(), clear + "Page 1/2 (50%)" + clear + clear + "Page 2/2 (100%)" + clear);
    EXPECT_EQ(out.data(), "gone.htm\t" + QFile::encodeName(newSite.path()) +
                              "/gone.htm\tNo such file or directory\n"
                              "1 of 2 pages found at the new address\n");
}
