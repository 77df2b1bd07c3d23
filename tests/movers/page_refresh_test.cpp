// The refresh of a page's head, as "--verify" reads an old address's page.
#include "movers/pages/mover_pages.h"
#include "movers/pages/page_refresh.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

#include <optional>

TEST(FindRefresh, ReadsTheHeadAsABrowserDoes) {
    const auto meta = [](const QByteArray& content) -> QByteArray {
        return R"(<meta http-equiv="refresh" content=")" + content + "\">";
    };
    // The case, the page, the seconds and the address found (none: -1).
    const struct {
        const char* what;
        QByteArray page;
        int seconds;
        QString url;
    } cases[] = {
        {"upper case, no quotes around the address", R"(<HEAD><META HTTP-EQUIV="Refresh"
         CONTENT="0;URL=https://new.example/a.htm"></HEAD>)",
         0, "https://new.example/a.htm"},
        {"single quotes, a comma, blanks",
         R"(<meta content='7 , url = "/b.htm" ' http-equiv=refresh>)", 7, "/b.htm"},
        {"no URL= before the address", meta("3; /c.htm"), 3, "/c.htm"},
        {"seconds alone", meta("5"), 5, ""},
        {"a fraction dropped", meta("2.9;url=/d"), 2, "/d"},
        {"references decoded", meta("0;url=/e?a=1&amp;b=&#50;&x"), 0, "/e?a=1&b=2&x"},
        {"UTF-8 address", meta("0;url=/\xc3\xbc.htm"), 0, "/\u00fc.htm"},
        {"Latin-1 address", meta("0;url=/\xfc.htm"), 0, "/\u00fc.htm"},
        {"the first refresh taken", meta("soon") + meta("1;url=/f") + meta("0;url=/g"), 1, "/f"},
        {"inside noscript", R"(<script>x("<meta http-equiv=refresh content=0>")</script>
         <noscript><meta http-equiv="refresh" content="4;url=/h"></noscript>)",
         4, "/h"},
        {"in a comment", "<!-- " + meta("0;url=/i") + " -->", -1, ""},
        {"in the title", "<title>" + meta("0") + "</title>", -1, ""},
        {"in the body", "<body>" + meta("0;url=/j"), -1, ""},
        {"after the head", "</head>" + meta("0;url=/k"), -1, ""},
        {"another http-equiv", R"(<meta http-equiv="expires" content="0">)", -1, ""},
        {"no content", R"(<meta http-equiv="refresh">)", -1, ""},
        {"an unended tag", R"(<meta http-equiv="refresh" content="0;url=/l)", -1, ""},
    };
    for (const auto& [what, page, seconds, url] : cases) {
        SCOPED_TRACE(what);
        const std::optional<PageRefresh> refresh = FindRefresh(page);
        EXPECT_EQ(refresh ? refresh->seconds : -1, seconds);
        EXPECT_EQ(refresh ? refresh->url : QString(), url);
    }
}

// The program's own pages are read back as written, with and without the script that keeps
// the query.
TEST(FindRefresh, FindsTheRefreshOfEveryMoverPage) {
    for (const bool keepQuery : {false, true}) {
        PageFields fields;
        fields.title = QStringLiteral("<meta http-equiv=refresh content=9>");
        fields.address = QStringLiteral("https://new.example/Über uns.htm?a=1&b=2");
        fields.delay = 12;
        fields.extras.keepQuery = keepQuery;
        const std::optional<PageRefresh> refresh =
            FindRefresh(PageFileBytes(RedirectPage(fields), false));
        ASSERT_TRUE(refresh) << keepQuery;
        EXPECT_EQ(refresh->seconds, 12);
        EXPECT_EQ(refresh->url, fields.address);
    }
}
