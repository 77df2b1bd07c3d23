#include "mover_run_fixture.h"
#include "support/qstring_printer.h"

#include <QDir>
#include <QFile>

#include <csignal>

#include <sys/resource.h>

namespace {

using MoverPagesTest = MoverRunTest;

QStringList tenPages() {
    QStringList names;
    for (int n = 0; n < 10; ++n) {
        names << QStringLiteral("p%1.htm").arg(n);
    }
    return names;
}

} // namespace

TEST_F(MoverPagesTest, TenRedirectPagesAreCountedFrom0To9AndWrittenOneEach) {
    for (const QString& name : tenPages()) {
        writeSitePage(name, "<html><TITLE>Page " + name.toUtf8() + "</TITLE></html>");
    }
    run(RedirectPages(), inputs(tenPages()));

    QStringList expectedStarts;
    for (int n = 0; n < 10; ++n) {
        expectedStarts << QStringLiteral("%1 of 10").arg(n);
    }
    EXPECT_EQ(port.pagesStarting, expectedStarts);
    EXPECT_EQ(FolderEntries(outputPath(RedirectPages())), tenPages());
    for (const QString& name : tenPages()) {
        const QByteArray bytes = name.toUtf8();
        EXPECT_EQ(written(RedirectPages(), name),
                  RedirectBytes("Page " + bytes, "http://new.example/" + bytes));
    }
    EXPECT_EQ(written(RedirectPages(), QStringLiteral("p3.htm")),
              QByteArray("<html><head><title>Page p3.htm</title><META HTTP-EQUIV=\"Refresh\" "
                         "CONTENT=\"3;URL=http://new.example/p3.htm\"></head><body><h1>Page "
                         "p3.htm</h1><hr>You are redirected to <a "
                         "href=\"http://new.example/p3.htm\">http://new.example/p3.htm</a><br>"
                         "Please update your bookmarks.</body></html>\r\n"));
    EXPECT_EQ(outcome.lastPage.toUtf8() + "\r\n",
              RedirectBytes("Page p9.htm", "http://new.example/p9.htm"));
    EXPECT_EQ(port.events.first(), QStringLiteral("starting: 10 pages"));
    EXPECT_EQ(port.events.last(), QStringLiteral("ended: completed, 10 written, 0 failed"));
    expectOnlyOutputChanged(RedirectPages());
}

TEST_F(MoverPagesTest, FramedPagesGoIntoTheirOwnFolderAndLeaveTheRedirectPagesAlone) {
    WriteFile(outputPath(RedirectPages(), QStringLiteral("a.htm")), "an earlier redirect");
    writeSitePage(QStringLiteral("a.htm"), "<title>A</title>");
    writeSitePage(QStringLiteral("b.htm"), "<title>B</title>");
    run(FramedForwardPages(), inputs({QStringLiteral("a.htm"), QStringLiteral("b.htm")}));

    EXPECT_EQ(written(FramedForwardPages(), QStringLiteral("a.htm")),
              FramedBytes("A", "http://new.example/a.htm"));
    EXPECT_EQ(written(FramedForwardPages(), QStringLiteral("b.htm")),
              FramedBytes("B", "http://new.example/b.htm"));
    EXPECT_EQ(port.pagesStarting.last(), QStringLiteral("1 of 2"));
    EXPECT_EQ(outcome.lastPage,
              QStringLiteral("<html><head><title>B</title><frameset rows=\"100%\"><frame "
                             "src=\"http://new.example/b.htm\" name=\"redirect\">"
                             "</frameset>"));
    expectOnlyOutputChanged(FramedForwardPages());
}

TEST_F(MoverPagesTest, TheAddressGetsASlashOnlyWhenItEndsInNoSeparator) {
    writeSitePage(QStringLiteral("a.htm"), "<title>A</title>");
    const std::pair<QString, QByteArray> cases[] = {
        {QStringLiteral("http://new.example/docs/"), "http://new.example/docs/a.htm"},
        {QStringLiteral("c:\\newsite\\"), "c:\\newsite\\a.htm"},
        {QStringLiteral("c:\\newsite"), "c:\\newsite/a.htm"},
    };
    for (const auto& [address, target] : cases) {
        QDir(outputPath(FramedForwardPages())).removeRecursively();
        port = ScriptedMoverPort();
        MoverInputs given = inputs({QStringLiteral("a.htm")});
        given.newAddress = address;
        run(FramedForwardPages(), given);
        EXPECT_EQ(written(FramedForwardPages(), QStringLiteral("a.htm")), FramedBytes("A", target));
    }
}

