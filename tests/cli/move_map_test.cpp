// A move map through the real program: refused with its file, line and reason before anything
// is written, and followed by --list and --check.
#include "command_line_fixture.h"
#include "support/http/loopback_server.h"
#include "support/qstring_printer.h"

namespace {

class MoveMapTest : public CommandLineTest {
protected:
    void SetUp() override {
        CommandLineTest::SetUp();
        for (const char* page : {"a.htm", "old name.htm", "docs/b.htm"}) {
            writeSitePage(QString::fromUtf8(page), "<title>T</title>");
        }
    }
    // Writes the map and gives its path.
    QString map(const QByteArray& csv) const {
        const QString path = rootPath(QStringLiteral("moves.csv"));
        WriteFile(path, csv);
        return path;
    }
};

} // namespace

// Each fault stops the command before anything is written, exit status 2.
TEST_F(MoveMapTest, AMapThatCannotBeUsedIsNamedByFileLineAndReasonAndNothingIsWritten) {
    const QString path = rootPath(QStringLiteral("moves.csv"));
    const std::tuple<QByteArray, QStringList, QString> cases[] = {
        {"a.htm,x\n\"b.htm,y\n", {"--recursive"}, ":2: a quote is left open."},
        {"a.htm,x,y\n", {}, ":1: the row has 3 fields, not 2."},
        {"a.htm,x\n/a.htm,y\n", {}, ":2: the old path a.htm is given twice (first on line 1)."},
        {"old,new\ngone.htm,x\n", {}, ":2: the old path gone.htm is not a page of the run."},
        {"docs/b.htm,x\n",
         {},
         ":1: the old path docs/b.htm is in a subfolder, which the run takes only with "
         "--recursive."},
        {"a.htm,\"x\ny\"\n", {}, ":1: the new place holds a control character."},
    };
    const FolderTree before = ReadFolderTree(root.path());
    for (const auto& [csv, options, fault] : cases) {
        SCOPED_TRACE(csv.toStdString());
        map(csv);
        const ProgramResult result = frames(QStringList{"--map", path} + options);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_EQ(result.errLines(), QStringList("zandrift: " + path + fault));
        EXPECT_EQ(WithoutPart(ReadFolderTree(root.path()), "moves.csv"), before);
    }
    const ProgramResult unreadable = frames({"--map", rootPath(QStringLiteral("missing.csv"))});
    EXPECT_EQ(unreadable.exitCode, 2);
    EXPECT_EQ(unreadable.errLines(),
              QStringList("zandrift: " + rootPath(QStringLiteral("missing.csv")) +
                          ": it cannot be read: No such file or directory."));
}

// A move can be looked over before anything is written, and checked at the new site: pages
// without a row keep their path, the others go where the map says, on this host or another.
TEST_F(MoveMapTest, ListAndCheckFollowTheMap) {
    LoopbackServer server;
    ASSERT_TRUE(server.listen());
    server.serve(QStringLiteral("/new/a.htm"), {});
    server.serve(QStringLiteral("/new/company/new name.htm"), {});
    const QString mapPath = map("old name.htm,company/new name.htm\n"
                                "docs/b.htm," +
                                server.url(QStringLiteral("/elsewhere/b.htm")).toUtf8() + "\n");
    const QString newSite = server.url(QStringLiteral("/new/"));

    const ProgramResult list =
        zandrift({"--list", "--recursive", "--address", newSite, "--map", mapPath, sitePath()});
    EXPECT_EQ(list.outLines(),
              QStringList({"a.htm\t" + newSite + "a.htm",
                           "old name.htm\t" + newSite + "company/new%20name.htm",
                           "docs/b.htm\t" + server.url(QStringLiteral("/elsewhere/b.htm"))}));
    EXPECT_EQ(list.exitCode, 0);

    const ProgramResult check = RunZandriftServing(
        {"--check", "--recursive", "--address", newSite, "--map", mapPath, sitePath()},
        rootPath(QStringLiteral("home")));
    EXPECT_EQ(
        check.outLines(),
        QStringList({"docs/b.htm\t" + server.url(QStringLiteral("/elsewhere/b.htm")) + "\t404",
                     "2 of 3 pages found at the new address"}));
    EXPECT_EQ(check.exitCode, 1);
}
