#include "movers/rules/move_map.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

namespace {

QStringList rowsOf(const ParsedMoveMap& map) {
    QStringList rows;
    for (const MoveMapRow& row : map.rows) {
        rows << QStringLiteral("%1: %2 -> %3").arg(row.line).arg(row.oldPath, row.newPlace);
    }
    return rows;
}

} // namespace

// As spreadsheets write CSV: a byte order mark, CRLF, quoted fields with commas, doubled quotes
// and line breaks, blank rows (empty or all commas), comments and a header.
TEST(MoveMap, ReadsCsvAsSpreadsheetsWriteIt) {
    const ParsedMoveMap map = ParseMoveMap("\xEF\xBB\xBFold,new\r\n"
                                           "# renamed pages\r\n"
                                           "about_us.htm,company/about.html\r\n"
                                           "\r\n"
                                           ",\r\n"
                                           "/docs/a b.htm,https://other.example/a?x=1\r\n"
                                           "\"#top.htm\",\"one, two \"\"three\"\"\"\n"
                                           "\"multi\nline.htm\",x.htm\n"
                                           "caf\xC3\xA9.htm,/caf\xC3\xA9/\n");
    ASSERT_TRUE(map.usable()) << map.fault.toStdString();
    EXPECT_EQ(rowsOf(map),
              QStringList({"3: about_us.htm -> company/about.html",
                           "6: docs/a b.htm -> https://other.example/a?x=1",
                           "7: #top.htm -> one, two \"three\"", "8: multi\nline.htm -> x.htm",
                           QStringLiteral("10: caf\u00E9.htm -> /caf\u00E9/")}));
}

// Each fault is named with the line its row starts on.
TEST(MoveMap, RefusesAMapThatCannotBeUsedNamingTheLine) {
    const std::pair<QByteArray, std::pair<int, QString>> cases[] = {
        {"a.htm,b.htm\n\"c.htm,d.htm\n", {2, "a quote is left open"}},
        {"a.htm,\"b\"x\n", {1, "text follows a closing quote"}},
        {"a.htm,b.htm,c.htm\n", {1, "the row has 3 fields, not 2"}},
        {"old,new\n\na.htm\n", {3, "the row has 1 fields, not 2"}},
        {"a.htm,b.htm\n/a.htm,c.htm\n", {2, "the old path a.htm is given twice (first on line 1)"}},
        {"a.htm,\n", {1, "the new place is empty"}},
        {"a.htm,\"b\tc\"\n", {1, "the new place holds a control character"}},
        {"caf\xE9.htm,b.htm\n", {0, "it is not UTF-8 text"}},
    };
    for (const auto& [bytes, fault] : cases) {
        SCOPED_TRACE(bytes.toStdString());
        const ParsedMoveMap map = ParseMoveMap(bytes);
        EXPECT_EQ(map.faultLine, fault.first);
        EXPECT_EQ(map.fault, fault.second);
        EXPECT_TRUE(map.rows.isEmpty());
    }
}

TEST(MoveMap, NamesTheFirstRowWhoseOldPathIsNotOfTheRun) {
    const ParsedMoveMap map = ParseMoveMap("a.htm,x\ndocs/b.htm,y\ngone.htm,z\n");
    const QSet<QString> pages{"a.htm", "docs/b.htm"};
    const ParsedMoveMap tree = CheckMoveMapPaths(map, pages, true);
    EXPECT_EQ(tree.faultLine, 3);
    EXPECT_EQ(tree.fault, "the old path gone.htm is not a page of the run");
    const ParsedMoveMap folder = CheckMoveMapPaths(map, {"a.htm"}, false);
    EXPECT_EQ(folder.faultLine, 2);
    EXPECT_EQ(
        folder.fault,
        "the old path docs/b.htm is in a subfolder, which the run takes only with --recursive");
    EXPECT_EQ(NewPlaces(CheckMoveMapPaths(ParseMoveMap("a.htm,x\n"), {"a.htm"}, false)),
              (QHash<QString, QString>{{"a.htm", "x"}}));
}
