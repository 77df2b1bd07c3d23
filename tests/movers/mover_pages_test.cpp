#include "movers/pages/mover_pages.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

namespace {

const QString kAwkwardTitle = QStringLiteral("Tom & Jerry's \"<b>best</b>\"");
const QString kAwkwardAddress = QStringLiteral("http://new.example/a&b/\"q\"<x>/page.htm");

} // namespace

TEST(RedirectPage, HoldsTitleDelayAndAddressUnchangedInItsOneLine) {
    const QString line = RedirectPage({kAwkwardTitle, 5, kAwkwardAddress});
    EXPECT_EQ(PageFileBytes(line, false),
              QByteArray("<html><head><title>Tom & Jerry's \"<b>best</b>\"</title>"
                         "<META HTTP-EQUIV=\"Refresh\" CONTENT=\"5;URL=http://new.example/a&b/"
                         "\"q\"<x>/page.htm\"></head><body><h1>Tom & Jerry's \"<b>best</b>\""
                         "</h1><hr>You are redirected to <a href=\"http://new.example/a&b/\"q\""
                         "<x>/page.htm\">http://new.example/a&b/\"q\"<x>/page.htm</a><br>Please "
                         "update your bookmarks.</body></html>\r\n"));
}

TEST(RedirectPage, WritesTheDelayInPlainDecimal) {
    const PageFields zero{QStringLiteral("T"), 0, QStringLiteral("u")};
    EXPECT_EQ(RedirectPage(zero),
              QStringLiteral("<html><head><title>T</title><META HTTP-EQUIV=\"Refresh\" "
                             "CONTENT=\"0;URL=u\"></head><body><h1>T</h1><hr>You are "
                             "redirected to <a href=\"u\">u</a><br>Please update your "
                             "bookmarks.</body></html>"));
    EXPECT_TRUE(RedirectPage({QStringLiteral("T"), 32767, QStringLiteral("u")})
                    .contains(QStringLiteral("CONTENT=\"32767;URL=u\"")));
    EXPECT_TRUE(RedirectPage({QStringLiteral("T"), -4, QStringLiteral("u")})
                    .contains(QStringLiteral("CONTENT=\"-4;URL=u\"")));
}

TEST(FramedForwardPage, HoldsTitleAndAddressUnchangedInItsOneLine) {
    const QString line = FramedForwardPage({kAwkwardTitle, 9, kAwkwardAddress});
    EXPECT_EQ(PageFileBytes(line, false),
              QByteArray("<html><head><title>Tom & Jerry's \"<b>best</b>\"</title>"
                         "<frameset rows=\"100%\"><frame src=\"http://new.example/a&b/\"q\"<x>/"
                         "page.htm\" name=\"redirect\"></frameset>\r\n"));
}

TEST(PageFileBytes, WritesUtf8WithoutByteOrderMark) {
    EXPECT_EQ(PageFileBytes(QStringLiteral("Café ł 😀"), false),
              QByteArray("Caf\xc3\xa9 \xc5\x82 \xf0\x9f\x98\x80\r\n"));
}

TEST(PageFileBytes, WritesLatin1WithReferencesForWhatLatin1CannotHold) {
    // A whole code point per reference, also beyond the basic plane.
    EXPECT_EQ(PageFileBytes(QStringLiteral("Café ł 😀"), true),
              QByteArray("Caf\xe9 &#322; &#128512;\r\n"));
}

TEST(PageFileBytes, KeepsAnEmptyLineAsTheLineEndAlone) {
    EXPECT_EQ(PageFileBytes(QString(), false), QByteArray("\r\n"));
    EXPECT_EQ(PageFileBytes(QString(), true), QByteArray("\r\n"));
}

// What a page may carry besides: the canonical address, and a script that keeps the visitor's
// query and fragment. Hostile addresses (a quote, "</script>", a backslash, letters beyond
// ASCII and beyond the basic plane) cannot end the attribute, the string or the script.
TEST(PageExtras, CarryTheNewAddressEscapedForWhereItStands) {
    const QString hostile = QStringLiteral("http://n.example/\"</script>\\é😀&b");
    const QString literal =
        QStringLiteral("\"http://n.example/\\\"\\u003C/script>\\\\\\u00E9\\uD83D\\uDE00&b\"");
    const QString canonical = QStringLiteral(
        "<link rel=\"canonical\" href=\"http://n.example/&quot;&lt;/script&gt;\\é😀&amp;b\">");
    PageFields fields{QStringLiteral("T"), 2, hostile, {true, true}};

    EXPECT_EQ(RedirectPage(fields),
              QStringLiteral("<html><head><title>T</title><script>setTimeout(function(){"
                             "location.replace(") +
                  literal +
                  QStringLiteral("+location.search+location.hash)},2000)</script><noscript>"
                                 "<META HTTP-EQUIV=\"Refresh\" CONTENT=\"2;URL=") +
                  hostile + QStringLiteral("\"></noscript>") + canonical +
                  QStringLiteral("</head><body><h1>T</h1><hr>You are redirected to <a href=\"") +
                  hostile + QStringLiteral("\">") + hostile +
                  QStringLiteral("</a><br>Please update your bookmarks.</body></html>"));
    EXPECT_EQ(FramedForwardPage(fields),
              QStringLiteral("<html><head><title>T</title>") + canonical +
                  QStringLiteral("<script>addEventListener(\"DOMContentLoaded\",function(){"
                                 "if(location.search||location.hash)document.getElementsByName("
                                 "\"redirect\")[0].src=") +
                  literal +
                  QStringLiteral("+location.search+location.hash})</script><frameset "
                                 "rows=\"100%\"><frame src=\"") +
                  hostile + QStringLiteral("\" name=\"redirect\"></frameset>"));

    // Each extra alone, and neither.
    for (const bool keepQuery : {false, true}) {
        for (const bool withCanonical : {false, true}) {
            fields.extras.keepQuery = keepQuery;
            fields.extras.canonical = withCanonical;
            for (const QString& page : {RedirectPage(fields), FramedForwardPage(fields)}) {
                EXPECT_EQ(page.contains(canonical), withCanonical);
                EXPECT_EQ(page.contains(QStringLiteral("<script>")), keepQuery);
            }
        }
    }
}
