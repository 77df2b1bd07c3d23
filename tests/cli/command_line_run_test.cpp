// Runs of the real program from the command line: the existing output folder, failing steps
// and a stop asked for by a signal.
#include "command_line_fixture.h"
#include "movers/small_disk.h"
#include "support/qstring_printer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <csignal>
#include <cstring>

TEST_F(CommandLineTest, AnExistingFolderIsReplacedOnlyWithReplaceAndOnlyWhenItIsSafe) {
    writeSitePage(QStringLiteral("a.htm"), "<title>A</title>");
    writeSitePage(QStringLiteral("b.htm"), "<title>B</title>");
    const QString output = sitePath(QStringLiteral("zandrifts"));
    WriteFile(output + QStringLiteral("/old.htm"), "old");
    const FolderTree before = ReadFolderTree(root.path());

    const ProgramResult kept = movers();
    EXPECT_EQ(kept.exitCode, 1);
    EXPECT_EQ(kept.out, QString());
    EXPECT_EQ(kept.errLines(), QStringList(QStringLiteral("zandrift: ") + output +
                                           " already exists; give --replace to replace it."));
    EXPECT_EQ(ReadFolderTree(root.path()), before);

    const ProgramResult replaced = movers({QStringLiteral("--replace")});
    EXPECT_EQ(replaced.exitCode, 0);
    EXPECT_EQ(replaced.outLines(), QStringList(QStringLiteral("Wrote 2 pages to ") + output));
    EXPECT_EQ(replaced.err, QString());
    EXPECT_EQ(FolderEntries(output), QStringList({"a.htm", "b.htm"}));

    WriteFile(output + QStringLiteral("/s\x1B[31mub/keep.htm"), "keep"); // a terminal escape
    const FolderTree withSubfolder = ReadFolderTree(root.path());
    const ProgramResult refused = movers({QStringLiteral("--replace")});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.errLines(),
              QStringList(QStringLiteral("zandrift: ") + output +
                          " cannot be replaced because it holds \"s\\x1B[31mub\", which is not a "
                          "plain file."));
    EXPECT_EQ(ReadFolderTree(root.path()), withSubfolder);
}

TEST_F(CommandLineTest, AFailingStepEndsTheRunOrIsPassedOverAsOnErrorSays) {
    const SmallDisk disk(sitePath());
    if (!disk.mounted) {
        GTEST_SKIP() << "this system does not let the test mount a tmpfs";
    }
    writeSitePage(QStringLiteral("a.htm"), "<title>A</title>");
    writeSitePage(QStringLiteral("b.htm"), "<title>B</title>");
    ASSERT_TRUE(disk.makeReadOnly());
    const QString output = sitePath(QStringLiteral("framedforward"));
    const QString folderFailure =
        QStringLiteral("zandrift: Error 70: Permission denied: ") + output;

    const ProgramResult aborted = frames({QStringLiteral("--on-error"), QStringLiteral("abort")});
    EXPECT_EQ(aborted.exitCode, 1);
    EXPECT_EQ(aborted.out, QString());
    EXPECT_EQ(aborted.errLines(), QStringList(folderFailure));

    const ProgramResult ignored = frames({QStringLiteral("--on-error"), QStringLiteral("ignore")});
    EXPECT_EQ(ignored.exitCode, 1);
    EXPECT_EQ(ignored.out, QString());
    QStringList expected(folderFailure);
    for (const QString& page :
         {output + QStringLiteral("/a.htm"), output + QStringLiteral("/b.htm")}) {
        expected << QStringLiteral("zandrift: Error 76: Path not found: ") + page
                 << QStringLiteral("zandrift: Error 75: Path/File access error: ") + page;
    }
    expected << QStringLiteral("zandrift: 0 of 2 pages written to ") + output + u'.';
    EXPECT_EQ(ignored.errLines(), expected);
}

// Shells and make tell a program ended by a signal by its exit status, 128 and the signal.
TEST_F(CommandLineTest, ASignalStopsTheRunAfterAWholePageAndGivesItsExitStatus) {
    constexpr int kPages = 5000;
    for (int number = 0; number < kPages; ++number) {
        writeSitePage(QStringLiteral("p%1.htm").arg(number, 4, 10, QLatin1Char('0')),
                      "<title>P</title>");
    }
    const QString output = sitePath(QStringLiteral("framedforward"));
    const std::pair<int, int> cases[] = {{SIGINT, 130}, {SIGTERM, 143}, {SIGHUP, 129}};
    for (const auto& [signal, exitCode] : cases) {
        SCOPED_TRACE(::strsignal(signal));
        ASSERT_TRUE(QDir(output).removeRecursively());
        QProcess program;
        // Each signal as a terminal gives it, also where the tests run with it ignored.
        program.setChildProcessModifier([] {
            for (const int stop : {SIGINT, SIGTERM, SIGHUP}) {
                ::signal(stop, SIG_DFL);
            }
        });
        StartZandrift(program,
                      {QStringLiteral("--frames"), QStringLiteral("--address"),
                       QStringLiteral("http://new.example/"), sitePath()},
                      rootPath(QStringLiteral("home")));
        ASSERT_TRUE(program.waitForStarted(10000));
        while (!QFileInfo::exists(output + QStringLiteral("/p0000.htm")) &&
               program.state() == QProcess::Running) {
            QThread::usleep(200);
        }
        ::kill(static_cast<pid_t>(program.processId()), signal);
        const ProgramResult result = FinishZandrift(program);
        if (result.exitCode == 0) {
            GTEST_SKIP() << "the run ended before the signal came";
        }

        const QStringList written = FolderEntries(output);
        EXPECT_EQ(result.exitCode, exitCode);
        EXPECT_TRUE(result.exitedNormally);
        EXPECT_EQ(result.errLines(), QStringList(QStringLiteral("zandrift: Stopped: %1 of %2 "
                                                                "pages written to %3.")
                                                     .arg(written.size())
                                                     .arg(kPages)
                                                     .arg(output)));
        EXPECT_LT(written.size(), kPages);
        for (const QString& name : written) {
            ASSERT_EQ(ReadFile(output + u'/' + name),
                      "<html><head><title>P</title><frameset rows=\"100%\"><frame "
                      "src=\"http://new.example/" +
                          name.toUtf8() + "\" name=\"redirect\"></frameset>\r\n")
                << name.toStdString();
        }
    }
}
