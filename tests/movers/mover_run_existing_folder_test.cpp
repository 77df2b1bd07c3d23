#include "mover_run_fixture.h"
#include "support/qstring_printer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

class ExistingFolderTest : public MoverRunTest {
protected:
    void SetUp() override {
        MoverRunTest::SetUp();
        writeSitePage(QStringLiteral("a.htm"), "<title>A</title>");
        writeSitePage(QStringLiteral("b.htm"), "<title>B</title>");
    }
    QString folder() const { return outputPath(FramedForwardPages()); }
    // Puts a file into the existing output folder.
    void putInFolder(const QString& name, const QByteArray& bytes = "old page") {
        WriteFile(outputPath(FramedForwardPages(), name), bytes);
    }
    QString question() const { return QStringLiteral("replace? ") + folder(); }
    void runFrames() {
        run(FramedForwardPages(), inputs({QStringLiteral("a.htm"), QStringLiteral("b.htm")}));
    }
    // Answers the question with Replace, and runs.
    void runReplacing() {
        port.answer(Answer::Replace);
        runFrames();
    }
    void expectFreshPages() const {
        EXPECT_EQ(FolderEntries(folder()),
                  QStringList({QStringLiteral("a.htm"), QStringLiteral("b.htm")}));
        EXPECT_EQ(written(FramedForwardPages(), QStringLiteral("a.htm")),
                  FramedBytes("A", "http://new.example/a.htm"));
    }
    // The run ended at the refusal.
    void expectEndedAfter(const QString& refusal) const {
        EXPECT_EQ(port.events,
                  QStringList({QStringLiteral("starting: 2 pages"), question(),
                               QStringLiteral("refused: ") + refusal,
                               QStringLiteral("ended: aborted, 0 written, 0 failed")}));
    }
};

} // namespace

TEST_F(ExistingFolderTest, YesReplacesEveryFileOfTheFolderWithFreshPages) {
    putInFolder(QStringLiteral("a.htm"));
    putInFolder(QStringLiteral("old.htm"));
    putInFolder(QStringLiteral("notes.txt"), "not a page");
    putInFolder(QStringLiteral(".hidden"), "hidden");
    runReplacing();

    EXPECT_EQ(port.events.mid(0, 3), QStringList({QStringLiteral("starting: 2 pages"), question(),
                                                  QStringLiteral("page 0 of 2")}));
    expectFreshPages();
    expectOnlyOutputChanged(FramedForwardPages());
}

TEST_F(ExistingFolderTest, AnEmptyFolderIsReplacedWithoutAnyFailure) {
    QDir().mkpath(folder());
    runReplacing();

    EXPECT_TRUE(port.failures.isEmpty());
    EXPECT_EQ(port.events.last(), QStringLiteral("ended: completed, 2 written, 0 failed"));
    expectFreshPages();
}

TEST_F(ExistingFolderTest, NoTouchesNothingAndEndsTheRun) {
    putInFolder(QStringLiteral("a.htm"));
    port.answer(Answer::Keep);
    runFrames();

    EXPECT_EQ(port.events, QStringList({QStringLiteral("starting: 2 pages"), question(),
                                        QStringLiteral("ended: aborted, 0 written, 0 failed")}));
    expectNothingChanged();
}

TEST_F(ExistingFolderTest, ALinkInPlaceOfTheFolderIsNeverDeletedThrough) {
    ASSERT_TRUE(QFile::link(rootPath(QStringLiteral("elsewhere")), folder()));
    runReplacing();

    expectEndedAfter(folder() +
                     QStringLiteral(" cannot be replaced because it is a symbolic link."));
    expectNothingChanged();
}

TEST_F(ExistingFolderTest, AFileInPlaceOfTheFolderIsKept) {
    WriteFile(folder(), "a file named like the output folder");
    runReplacing();

    expectEndedAfter(folder() + QStringLiteral(" cannot be replaced because it is not a folder."));
    expectNothingChanged();
}

