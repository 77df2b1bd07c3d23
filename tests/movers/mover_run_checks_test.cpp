#include "mover_run_fixture.h"
#include "support/qstring_printer.h"

#include <QFileInfo>

namespace {

using MoverChecksTest = MoverRunTest;

} // namespace

TEST_F(MoverChecksTest, WithoutAnAddressEitherCommandOnlyAsksForOne) {
    writeSitePage(QStringLiteral("a.htm"), "<title>A</title>");
    for (const MoverKind& kind : {RedirectPages(), FramedForwardPages()}) {
        host = ScriptedMoverHost();
        host.answer(MsgAnswer::OK);
        MoverInputs noAddress = inputs({QStringLiteral("a.htm")});
        noAddress.newAddress.clear();
        noAddress.delayGiven = false; // the address is checked first
        run(kind, noAddress);

        EXPECT_EQ(host.events, QStringList({QStringLiteral("box: Give a new address."),
                                            QStringLiteral("focus: new address")}));
        EXPECT_EQ(host.boxes.at(0).buttons, MsgButtons::OK);
        EXPECT_EQ(host.boxes.at(0).icon, MsgIcon::Critical);
        expectNothingChanged();
    }
}

TEST_F(MoverChecksTest, RedirectPagesNeedADelay) {
    host.answer(MsgAnswer::OK);
    MoverInputs noDelay = inputs({QStringLiteral("a.htm")});
    noDelay.delayGiven = false;
    run(RedirectPages(), noDelay);

    EXPECT_EQ(host.events, QStringList({QStringLiteral("box: Give a delay in seconds"),
                                        QStringLiteral("focus: delay")}));
    EXPECT_EQ(host.boxes.at(0).icon, MsgIcon::Critical);
    expectNothingChanged();
}

TEST_F(MoverChecksTest, FramedForwardPagesNeedNoDelay) {
    writeSitePage(QStringLiteral("a.htm"), "<title>A</title>");
    host.answer(MsgAnswer::OK);
    MoverInputs noDelay = inputs({QStringLiteral("a.htm")});
    noDelay.delayGiven = false;
    run(FramedForwardPages(), noDelay);

    EXPECT_EQ(written(FramedForwardPages(), QStringLiteral("a.htm")),
              FramedBytes("A", "http://new.example/a.htm"));
}

TEST_F(MoverChecksTest, AnEmptyListOfRedirectPagesStillMakesTheFolderAndEnds) {
    host.answer(MsgAnswer::OK);
    run(RedirectPages(), inputs());

    const QString folder = outputPath(RedirectPages());
    EXPECT_EQ(host.events,
              QStringList({QStringLiteral("busy"), QStringLiteral("default pointer"),
                           QStringLiteral("open: ") + folder, QStringLiteral("box: I'm done!"),
                           QStringLiteral("close")}));
    EXPECT_EQ(host.boxes.at(0).icon, MsgIcon::Information);
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_TRUE(FolderEntries(folder).isEmpty());
    expectOnlyOutputChanged(RedirectPages());
}

TEST_F(MoverChecksTest, AnEmptyListOfFramedPagesSaysDoneBeforeOpeningAndStaysOpen) {
    host.answer(MsgAnswer::OK);
    run(FramedForwardPages(), inputs());

    const QString folder = outputPath(FramedForwardPages());
    EXPECT_EQ(host.events,
              QStringList({QStringLiteral("busy"), QStringLiteral("default pointer"),
                           QStringLiteral("box: done"), QStringLiteral("open: ") + folder}));
    EXPECT_EQ(host.boxes.at(0).icon, MsgIcon::None);
    EXPECT_TRUE(QFileInfo(folder).isDir());
    expectOnlyOutputChanged(FramedForwardPages());
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
    host.answer(MsgAnswer::OK);
    host.answer(MsgAnswer::OK);
    run(FramedForwardPages(), inputs({QStringLiteral("a.htm")}));

    EXPECT_EQ(host.events.mid(0, 2),
              QStringList({QStringLiteral("box: 12 page files get no mover page because their "
                                          "names are not valid UTF-8:\n"
                                          "a\\x0Ab\\xFF.htm\ncaf\\xE9.htm\n\u00E9t\\xE9.htm\n"
                                          "\\xFE0.htm\n\\xFE1.htm\n\\xFE2.htm\n\\xFE3.htm\n"
                                          "\\xFE4.htm\n\\xFE5.htm\n\\xFE6.htm\nand 2 more"),
                           QStringLiteral("busy")}));
    EXPECT_EQ(host.boxes.at(0).buttons, MsgButtons::OK);
    EXPECT_EQ(host.boxes.at(0).icon, MsgIcon::Information);
    EXPECT_EQ(written(FramedForwardPages(), QStringLiteral("a.htm")),
              FramedBytes("A", "http://new.example/a.htm"));
}
