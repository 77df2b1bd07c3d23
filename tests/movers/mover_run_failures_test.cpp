#include "mover_run_fixture.h"
#include "small_disk.h"
#include "support/qstring_printer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <functional>

namespace {

// Writes a file until the disk it is on is full.
void FillTheDisk(const QString& path) {
    QFile filler(path);
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray block(4096, 'f');
    while (filler.write(block) == block.size()) {
    }
}

class MoverFailuresTest : public MoverRunTest {
protected:
    void SetUp() override {
        MoverRunTest::SetUp();
        for (const QString& name : names) {
            writeSitePage(name, "<title>" + name.toUtf8() + "</title>");
        }
    }
    QString output(const QString& name = {}) const { return outputPath(RedirectPages(), name); }
    QByteArray expectedPage(const QString& name) const {
        return RedirectBytes(name.toUtf8(), "http://new.example/" + name.toUtf8());
    }
    // Runs `action` when the run comes to the second page, b.htm.
    void atTheSecondPage(std::function<void()> action) {
        port.onPageStarting([action](qsizetype index) {
            if (index == 1) {
                action();
            }
        });
    }
    void makeTheSecondTargetAFolder() {
        atTheSecondPage([this] { QDir().mkpath(output(QStringLiteral("b.htm/inside"))); });
    }
    // The next `times` writes fail as on a full disk.
    void fillTheDiskAtTheSecondPage(int times) {
        atTheSecondPage([this, times] { files.fail(FaultyFiles::Operation::Write, 61, times); });
    }
    void expectEveryPageWritten() const {
        for (const QString& name : names) {
            EXPECT_EQ(ReadFile(output(name)), expectedPage(name));
        }
    }
    // How the run ended, as the engine returns it to its front end.
    void expectOutcome(MoverEnd end, qsizetype pagesWritten, qsizetype failedSteps) const {
        EXPECT_EQ(outcome.end, end);
        EXPECT_EQ(outcome.pagesWritten, pagesWritten);
        EXPECT_EQ(outcome.failedSteps, failedSteps);
    }

    const QStringList names{QStringLiteral("a.htm"), QStringLiteral("b.htm"),
                            QStringLiteral("c.htm")};
    const QString ordinaryAccessError = QStringLiteral("Error 75: Path/File access error");
};

} // namespace

TEST_F(MoverFailuresTest, AFolderThatCannotBeMadeIsRetriedUntilAborted) {
    WriteFile(rootPath(QStringLiteral("plain-file")), "a file where a folder must be");
    MoverInputs onAFile = inputs(names);
    onAFile.siteFolder = rootPath(QStringLiteral("plain-file"));
    port.answer(Answer::Retry);
    port.answer(Answer::Abort);
    run(RedirectPages(), onAFile);

    const QString failed = QStringLiteral("failed: Error 76: Path not found: ") +
                           rootPath(QStringLiteral("plain-file/zandrifts"));
    EXPECT_EQ(port.events, QStringList({QStringLiteral("starting: 3 pages"), failed, failed,
                                        QStringLiteral("ended: aborted, 0 written, 1 failed")}));
    EXPECT_EQ(port.failedPaths, QStringList(2, rootPath(QStringLiteral("plain-file/zandrifts"))));
    expectNothingChanged();
}

TEST_F(MoverFailuresTest, IgnoringEveryFailureRunsToTheEnd) {
    MoverInputs missingSite = inputs({QStringLiteral("a.htm")});
    missingSite.siteFolder = rootPath(QStringLiteral("missing"));
    port.answer(Answer::Ignore); // making the folder
    port.answer(Answer::Ignore); // opening the page file
    port.answer(Answer::Ignore); // writing with no page file open
    run(RedirectPages(), missingSite);

    EXPECT_EQ(port.failures,
              QStringList({QStringLiteral("Error 76: Path not found"),
                           QStringLiteral("Error 76: Path not found"), ordinaryAccessError}));
    EXPECT_EQ(port.events.last(), QStringLiteral("ended: completed, 0 written, 3 failed"));
    expectNothingChanged();
}