// A page's name may be read in whatever encoding a browser guesses for the page, so
// everything beyond ASCII is encoded as well, a byte order mark too; so is the blank, which
// browsers trim at the end of an address. ASCII letters keep their bytes.
TEST_F(MoverPagesTest, PageNamesAreEncodedWhereTheyCannotStandRawInTheAddress) {
    const std::pair<QString, QByteArray> cases[] = {
        {QStringLiteral("50%#off.htm"), "50%25%23off.htm"},
        {QStringLiteral("quo\"te.htm"), "quo%22te.htm"},
        {QStringLiteral("a?<b>\\c.htm"), "a%3F%3Cb%3E%5Cc.htm"},
        {QStringLiteral("tab\t\u007F\u0085.htm"), "tab%09%7F%C2%85.htm"},
        {QStringLiteral("blank & more_(1)+[2]~!$'*,;=@{}|^`.htm"),
         "blank%20&%20more_(1)+[2]~!$'*,;=@{}|^`.htm"},
        {QStringLiteral("\u00DCber uns.htm"), "%C3%9Cber%20uns.htm"},
        {QStringLiteral("x.htm "), "x.htm%20"},
        {QStringLiteral("\uFEFFx.htm"), "%EF%BB%BFx.htm"},
        {QStringLiteral("caf\u00E9.htm"), "caf%C3%A9.htm"},
        {QStringLiteral("\u65E5\u672C\u8A9E.htm"), "%E6%97%A5%E6%9C%AC%E8%AA%9E.htm"},
        {QStringLiteral("smile \U0001F642.htm"), "smile%20%F0%9F%99%82.htm"},
    };
    QStringList names;
    for (const auto& [name, encoded] : cases) {
        writeSitePage(name, "<title>T</title>");
        names << name;
    }
    MoverInputs given = inputs(names);
    given.newAddress = QStringLiteral("http://new.example/50%#?");
    run(RedirectPages(), given);

    for (const auto& [name, encoded] : cases) {
        EXPECT_EQ(written(RedirectPages(), name),
                  RedirectBytes("T", "http://new.example/50%#?/" + encoded))
            << name.toStdString();
    }
    EXPECT_EQ(port.pagesStarting.last(), QStringLiteral("10 of 11"));
}

TEST_F(MoverPagesTest, ALatin1PageGivesALatin1PageWithReferencesInTheAddress) {
    writeSitePage(QStringLiteral("caf\u00e9.htm"), "<title>Caf\xe9 & \"Cr\xe8me\"</title>");
    MoverInputs given = inputs({QStringLiteral("caf\u00e9.htm")});
    given.newAddress = QStringLiteral("http://\u0142\u00f3d\u017a.example");
    run(RedirectPages(), given);

    EXPECT_EQ(written(RedirectPages(), QStringLiteral("caf\u00e9.htm")),
              RedirectBytes("Caf\xe9 & \"Cr\xe8me\"", "http://&#322;\xf3"
                                                      "d&#378;.example/caf%C3%A9.htm"));
}

TEST_F(MoverPagesTest, AUtf8PageGivesAUtf8Page) {
    writeSitePage(QStringLiteral("a.htm"), "<title>Caf\xc3\xa9 \xc5\x82</title>");
    MoverInputs given = inputs({QStringLiteral("a.htm")});
    given.newAddress = QStringLiteral("http://\u0142\u00f3d\u017a.example/");
    run(RedirectPages(), given);

    EXPECT_EQ(written(RedirectPages(), QStringLiteral("a.htm")),
              RedirectBytes("Caf\xc3\xa9 \xc5\x82", "http://\xc5\x82\xc3\xb3"
                                                    "d\xc5\xba.example/a.htm"));
}

TEST_F(MoverPagesTest, APageWithoutTitleOrFileIsTitledWithItsPath) {
    writeSitePage(QStringLiteral("untitled.htm"), "<html><body>no title</body></html>");
    run(RedirectPages(), inputs({QStringLiteral("untitled.htm"), QStringLiteral("gone.htm")}));

    const QByteArray untitled = sitePath(QStringLiteral("untitled.htm")).toUtf8();
    const QByteArray gone = sitePath(QStringLiteral("gone.htm")).toUtf8();
    EXPECT_EQ(written(RedirectPages(), QStringLiteral("untitled.htm")),
              RedirectBytes(untitled, "http://new.example/untitled.htm"));
    EXPECT_EQ(written(RedirectPages(), QStringLiteral("gone.htm")),
              RedirectBytes(gone, "http://new.example/gone.htm"));
}

TEST_F(MoverPagesTest, ADelayOfZeroIsWrittenAsZero) {
    MoverInputs given = inputs({QStringLiteral("a.htm")});
    given.delay = 0;
    run(RedirectPages(), given);
    EXPECT_EQ(
        written(RedirectPages(), QStringLiteral("a.htm")),
        RedirectBytes(sitePath(QStringLiteral("a.htm")).toUtf8(), "http://new.example/a.htm", 0));
}

TEST_F(MoverPagesTest, MoreThan32767PagesAreWrittenWholeAndCountedOn) {
    QStringList names;
    for (int n = 0; n < 32770; ++n) {
        names << QStringLiteral("%1.htm").arg(n, 5, 10, QLatin1Char('0'));
    }
    run(FramedForwardPages(), inputs(names));

    EXPECT_EQ(port.pagesStarting.size(), 32770);
    EXPECT_EQ(port.pagesStarting.at(32768), QStringLiteral("32768 of 32770"));
    EXPECT_EQ(port.pagesStarting.last(), QStringLiteral("32769 of 32770"));
    EXPECT_EQ(FolderEntries(outputPath(FramedForwardPages())), names);
    EXPECT_EQ(written(FramedForwardPages(), QStringLiteral("32769.htm")),
              FramedBytes(sitePath(QStringLiteral("32769.htm")).toUtf8(),
                          "http://new.example/32769.htm"));
}

