#include "movers/page_redirects.h"
#include "movers/server_rules.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

namespace {

const QStringList everyKind{"apache", "nginx", "caddy", "netlify"};

struct OddRedirect {
    Redirect redirect;
    QStringList leftOutBy; // the kinds that must leave it out
};

// Names and addresses at the edges of each file's quoting; the real servers read the
// ordinary odd names (tests/server_rules).
const QList<OddRedirect> oddRedirects{
    {{"/a\"b`c\\d$e{$HOME}g\nh*(i)';[j].htm", "https://new.example/a.htm"}, {}},
    {{"/q.htm", "https://new.example/q\"`'*().htm"}, {}},
    {{"/dollar.htm", "https://new.example/price$5.htm"}, {"nginx"}},
    {{"/brace.htm", "https://new.example/{$HOME}.htm"}, {"nginx", "caddy"}},
    {{"/backslash.htm", "https://new.example\\b.htm"}, {"caddy"}},
    {{"/tab.htm", "https://new.example/a\tb.htm"}, everyKind},
    {{"/separator.htm", QString("https://new.example/a") + QChar(0x2028) + "b.htm"}, everyKind},
    {{"/relative.htm", "new.example/relative.htm"}, everyKind},
    {{"/other-host.htm", "//new.example/other-host.htm"}, everyKind},
    {{"/old//twice.htm", "https://new.example/twice.htm"}, everyKind},
    {{"/old/../up.htm", "https://new.example/up.htm"}, everyKind},
    {{"no-slash.htm", "https://new.example/no-slash.htm"}, everyKind},
    {{"/q.htm", "https://new.example/again.htm"}, everyKind},
    {{"/.netlify/functions.htm", "https://new.example/f.htm"}, {"netlify"}},
    {{"/docs/", "/new/docs/"}, {}},
};

// Lines each kind writes for one redirect; a name that broke out of its quoting would add some.
int linesPerRule(const QString& kind) {
    return kind == u"apache" || kind == u"caddy" ? 2 : 1;
}

} // namespace

// What a kind cannot hold is named and left out whole: the file is the file of the others
// alone, one comment line first, one rule per redirect, LF line ends.
TEST(ServerRules, EachKindLeavesOutWhatItCannotHoldAndNothingElse) {
    QList<Redirect> all;
    for (const OddRedirect& odd : oddRedirects) {
        all << odd.redirect;
    }
    for (const ServerRulesKind& kind : ServerRulesKinds()) {
        SCOPED_TRACE(kind.name.toStdString());
        QList<Redirect> kept;
        QStringList expectedLeftOut;
        for (const OddRedirect& odd : oddRedirects) {
            if (odd.leftOutBy.contains(kind.name)) {
                expectedLeftOut << odd.redirect.oldPath;
            } else {
                kept << odd.redirect;
            }
        }
        const ServerRules rules = kind.write(all);
        QStringList leftOut;
        for (const LeftOutRedirect& left : rules.leftOut) {
            leftOut << left.oldPath;
            EXPECT_FALSE(left.reason.isEmpty()) << left.oldPath.toStdString();
        }
        EXPECT_EQ(leftOut, expectedLeftOut);
        EXPECT_EQ(rules.bytes, kind.write(kept).bytes);
        if (kind.name == u"caddy") { // read as an environment variable before anything else
            EXPECT_FALSE(rules.bytes.contains("{$"));
        }

        const QByteArray opening = kind.write({}).bytes;
        EXPECT_TRUE(opening.startsWith("# Permanent redirects (301) of the pages Zandrift moved"));
        EXPECT_TRUE(rules.bytes.startsWith(opening));
        EXPECT_TRUE(rules.bytes.endsWith('\n'));
        EXPECT_FALSE(rules.bytes.contains('\r'));
        EXPECT_EQ(rules.bytes.count('\n'),
                  opening.count('\n') + kept.size() * linesPerRule(kind.name));
    }
}

// A page redirects from its old path; the first index page of a folder its folder's path too.
TEST(ServerRules, PagesRedirectFromTheirOldPathsAndTheFirstIndexPageAlsoFromItsFolder) {
    const QList<Redirect> redirects = PageRedirects(
        "/old/", "https://new.example/site",
        {"Index.HTM", "index.html", "a b.htm", "caf\u00E9/x.htm", "caf\u00E9/INDEX.html"});
    const QList<std::pair<QString, QString>> expected{
        {"/old/Index.HTM", "https://new.example/site/Index.HTM"},
        {"/old/", "https://new.example/site/"},
        {"/old/index.html", "https://new.example/site/index.html"},
        {"/old/a b.htm", "https://new.example/site/a b.htm"},
        {"/old/caf\u00E9/x.htm", "https://new.example/site/caf%C3%A9/x.htm"},
        {"/old/caf\u00E9/INDEX.html", "https://new.example/site/caf%C3%A9/INDEX.html"},
        {"/old/caf\u00E9/", "https://new.example/site/caf%C3%A9/"},
    };
    QList<std::pair<QString, QString>> got;
    for (const Redirect& redirect : redirects) {
        got.append({redirect.oldPath, redirect.newAddress});
    }
    EXPECT_EQ(got, expected);
}

// Netlify's line is split at white space, which is encoded; the rest of a typed address is kept
// as typed, a character beyond the basic plane whole.
TEST(ServerRules, NetlifyKeepsEveryCharacterOfTheAddressButWhiteSpace) {
    const QByteArray rules =
        NetlifyRules(
            {{"/a.htm", QString::fromUtf8("https://new.example/\xF0\x9F\x98\x80 x/a.htm")}})
            .bytes;
    EXPECT_TRUE(rules.endsWith("\n/a.htm https://new.example/\xF0\x9F\x98\x80%20x/a.htm 301!\n"))
        << rules.toStdString();
}