TEST_F(MoverFailuresTest, ATargetThatIsAFolderGetsTheOrdinaryBoxAndRetryWritesThePage) {
    makeTheSecondTargetAFolder();
    port.answer(Answer::Retry,
                [this] { QDir(output(QStringLiteral("b.htm"))).removeRecursively(); });
    run(RedirectPages(), inputs(names));

    EXPECT_EQ(port.failures, QStringList({ordinaryAccessError}));
    expectEveryPageWritten();
    expectOnlyOutputChanged(RedirectPages());
}

TEST_F(MoverFailuresTest, IgnoringATargetThatIsAFolderSkipsThatPageOnly) {
    makeTheSecondTargetAFolder();
    port.answer(Answer::Ignore); // closing b.htm, which cannot take the folder's name
    run(RedirectPages(), inputs(names));

    EXPECT_EQ(port.failures, QStringList({ordinaryAccessError}));
    EXPECT_EQ(
        FolderEntries(output()),
        QStringList({QStringLiteral("a.htm"), QStringLiteral("b.htm"), QStringLiteral("c.htm")}));
    EXPECT_EQ(ReadFile(output(QStringLiteral("a.htm"))), expectedPage(QStringLiteral("a.htm")));
    EXPECT_TRUE(QFileInfo(output(QStringLiteral("b.htm/inside"))).isDir());
    EXPECT_EQ(ReadFile(output(QStringLiteral("c.htm"))), expectedPage(QStringLiteral("c.htm")));
    EXPECT_EQ(outcome.pagesWritten, 2);
    expectOnlyOutputChanged(RedirectPages());
}

TEST_F(MoverFailuresTest, AbortAtATooLongNameKeepsThePagesWrittenAndEndsTheRun) {
    const QString tooLong = QString(300, u'x') + QStringLiteral(".htm");
    port.answer(Answer::Retry);
    port.answer(Answer::Abort);
    run(RedirectPages(), inputs({QStringLiteral("a.htm"), tooLong, QStringLiteral("c.htm")}));

    EXPECT_EQ(port.failures, QStringList(2, QStringLiteral("Error 76: Path not found")));
    EXPECT_EQ(FolderEntries(output()), QStringList({QStringLiteral("a.htm")}));
    EXPECT_EQ(port.failedPaths, QStringList(2, output(tooLong)));
    EXPECT_EQ(port.pagesStarting.last(), QStringLiteral("1 of 3"));
    EXPECT_EQ(outcome.end, MoverEnd::Aborted);
    expectOnlyOutputChanged(RedirectPages());
}

TEST_F(MoverFailuresTest, AFullDiskCanBeRetriedOnceThereIsRoom) {
    fillTheDiskAtTheSecondPage(1);
    port.answer(Answer::Retry);
    run(RedirectPages(), inputs(names));

    EXPECT_EQ(port.failures, QStringList({QStringLiteral("Error 61: Disk full")}));
    EXPECT_EQ(FolderEntries(output()), names);
    expectEveryPageWritten();
}

TEST_F(MoverFailuresTest, AnIgnoredWriteLeavesNoPage) {
    fillTheDiskAtTheSecondPage(1);
    port.answer(Answer::Ignore);
    run(RedirectPages(), inputs(names));

    EXPECT_EQ(FolderEntries(output()),
              QStringList({QStringLiteral("a.htm"), QStringLiteral("c.htm")}));
    EXPECT_EQ(ReadFile(output(QStringLiteral("c.htm"))), expectedPage(QStringLiteral("c.htm")));
    expectOutcome(MoverEnd::Completed, 2, 1);
}

TEST_F(MoverFailuresTest, AbortAtAFullDiskEndsTheRunWithThePagesWrittenSoFar) {
    fillTheDiskAtTheSecondPage(2);
    port.answer(Answer::Retry);
    port.answer(Answer::Abort);
    run(RedirectPages(), inputs(names));

    EXPECT_EQ(port.failures, QStringList(2, QStringLiteral("Error 61: Disk full")));
    EXPECT_EQ(FolderEntries(output()), QStringList({QStringLiteral("a.htm")}));
    EXPECT_EQ(ReadFile(output(QStringLiteral("a.htm"))), expectedPage(QStringLiteral("a.htm")));
    EXPECT_EQ(outcome.lastPage.toUtf8() + "\r\n", expectedPage(QStringLiteral("b.htm")));
    expectOutcome(MoverEnd::Aborted, 1, 1);
}

