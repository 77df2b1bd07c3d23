// The command line writes the same pages as the window's commands, byte for byte.
#include "cli/zandrift_program.h"
#include "movers/folder_tree.h"
#include "support/main_window_fixture.h"
#include "support/qstring_printer.h"

#include <QDir>
#include <QPushButton>

namespace {

class CommandLinePagesTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        writeSiteFile(QStringLiteral("a.htm"), "<title>About & \"us\"</title>");
        writeSiteFile(QStringLiteral("b.html"), "<html>no title</html>");
        writeSiteFile(QStringLiteral("50%#off.htm"), "<title>Sale</title>");
        writeSiteFile(QStringLiteral("caf\u00e9.htm"), "<title>Caf\xe9 Latin-1</title>");
        start(sitePath());
        giveAddress(address);
    }
    // The pages written into the output folder, which is removed for the next run.
    FolderTree takePages(const QString& folderName) {
        const QString folder = sitePath(folderName);
        const FolderTree pages = ReadFolderTree(folder);
        QDir(folder).removeRecursively();
        return pages;
    }
    ProgramResult commandLine(const QStringList& arguments) {
        return RunZandrift(
            arguments + QStringList{QStringLiteral("--address"), address, sitePath()}, home.path());
    }

    const QString address = QStringLiteral("http://new.example/old site");
    QTemporaryDir home;
};

} // namespace

TEST_F(CommandLinePagesTest, CreateFramesAndCreateMoversWriteWhatTheCommandLineWrites) {
    boxes.answer({MsgAnswer::OK});
    window->cmdFrames->click();
    const FolderTree framesOfTheWindow = takePages(QStringLiteral("framedforward"));
    const ProgramResult frames = commandLine({QStringLiteral("--frames")});
    EXPECT_EQ(frames.exitCode, 0) << frames.err.toStdString();
    EXPECT_EQ(frames.out, QStringLiteral("Wrote 4 pages to ") + sitePath("framedforward") + u'\n');
    EXPECT_EQ(takePages(QStringLiteral("framedforward")), framesOfTheWindow);

    giveDelay(QStringLiteral("7"));
    boxes.answer({MsgAnswer::OK});
    window->cmdCreate->click();
    const FolderTree moversOfTheWindow = takePages(QStringLiteral("zandrifts"));
    const ProgramResult movers =
        commandLine({QStringLiteral("--movers"), QStringLiteral("--delay"), QStringLiteral("7")});
    EXPECT_EQ(movers.exitCode, 0) << movers.err.toStdString();
    EXPECT_EQ(takePages(QStringLiteral("zandrifts")), moversOfTheWindow);
    EXPECT_EQ(moversOfTheWindow.size(), 4);
}
