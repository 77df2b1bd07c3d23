#include "mover_run_fixture.h"
#include "support/qstring_printer.h"

#include <QFileInfo>

namespace {

using MoverChecksTest = MoverRunTest;

} // namespace

// The address is checked first, then the delay where the kind needs one; a run without them
// tells which is missing and changes nothing.
TEST_F(MoverChecksTest, AMissingAddressOrDelayIsToldAndNothingIsDone) {
    writeSitePage(QStringLiteral("a.htm"), "<title>A</title>");
    struct Case {
        MoverKind kind;
        bool address;
        bool delay;
        QString missing;
    };
    for (const Case& check : {Case{RedirectPages(), false, false, "missing: new address"},
                              Case{FramedForwardPages(), false, false, "missing: new address"},
                              Case{RedirectPages(), true, false, "missing: delay"}}) {
        port = ScriptedMoverPort();
        MoverInputs given = inputs({QStringLiteral("a.htm")});
        if (!check.address) {
            given.newAddress.clear();
        }
        given.delayGiven = check.delay;
        run(check.kind, given);

        EXPECT_EQ(
            port.events,
            QStringList({check.missing, QStringLiteral("ended: aborted, 0 written, 0 failed")}));
        expectNothingChanged();
    }
}

TEST_F(MoverChecksTest, FramedForwardPagesNeedNoDelay) {
    writeSitePage(QStringLiteral("a.htm"), "<title>A</title>");
    MoverInputs noDelay = inputs({QStringLiteral("a.htm")});
    noDelay.delayGiven = false;
    run(FramedForwardPages(), noDelay);

    EXPECT_EQ(written(FramedForwardPages(), QStringLiteral("a.htm")),
              FramedBytes("A", "http://new.example/a.htm"));
}

TEST_F(MoverChecksTest, AnEmptyListStillMakesTheFolderAndCompletes) {
    run(RedirectPages(), inputs());

    const QString folder = outputPath(RedirectPages());
    EXPECT_EQ(port.events, QStringList({QStringLiteral("starting: 0 pages"),
                                        QStringLiteral("ended: completed, 0 written, 0 failed")}));
    EXPECT_EQ(outcome.outputFolder, folder);
    EXPECT_TRUE(outcome.lastPage.isEmpty());
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_TRUE(FolderEntries(folder).isEmpty());
    expectOnlyOutputChanged(RedirectPages());
}

TEST_F(MoverChecksTest, PageFilesWithNamesThatAreNotUtf8AreNamedBeforeTheRunGoesOn) {
    writeSitePage(QStringLiteral("a.htm"), "<title>A</title>");
    QByteArrayList undecodable{"a\nb\xFF.htm", "caf\xE9.htm", "\xC3\xA9t\xE9.htm"};
    for (char n = '0'; n <= '8'; ++n) {
        undecodable << QByteArray("\xFE") + n + ".htm";
    }
    for (const QByteArray& name : undecodable) {
        WriteRawNamedFile(sitePath(), name, "<title>lost</title>");
    }
    run(FramedForwardPages(), inputs({QStringLiteral("a.htm")}));

    EXPECT_EQ(
        port.events.mid(0, 2),
        QStringList({QStringLiteral("undecodable: 12 page files get no mover page because their "
                                    "names are not valid UTF-8:\n"
                                    "a\\x0Ab\\xFF.htm\ncaf\\xE9.htm\n\u00E9t\\xE9.htm\n"
                                    "\\xFE0.htm\n\\xFE1.htm\n\\xFE2.htm\n\\xFE3.htm\n"
                                    "\\xFE4.htm\n\\xFE5.htm\n\\xFE6.htm\nand 2 more"),
                     QStringLiteral("starting: 1 pages")}));
    EXPECT_EQ(written(FramedForwardPages(), QStringLiteral("a.htm")),
              FramedBytes("A", "http://new.example/a.htm"));
}
