// A site folder that others can write in: while runs replace the output folder and write
// their pages, another user keeps exchanging the output folder with a link to a folder
// elsewhere. No run may delete, write or change anything there.
#include "mover_run_fixture.h"
#include "support/qstring_printer.h"

#include "movers/files/disk_files.h"
#include "movers/run/mover_run.h"

#include <QFile>

#include <atomic>
#include <chrono>
#include <thread>

#include <cstdio>
#include <fcntl.h>

namespace {

// Answers as a user who replaces the output folder and passes over every failure.
class ReplacingPort final : public MoverPort {
public:
    StepChoice stepFailed(const FileError&, const QString&) override { return StepChoice::Ignore; }
    bool replaceExistingFolder(const QString&) override { return true; }
};

using SharedSiteTest = MoverRunTest;

} // namespace

TEST_F(SharedSiteTest, AnOutputFolderSwappedForALinkNeverLeadsARunElsewhere) {
    QStringList names;
    for (int n = 0; n < 20; ++n) {
        names << QStringLiteral("p%1.htm").arg(n);
        writeSitePage(names.last(), "<title>P</title>");
        WriteFile(rootPath(QStringLiteral("elsewhere/") + names.last()), "not to be replaced");
    }
    WriteFile(outputPath(RedirectPages(), QStringLiteral("old.htm")), "an earlier page");
    const QString elsewhere = rootPath(QStringLiteral("elsewhere"));
    ASSERT_TRUE(QFile::link(elsewhere, sitePath(QStringLiteral("swap"))));
    const FolderTree elsewhereBefore = ReadFolderTree(elsewhere);

    const QByteArray output = QFile::encodeName(outputPath(RedirectPages()));
    const QByteArray swap = QFile::encodeName(sitePath(QStringLiteral("swap")));
    std::atomic<bool> running = true;
    std::thread exchanger([&] {
        while (running) {
            ::renameat2(AT_FDCWD, output.constData(), AT_FDCWD, swap.constData(), RENAME_EXCHANGE);
            std::this_thread::sleep_for(std::chrono::microseconds(100));
        }
    });
    ReplacingPort replacing;
    DiskFiles disk;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (std::chrono::steady_clock::now() < end) {
        MoverRun(RedirectPages(), replacing, disk).run(inputs(names));
    }
    running = false;
    exchanger.join();

    const FolderTree elsewhereAfter = ReadFolderTree(elsewhere);
    EXPECT_EQ(elsewhereAfter.keys(), elsewhereBefore.keys()) << "no file lost or added";
    EXPECT_TRUE(elsewhereAfter == elsewhereBefore) << "no file changed";
}