TEST_F(ExistingFolderTest, AFolderHoldingASubfolderKeepsAllItHolds) {
    putInFolder(QStringLiteral("a.htm"));
    putInFolder(QStringLiteral("images/logo.png"), "png");
    runReplacing();

    expectEndedAfter(folder() + QStringLiteral(" cannot be replaced because it holds \"images\", "
                                               "which is not a plain file."));
    expectNothingChanged();
}

TEST_F(ExistingFolderTest, AFileThatCannotBeDeletedCanBeRetried) {
    putInFolder(QStringLiteral("old.htm"));
    files.fail(FaultyFiles::Operation::RemoveFile, 70);
    port.answer(Answer::Replace);
    port.answer(Answer::Retry);
    runFrames();

    EXPECT_EQ(port.failures, QStringList({QStringLiteral("Error 70: Permission denied")}));
    EXPECT_EQ(port.failedPaths, QStringList({outputPath(FramedForwardPages(), "old.htm")}));
    EXPECT_EQ(port.events.last(), QStringLiteral("ended: completed, 2 written, 0 failed"));
    expectFreshPages();
}

TEST_F(ExistingFolderTest, AnIgnoredUndeletableFileKeepsTheFolderFromBeingRemoved) {
    putInFolder(QStringLiteral("old.htm"));
    files.fail(FaultyFiles::Operation::RemoveFile, 70);
    port.answer(Answer::Replace);
    port.answer(Answer::Ignore);
    port.answer(Answer::Abort); // removing the folder that still holds the file
    runFrames();

    EXPECT_EQ(port.failures, QStringList({QStringLiteral("Error 70: Permission denied"),
                                          QStringLiteral("Error 75: Path/File access error")}));
    EXPECT_EQ(port.events.last(), QStringLiteral("ended: aborted, 0 written, 2 failed"));
    expectNothingChanged();
}

TEST_F(ExistingFolderTest, AFileRemovedWhileTheQuestionIsShownIsNoFailure) {
    putInFolder(QStringLiteral("old.htm"));
    port.answer(Answer::Replace, [this] {
        QFile::remove(outputPath(FramedForwardPages(), QStringLiteral("old.htm")));
    });
    runFrames();

    EXPECT_TRUE(port.failures.isEmpty());
    expectFreshPages();
}

TEST_F(ExistingFolderTest, AFolderThatCannotBeMadeAgainIsAnOrdinaryFailure) {
    putInFolder(QStringLiteral("old.htm"));
    files.fail(FaultyFiles::Operation::RemoveFolder, 57);
    port.answer(Answer::Replace);
    port.answer(Answer::Ignore); // the folder stays: making it again fails with 75
    port.answer(Answer::Ignore); // and the pages go into the emptied folder
    runFrames();

    EXPECT_EQ(port.failures, QStringList({QStringLiteral("Error 57: Device I/O error"),
                                          QStringLiteral("Error 75: Path/File access error")}));
    expectFreshPages();
}

TEST_F(ExistingFolderTest, AFolderSwappedForALinkOnceCheckedIsEmptiedButNeverFollowed) {
    putInFolder(QStringLiteral("old.htm"));
    putInFolder(QStringLiteral("older.htm"));
    files.fail(FaultyFiles::Operation::RemoveFile, 70); // old.htm
    port.answer(Answer::Replace);
    port.answer(Answer::Ignore, [this] {
        ASSERT_TRUE(QFile::rename(folder(), sitePath(QStringLiteral("moved"))));
        ASSERT_TRUE(QFile::link(rootPath(QStringLiteral("elsewhere")), folder()));
    });
    // Removing and making the folder; for a and b, opening the page and writing it unopened.
    for (int step = 0; step < 6; ++step) {
        port.answer(Answer::Ignore);
    }
    runFrames();

    const QString linkInTheWay = QStringLiteral("Error 75: Path/File access error");
    EXPECT_EQ(port.failures, QStringList(QStringLiteral("Error 70: Permission denied")) +
                                 QStringList(6, linkInTheWay));
    EXPECT_EQ(FolderEntries(sitePath(QStringLiteral("moved"))), QStringList({"old.htm"}));
    EXPECT_EQ(WithoutPart(ReadFolderTree(root.path()), QStringLiteral("site")),
              WithoutPart(before, QStringLiteral("site")));
}
