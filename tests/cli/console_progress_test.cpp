// What a run shows on standard error: on a terminal one progress line redrawn in place and
// cleared before every message; elsewhere the messages alone.
#include "cli/console.h"
#include "cli/console_mover_host.h"

#include <gtest/gtest.h>

#include <QBuffer>

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
