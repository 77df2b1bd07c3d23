// What a run or a check shows on standard error: on a terminal one progress line redrawn in
// place and cleared before every message or line of output; elsewhere the messages alone.
#include "cli/check/check_run.h"
#include "cli/console.h"
#include "cli/console_mover_port.h"
#include "movers/pages/mover_kinds.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include <functional>

namespace {

// A console on buffers, and a run's port on it for a request.
struct ConsoleOnBuffers {
    explicit ConsoleOnBuffers(bool terminal, const CommandLineRequest& request = {})
        : console((out.open(QIODevice::WriteOnly), out), (err.open(QIODevice::WriteOnly), err),
                  terminal),
          port(console, request, [] { return false; }) {}

    QBuffer out;
    QBuffer err;
    Console console;
    ConsoleMoverPort port;
};

} // namespace

TEST(ConsoleProgress, IsOneLineOnATerminalClearedBeforeMessagesAndNothingElsewhere) {
    const QByteArray clear = "\r\x1b[K";
    const QByteArray failure = "zandrift: Error 61: Disk full: /site/zandrifts/a.htm\n";
    for (const bool terminal : {true, false}) {
        SCOPED_TRACE(terminal ? "terminal" : "no terminal");
        CommandLineRequest request;
        request.onStepFailure = OnStepFailure::Ignore;
        ConsoleOnBuffers on(terminal, request);

        on.port.pageStarting(0, 2);
        on.port.stepFailed(FileError::fromNumber(61), QStringLiteral("/site/zandrifts/a.htm"));
        on.port.pageStarting(1, 2);
        on.port.runEnded({});
        on.console.clearProgress();

        EXPECT_EQ(on.err.data(), terminal ? clear + "Page 1/2 (50%)" + clear + failure + clear +
                                                "Page 2/2 (100%)" + clear
                                          : failure);
        EXPECT_TRUE(on.out.data().isEmpty());
    }
}

// What the engine asks and tells, as the command line answers and shows it: the answers come
// from the options, every notice is a line of standard error with its names escaped.
TEST(ConsoleMoverPort, AnswersFromTheOptionsAndTellsEachNoticeOnALine) {
    struct Case {
        const char* name;
        bool replace;
        OnStepFailure onFailure;
        std::function<QString(ConsoleMoverPort&)> call; // what the port answered
        QByteArray told;
    };
    const auto failed = [](ConsoleMoverPort& port) {
        const StepChoice choice = port.stepFailed(FileError::fromNumber(70), "/s/zandrifts/a\tb");
        return QString(choice == StepChoice::Ignore ? "ignore" : "abort");
    };
    const auto existing = [](ConsoleMoverPort& port) {
        return QString(port.replaceExistingFolder("/s/zandrifts") ? "replace" : "keep");
    };
    const QList<Case> cases{
        {"a failed step ended", false, OnStepFailure::Abort, failed,
         "zandrift: Error 70: Permission denied: /s/zandrifts/a\\x09b\n"},
        {"a failed step passed over", false, OnStepFailure::Ignore, failed,
         "zandrift: Error 70: Permission denied: /s/zandrifts/a\\x09b\n"},
        {"an existing folder kept", false, OnStepFailure::Abort, existing,
         "zandrift: /s/zandrifts already exists; give --replace to replace it.\n"},
        {"an existing folder replaced", true, OnStepFailure::Abort, existing, ""},
        {"a replacement refused", true, OnStepFailure::Abort,
         [](ConsoleMoverPort& port) {
             port.replacementRefused("/s/zandrifts",
                                     "it holds \"x\ny\", which is not a plain file");
             return QString();
         },
         "zandrift: /s/zandrifts cannot be replaced because it holds \"x\\x0Ay\", which is not "
         "a plain file.\n"},
        {"undecodable pages", false, OnStepFailure::Abort,
         [](ConsoleMoverPort& port) {
             port.undecodablePages({"caf\xE9.htm"});
             return QString();
         },
         "zandrift: 1 page file gets no mover page because its name is not valid UTF-8:\n"
         "caf\\xE9.htm\n"},
        {"redirects left out", false, OnStepFailure::Abort,
         [](ConsoleMoverPort& port) {
             port.redirectsLeftOut(
                 {{"redirects.nginx", "/$.htm", "why"}, {"_redirects", "/a\nb.htm", "why"}});
             return QString::number(port.redirectsLeftOut());
         },
         "zandrift: redirects.nginx leaves out /$.htm: why.\n"
         "zandrift: _redirects leaves out /a\\x0Ab.htm: why.\n"},
    };
    const QStringList answers{"abort", "ignore", "keep", "replace", "", "", "2"};
    for (qsizetype at = 0; at < cases.size(); ++at) {
        const Case& row = cases[at];
        SCOPED_TRACE(row.name);
        CommandLineRequest request;
        request.replace = row.replace;
        request.onStepFailure = row.onFailure;
        ConsoleOnBuffers on(false, request);
        EXPECT_EQ(row.call(on.port), answers[at]);
        EXPECT_EQ(on.err.data(), row.told) << on.err.data().toStdString();
        EXPECT_TRUE(on.out.data().isEmpty());
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
    ConsoleOnBuffers on(true);

    const CheckOutcome outcome =
        CheckPages(NewAddresses(newSite.path()), {"a.htm", "gone.htm"}, on.console);

    EXPECT_EQ(outcome.found, 1);
    EXPECT_EQ(outcome.checked, 2);
    const QByteArray clear = "\r\x1b[K";
    EXPECT_EQ(on.err.data(), clear + "Page 1/2 (50%)" + clear + clear + "Page 2/2 (100%)" + clear);
    EXPECT_EQ(on.out.data(), "gone.htm\t" + QFile::encodeName(newSite.path()) +
                                 "/gone.htm\tNo such file or directory\n"
                                 "1 of 2 pages found at the new address\n");
}