TEST_F(MoverFailuresTest, OnARealFullDiskIgnoreLeavesNoPageAndRetryWritesItWhole) {
    const SmallDisk disk(sitePath());
    if (!disk.mounted) {
        GTEST_SKIP() << "this system does not let the test mount a tmpfs";
    }
    for (const QString& name : names) {
        writeSitePage(name, "<title>" + name.toUtf8() + "</title>");
    }
    const QString filler = sitePath(QStringLiteral("filler"));
    FillTheDisk(filler);
    port.answer(Answer::Ignore);                                // a.htm
    port.answer(Answer::Retry, [&] { QFile::remove(filler); }); // b.htm, once there is room
    run(RedirectPages(), inputs(names));

    EXPECT_EQ(port.failures, QStringList(2, QStringLiteral("Error 61: Disk full")));
    EXPECT_EQ(FolderEntries(output()),
              QStringList({QStringLiteral("b.htm"), QStringLiteral("c.htm")}));
    EXPECT_EQ(ReadFile(output(QStringLiteral("b.htm"))), expectedPage(QStringLiteral("b.htm")));
    EXPECT_EQ(ReadFile(output(QStringLiteral("c.htm"))), expectedPage(QStringLiteral("c.htm")));
}

TEST_F(MoverFailuresTest, AFailedCloseLeavesThatPageOut) {
    files.fail(FaultyFiles::Operation::Close, 57);
    port.answer(Answer::Ignore);
    run(RedirectPages(), inputs(names));

    EXPECT_EQ(port.failures, QStringList({QStringLiteral("Error 57: Device I/O error")}));
    EXPECT_EQ(FolderEntries(output()),
              QStringList({QStringLiteral("b.htm"), QStringLiteral("c.htm")}));
    EXPECT_EQ(outcome.pagesWritten, 2);
}

TEST_F(MoverFailuresTest, AStopAskedForAtAPageEndsTheRunBeforeTheNextOne) {
    atTheSecondPage([this] { port.stop = true; });
    run(RedirectPages(), inputs(names));

    EXPECT_TRUE(port.failures.isEmpty());
    EXPECT_EQ(FolderEntries(output()),
              QStringList({QStringLiteral("a.htm"), QStringLiteral("b.htm")}));
    expectOutcome(MoverEnd::Stopped, 2, 0);
}

TEST_F(MoverFailuresTest, AStopAskedForWhileABoxIsShownEndsTheRunWhateverTheAnswer) {
    fillTheDiskAtTheSecondPage(1);
    port.answer(Answer::Retry, [this] { port.stop = true; });
    run(RedirectPages(), inputs(names));

    EXPECT_EQ(port.failures, QStringList({QStringLiteral("Error 61: Disk full")}));
    EXPECT_EQ(FolderEntries(output()), QStringList({QStringLiteral("a.htm")}));
    expectOutcome(MoverEnd::Stopped, 1, 1);
}

// A run with no failure completes; one whose existing folder is kept ends before any page.
TEST_F(MoverFailuresTest, TheRunReturnsHowItEndedWithThePagesWrittenAndTheFailedSteps) {
    run(RedirectPages(), inputs(names));
    expectOutcome(MoverEnd::Completed, 3, 0);
    port = ScriptedMoverPort();
    port.answer(Answer::Keep);
    run(RedirectPages(), inputs(names));
    expectOutcome(MoverEnd::Aborted, 0, 0);
}

// A folder of the output is made as a step of its own, with the usual question and its path.
TEST_F(MoverFailuresTest, AnOutputSubfolderThatCannotBeMadeIsAStepThatCanBeRetried) {
    writeSitePage(QStringLiteral("docs/d.htm"), "<title>D</title>");
    MoverInputs given = inputs({QStringLiteral("a.htm"), QStringLiteral("docs/d.htm")});
    given.depth = ListingDepth::WholeTree;
    port.onPageStarting([this](qsizetype index) {
        if (index == 1) {
            files.fail(FaultyFiles::Operation::CreateFolder, 70);
        }
    });
    port.answer(Answer::Retry);
    run(RedirectPages(), given);

    EXPECT_EQ(port.failures, QStringList({QStringLiteral("Error 70: Permission denied")}));
    EXPECT_EQ(port.failedPaths, QStringList(output(QStringLiteral("docs"))));
    EXPECT_EQ(ReadFile(output(QStringLiteral("docs/d.htm"))),
              RedirectBytes("D", "http://new.example/docs/d.htm"));
}