TEST_F(MoverPagesTest, PercentSignsInTheAddressStayAsGiven) {
    MoverInputs given = inputs({QStringLiteral("a.htm"), QStringLiteral("b.htm")});
    given.newAddress = QStringLiteral("http://new.example/%1%2%3/");
    run(FramedForwardPages(), given);

    EXPECT_EQ(
        written(FramedForwardPages(), QStringLiteral("b.htm")),
        FramedBytes(sitePath(QStringLiteral("b.htm")).toUtf8(), "http://new.example/%1%2%3/b.htm"));
}

// Each rules file holds the pages written whole, and says what its kind leaves out.
TEST_F(MoverPagesTest, RulesFilesFollowThePagesWrittenAndTellWhatTheyLeaveOut) {
    const QStringList names{"index.htm", "price$5.htm", "unwritten.htm"};
    for (const QString& name : names) {
        writeSitePage(name, "<title>T</title>");
    }
    port.onPageStarting([this](qsizetype index) {
        if (index == 2) {
            files.fail(FaultyFiles::Operation::Write, 61);
        }
    });
    port.answer(Answer::Ignore);
    MoverInputs given = inputs(names);
    given.rulesKinds = {ServerRulesKinds().at(1), ServerRulesKinds().at(3)}; // nginx, netlify
    given.oldPath = QStringLiteral("/old/");
    run(FramedForwardPages(), given);

    EXPECT_EQ(port.failures, QStringList({"Error 61: Disk full"}));
    EXPECT_TRUE(port.events.contains("left out: redirects.nginx leaves out /old/price$5.htm: nginx "
                                     "reads \"$\" in an address as a variable."));
    EXPECT_EQ(written(FramedForwardPages(), QStringLiteral("_redirects")),
              "# Permanent redirects (301) of the pages Zandrift moved, for Netlify: deploy this "
              "_redirects file at the site's root.\n"
              "/old/index.htm http://new.example/index.htm 301!\n"
              "/old/ http://new.example/ 301!\n"
              "/old/price%245.htm http://new.example/price$5.htm 301!\n");
    EXPECT_EQ(outcome.failedSteps, 1);
}

// The pages are read ahead of their writing: a page that cannot be read, far ahead of the one
// being written (its file removed as the run begins), still gets its path as its title at its
// own turn, and every other page its own title, in order, in folders of a tree.
TEST_F(MoverPagesTest, PagesReadAheadKeepTheirOrderAndAFailedReadItsTurn) {
    QStringList names;
    for (int n = 0; n < 100; ++n) {
        names << QStringLiteral("f%1/p%2.htm").arg(n / 30).arg(n);
        writeSitePage(names.last(), "<title>T" + QByteArray::number(n) + "</title>");
    }
    port.onPageStarting([this, &names](qsizetype index) {
        if (index == 0) {
            QFile::remove(sitePath(names.at(70)));
        }
    });
    MoverInputs given = inputs(names);
    given.depth = ListingDepth::WholeTree;
    run(FramedForwardPages(), given);

    for (int n = 0; n < 100; ++n) {
        const QByteArray title =
            n == 70 ? sitePath(names.at(70)).toUtf8() : "T" + QByteArray::number(n);
        EXPECT_EQ(written(FramedForwardPages(), names.at(n)),
                  FramedBytes(title, "http://new.example/" + names.at(n).toUtf8()))
            << n;
    }
}

// The pages' files are made ahead without a name where the file system allows: one that the
// full disk cuts short is never named, the failure is asked about at its turn, and Retry once
// room is made writes it and the rest whole, leaving nothing behind.
TEST_F(MoverPagesTest, APageTheFullDiskCutsShortIsAskedAboutAndRetryWritesItWhole) {
    for (const QString& name : tenPages()) {
        writeSitePage(name, "<title>" + name.toUtf8() + "</title>");
    }
    // The disk fills up for real, for this process alone: its files may grow to 64 bytes, and a
    // write past that fails with EFBIG instead of ending the process, until room is made.
    rlimit room{};
    getrlimit(RLIMIT_FSIZE, &room);
    rlimit full = room;
    full.rlim_cur = 64;
    std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &full);
    port.answer(Answer::Retry, [&room] { setrlimit(RLIMIT_FSIZE, &room); });
    run(RedirectPages(), inputs(tenPages()));
    setrlimit(RLIMIT_FSIZE, &room);

    EXPECT_EQ(port.failures, QStringList({"Error 61: Disk full"}));
    EXPECT_EQ(port.events.last(), QStringLiteral("ended: completed, 10 written, 0 failed"));
    for (const QString& name : tenPages()) {
        EXPECT_EQ(written(RedirectPages(), name),
                  RedirectBytes(name.toUtf8(), "http://new.example/" + name.toUtf8()));
    }
    expectOnlyOutputChanged(RedirectPages());
}
