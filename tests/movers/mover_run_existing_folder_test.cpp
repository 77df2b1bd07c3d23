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
    QString question() const {
        return QStringLiteral("box: ") + folder() +
               QStringLiteral(" already exists. Do you want to delete it?");
    }
    void runFrames() {
        run(FramedForwardPages(), inputs({QStringLiteral("a.htm"), QStringLiteral("b.htm")}));
    }
    // Answers Yes to the question and OK to the one box after it, and runs.
    void runAnsweringYes() {
        host.answer(MsgAnswer::Yes);
        host.answer(MsgAnswer::OK);
        runFrames();
    }
    void expectFreshPages() const {
        EXPECT_EQ(FolderEntries(folder()),
                  QStringList({QStringLiteral("a.htm"), QStringLiteral("b.htm")}));
        EXPECT_EQ(written(FramedForwardPages(), QStringLiteral("a.htm")),
                  FramedBytes("A", "http://new.example/a.htm"));
    }
    // The run ended at the refusal: pointer back, nothing opened, said or closed.
    void expectEndedAfter(const QString& box) const {
        EXPECT_EQ(host.events,
                  QStringList({QStringLiteral("busy"), question(), QStringLiteral("box: ") + box,
                               QStringLiteral("default pointer")}));
    }
};

} // namespace

TEST_F(ExistingFolderTest, YesReplacesEveryFileOfTheFolderWithFreshPages) {
    putInFolder(QStringLiteral("a.htm"));
    putInFolder(QStringLiteral("old.htm"));
    putInFolder(QStringLiteral("notes.txt"), "not a page");
    putInFolder(QStringLiteral(".hidden"), "hidden");
    runAnsweringYes();

    EXPECT_EQ(host.events.mid(0, 3),
              QStringList({QStringLiteral("busy"), question(), QStringLiteral("page 0 of 2")}));
    EXPECT_EQ(host.boxes.at(0).buttons, MsgButtons::YesNo);
    EXPECT_EQ(host.boxes.at(0).icon, MsgIcon::None);
    expectFreshPages();
    expectOnlyOutputChanged(FramedForwardPages());
}

TEST_F(ExistingFolderTest, AnEmptyFolderIsReplacedWithoutAnyErrorBox) {
    QDir().mkpath(folder());
    runAnsweringYes();

    EXPECT_EQ(host.boxTexts(), QStringList({question().mid(5), QStringLiteral("done")}));
    expectFreshPages();
}

TEST_F(ExistingFolderTest, NoTouchesNothingAndEndsTheRun) {
    putInFolder(QStringLiteral("a.htm"));
    host.answer(MsgAnswer::No);
    runFrames();

    EXPECT_EQ(host.events,
              QStringList({QStringLiteral("busy"), question(), QStringLiteral("default pointer")}));
    expectNothingChanged();
}

TEST_F(ExistingFolderTest, ALinkInPlaceOfTheFolderIsNeverDeletedThrough) {
    ASSERT_TRUE(QFile::link(rootPath(QStringLiteral("elsewhere")), folder()));
    runAnsweringYes();

    expectEndedAfter(folder() +
                     QStringLiteral(" cannot be replaced because it is a symbolic link."));
    EXPECT_EQ(host.boxes.at(1).icon, MsgIcon::Critical);
    expectNothingChanged();
}

TEST_F(ExistingFolderTest, AFileInPlaceOfTheFolderIsKept) {
    WriteFile(folder(), "a file named like the output folder");
    runAnsweringYes();

    expectEndedAfter(folder() + QStringLiteral(" cannot be replaced because it is not a folder."));
    EXPECT_EQ(host.boxes.at(1).icon, MsgIcon::Critical);
    expectNothingChanged();
}

TEST_F(ExistingFolderTest, AFolderHoldingASubfolderKeepsAllItHolds) {
    putInFolder(QStringLiteral("a.htm"));
    putInFolder(QStringLiteral("images/logo.png"), "png");
    runAnsweringYes();

    expectEndedAfter(folder() + QStringLiteral(" cannot be replaced because it holds \"images\", "
                                               "which is not a plain file."));
    expectNothingChanged();
}

