// A site folder that others can write in: while runs replace the output folder and write
// their pages, another user keeps exchanging the output folder with a link to a folder
// elsewhere. No run may delete, write or change anything there.
#include "mover_run_fixture.h"
#include "support/qstring_printer.h"

#include "movers/disk_files.h"
#include "movers/mover_run.h"

#include <QFile>

#include <atomic>
#include <chrono>
#include <thread>

#include <cstdio>
#include <fcntl.h>

namespace {

// Answers as a user who replaces the output folder and passes over every failure.
class ReplacingHost final : public MoverHost {
public:
    MsgAnswer MsgBox(const QString&, MsgButtons buttons, MsgIcon) override {
        return buttons == MsgButtons::YesNo              ? MsgAnswer::Yes
               : buttons == MsgButtons::AbortRetryIgnore ? MsgAnswer::Ignore
                                                         : MsgAnswer::OK;
    }
    void setCaption(const QString&) override {}
    void setBusyPointer(bool) override {}
    void setFocus(MoverControl) override {}
    void openFileManager(const QString&) override {}
    void closeMainWindow() override {}
};

// Exchanges two entries of a folder, back and forth, for as long as it lives.
class Exchanger {
public:
    Exchanger(const QString& first, const QString& second)
        : first(QFile::encodeName(first)), second(QFile::encodeName(second)),
          worker([this] { exchange(); }) {}
    ~Exchanger() {
        stop = true;
        worker.join();
    }
    Exchanger(const Exchanger&) = delete;
    Exchanger& operator=(const Exchanger&) = delete;

private:
    void exchange() {
        while (!stop) {
            ::renameat2(AT_FDCWD, first.constData(), AT_FDCWD, second.constData(), RENAME_EXCHANGE);
            std::this_thread::sleep_for(std::chrono::microseconds(100));
        }
    }

    QByteArray first;
    QByteArray second;
    std::atomic<bool> stop = false;
    std::thread worker;
};

// What became of a folder's entries: "lost x", "new x" and "changed x", one for each.
QStringList Changes(const FolderTree& before, const FolderTree& after) {
    QStringList changes;
    for (auto entry = before.cbegin(); entry != before.cend(); ++entry) {
        if (!after.contains(entry.key())) {
            changes << QStringLiteral("lost ") + entry.key();
        } else if (after.value(entry.key()) != entry.value()) {
            changes << QStringLiteral("changed ") + entry.key();
        }
    }
    for (auto entry = after.cbegin(); entry != after.cend(); ++entry) {
        if (!before.contains(entry.key())) {
            changes << QStringLiteral("new ") + entry.key();
        }
    }
    return changes;
}

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
    ASSERT_TRUE(
        QFile::link(rootPath(QStringLiteral("elsewhere")), sitePath(QStringLiteral("swap"))));
    const FolderTree elsewhere = ReadFolderTree(rootPath(QStringLiteral("elsewhere")));

    ReplacingHost replacing;
    DiskFiles disk;
    {
        const Exchanger exchanger(outputPath(RedirectPages()), sitePath(QStringLiteral("swap")));
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(3);
        while (std::chrono::steady_clock::now() < end) {
            MoverRun(RedirectPages(), replacing, disk).run(inputs(names), page);
        }
    }
    EXPECT_EQ(Changes(elsewhere, ReadFolderTree(rootPath(QStringLiteral("elsewhere")))),
              QStringList());
}