TEST_F(ExistingFolderTest, AFileThatCannotBeDeletedCanBeRetried) {
    putInFolder(QStringLiteral("old.htm"));
    files.fail(FaultyFiles::Operation::RemoveFile, 70);
    host.answer(MsgAnswer::Yes);
    host.answer(MsgAnswer::Retry);
    host.answer(MsgAnswer::OK);
    runFrames();

    EXPECT_EQ(host.boxTexts(),
              QStringList({question().mid(5), QStringLiteral("Error 70: Permission denied"),
                           QStringLiteral("done")}));
    EXPECT_EQ(host.boxes.at(1).buttons, MsgButtons::AbortRetryIgnore);
    EXPECT_EQ(host.boxes.at(1).icon, MsgIcon::None);
    expectFreshPages();
}

TEST_F(ExistingFolderTest, AnIgnoredUndeletableFileKeepsTheFolderFromBeingRemoved) {
    putInFolder(QStringLiteral("old.htm"));
    files.fail(FaultyFiles::Operation::RemoveFile, 70);
    host.answer(MsgAnswer::Yes);
    host.answer(MsgAnswer::Ignore);
    host.answer(MsgAnswer::Abort); // removing the folder that still holds the file
    runFrames();

    EXPECT_EQ(host.boxTexts(),
              QStringList({question().mid(5), QStringLiteral("Error 70: Permission denied"),
                           QStringLiteral("Error 75: Path/File access error")}));
    EXPECT_EQ(host.events.last(), QStringLiteral("default pointer"));
    expectNothingChanged();
}

TEST_F(ExistingFolderTest, AFileRemovedWhileTheQuestionIsShownIsNoFailure) {
    putInFolder(QStringLiteral("old.htm"));
    host.answer(MsgAnswer::Yes, [this] {
        QFile::remove(outputPath(FramedForwardPages(), QStringLiteral("old.htm")));
    });
    host.answer(MsgAnswer::OK);
    runFrames();

    EXPECT_EQ(host.boxTexts(), QStringList({question().mid(5), QStringLiteral("done")}));
    expectFreshPages();
}

TEST_F(ExistingFolderTest, AFolderThatCannotBeMadeAgainIsAnOrdinaryFailure) {
    putInFolder(QStringLiteral("old.htm"));
    files.fail(FaultyFiles::Operation::RemoveFolder, 57);
    host.answer(MsgAnswer::Yes);
    host.answer(MsgAnswer::Ignore); // the folder stays: making it again fails with 75
    host.answer(MsgAnswer::Ignore); // and the pages go into the emptied folder
    host.answer(MsgAnswer::OK);
    runFrames();

    EXPECT_EQ(
        host.boxTexts(),
        QStringList({question().mid(5), QStringLiteral("Error 57: Device I/O error"),
                     QStringLiteral("Error 75: Path/File access error"), QStringLiteral("done")}));
    expectFreshPages();
}

TEST_F(ExistingFolderTest, AFolderSwappedForALinkOnceCheckedIsEmptiedButNeverFollowed) {
    putInFolder(QStringLiteral("old.htm"));
    putInFolder(QStringLiteral("older.htm"));
    files.fail(FaultyFiles::Operation::RemoveFile, 70); // old.htm
    host.answer(MsgAnswer::Yes);
    host.answer(MsgAnswer::Ignore, [this] {
        ASSERT_TRUE(QFile::rename(folder(), sitePath(QStringLiteral("moved"))));
        ASSERT_TRUE(QFile::link(rootPath(QStringLiteral("elsewhere")), folder()));
    });
    // Removing and making the folder; for a and b, opening the page and writing it unopened.
    for (int step = 0; step < 6; ++step) {
        host.answer(MsgAnswer::Ignore);
    }
    host.answer(MsgAnswer::OK);
    runFrames();

    const QString linkInTheWay = QStringLiteral("Error 75: Path/File access error");
    EXPECT_EQ(host.boxTexts(),
              QStringList({question().mid(5), QStringLiteral("Error 70: Permission denied")}) +
                  QStringList(6, linkInTheWay) + QStringList(QStringLiteral("done")));
    EXPECT_EQ(FolderEntries(sitePath(QStringLiteral("moved"))), QStringList({"old.htm"}));
    EXPECT_EQ(WithoutPart(ReadFolderTree(root.path()), QStringLiteral("site")),
              WithoutPart(before, QStringLiteral("site")));
}
