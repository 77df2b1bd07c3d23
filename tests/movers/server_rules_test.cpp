#include "movers/rules/page_redirects.h"
#include "movers/rules/server_rules.h"
#include "support/qstring_printer.h"

#include <QJsonDocument>
#include <QMap>

#include <tuple>

#include <gtest/gtest.h>

namespace {

const QStringList everyKind{"apache", "nginx", "caddy", "netlify", "firebase", "vercel"};
const RulesSite site{.oldPath = "/", .outputFolder = "/srv/site/zandrifts"};

struct OddRedirect {
    Redirect redirect;
    QStringList leftOutBy; // the kinds that must leave it out
};

// Names and addresses at the edges of each file's quoting and limits; the real servers read the
// ordinary odd names (tests/server_rules).
const QList<OddRedirect> oddRedirects{
    {{"/a\"b`c\\d$e{$HOME}g\nh*(i)';[j].htm", "https://new.example/a.htm"}, {"caddy"}},
    {{"/q.htm", "https://new.example/q\"`'*().htm"}, {}},
    {{"/dollar.htm", "https://new.example/price$5.htm"}, {"nginx"}},
    {{"/brace.htm", "https://new.example/{$HOME}.htm"}, {"nginx", "caddy"}},
    {{"/backslash.htm", "https://new.example\\b.htm"}, {}},
    {{"/tick-and-backslash.htm", "https://new.example/`\\\"b.htm"}, {"caddy"}},
    {{"/tab.htm", "https://new.example/a\tb.htm"}, everyKind},
    {{"/separator.htm", QString("https://new.example/a") + QChar(0x2028) + "b.htm"}, everyKind},
    {{"/relative.htm", "new.example/relative.htm"}, everyKind},
    {{"/other-host.htm", "//new.example/other-host.htm"}, everyKind},
    {{"/upper-case.htm", "HTTPS://NEW.EXAMPLE/upper-case.htm"}, {}},
    {{"/old//twice.htm", "https://new.example/twice.htm"}, everyKind},
    {{"/old/../up.htm", "https://new.example/up.htm"}, everyKind},
    {{"no-slash.htm", "https://new.example/no-slash.htm"}, everyKind},
    {{"/q.htm", "https://new.example/again.htm"}, everyKind},
    {{"/.netlify/functions.htm", "https://new.example/f.htm"}, {"netlify"}},
    {{"/__/auth.htm", "https://new.example/f.htm"}, {"firebase"}},
    // Firebase sends the destination decoded and encoded again, with the query string after it.
    {{"/hash.htm", "https://new.example/a%23b.htm"}, {"firebase"}},
    {{"/percent.htm", "https://new.example/100%.htm"}, {"firebase"}},
    {{"/latin1.htm", "https://new.example/caf%E9.htm"}, {"firebase"}},
    {{"/fragment.htm", "https://new.example/a.htm#top"}, {"firebase"}},
    {{"/placeholder.htm", "https://new.example/:id/a.htm"}, {"firebase"}},
    {{"/docs/", "/new/docs/"}, {}},
    // nginx reads words of up to 4,095 bytes, Apache lines of up to 8,191 characters, Vercel
    // sources and destinations of up to 4,096 characters, superstatic globs of up to 65,536.
    {{"/" + QString(4090, u'a') + ".htm", "https://new.example/a.htm"}, {"nginx"}},
    {{"/" + QString(420, QChar(0xE9)) + ".htm", "https://new.example/a.htm"}, {"vercel"}},
    {{"/" + QString(8000, u'!') + ".htm", "https://new.example/a.htm"},
     {"apache", "nginx", "firebase", "vercel"}},
    {{"/long.htm", "https://new.example/" + QString(8200, u'b')}, {"apache", "nginx", "vercel"}},
};

// The files of a kind, each by its path.
QMap<QString, QByteArray> filesOf(const ServerRules& rules) {
    QMap<QString, QByteArray> files;
    for (const RulesFile& file : rules.files) {
        files.insert(file.path, file.bytes);
    }
    return files;
}

} // namespace

// What a kind cannot hold is named and left out whole: its files are the files of the others
// alone, each with its comment line first (a JSON file is an object, as JSON has no comments)
// and LF line ends.
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
        const ServerRules rules = kind.write(site, all);
        QMap<QString, QStringList> leftOut; // by the file that leaves them out
        for (const LeftOutRedirect& left : rules.leftOut) {
            leftOut[left.file] << left.oldPath;
            EXPECT_TRUE(kind.fileNames.contains(left.file)) << left.file.toStdString();
            EXPECT_FALSE(left.reason.isEmpty()) << left.oldPath.toStdString();
        }
        EXPECT_EQ(leftOut.isEmpty(), expectedLeftOut.isEmpty());
        for (const QStringList& paths : leftOut) {
            EXPECT_EQ(paths, expectedLeftOut);
        }
        EXPECT_EQ(filesOf(rules), filesOf(kind.write(site, kept)));
        for (const RulesFile& file : rules.files) {
            if (file.path.endsWith(u".json")) {
                EXPECT_TRUE(QJsonDocument::fromJson(file.bytes).isObject()) << file.bytes.data();
            } else {
                EXPECT_TRUE(file.bytes.startsWith("# ")) << file.path.toStdString();
            }
            EXPECT_TRUE(file.bytes.endsWith('\n'));
            EXPECT_FALSE(file.bytes.contains('\r'));
            // Read as an environment variable before anything else.
            EXPECT_FALSE(kind.name == u"caddy" && file.bytes.contains("{$"));
        }
    }
}

// Past the number of redirects its host takes, a file holds the first ones and names each of
// the others, with the limit.
TEST(ServerRules, FirebaseAndVercelLeaveOutTheRedirectsPastTheirHostsLimits) {
    QList<Redirect> many;
    for (int page = 0; page < 2050; ++page) {
        many << Redirect{QStringLiteral("/%1.htm").arg(page), "https://new.example/a.htm"};
    }
    for (const auto& [write, most, limit] :
         {std::tuple(&FirebaseRules, 1000, "1,000"), std::tuple(&VercelRules, 2048, "2,048")}) {
        const QList<LeftOutRedirect> leftOut = write(site, many).leftOut;
        ASSERT_EQ(leftOut.size(), many.size() - most) << limit;
        EXPECT_EQ(leftOut.front().oldPath, many[most].oldPath);
        EXPECT_TRUE(leftOut.back().reason.contains(QLatin1StringView(limit)));
    }
}

// A page redirects from its old path; the first index page of a folder its folder's path too.
// A move map sends a page to its new place: a path at the new address, encoded name by name, or
// a full address as given; a folder goes where its index page goes.
TEST(ServerRules, PagesRedirectFromTheirOldPathsAndTheFirstIndexPageAlsoFromItsFolder) {
    const NewAddresses addresses(
        "https://new.example/site",
        {{"a b.htm", "/company/about us.htm"}, {"docs/index.htm", "HTTPS://other.example/d x/"}});
    const QList<Redirect> redirects =
        PageRedirects("/old/", addresses,
                      {"Index.HTM", "index.html", "a b.htm", "caf\u00E9/x.htm",
                       "caf\u00E9/INDEX.html", "docs/index.htm", "img/logo.png"});
    const QList<std::pair<QString, QString>> expected{
        {"/old/Index.HTM", "https://new.example/site/Index.HTM"},
        {"/old/", "https://new.example/site/"},
        {"/old/index.html", "https://new.example/site/index.html"},
        {"/old/a b.htm", "https://new.example/site/company/about%20us.htm"},
        {"/old/caf\u00E9/x.htm", "https://new.example/site/caf%C3%A9/x.htm"},
        {"/old/caf\u00E9/INDEX.html", "https://new.example/site/caf%C3%A9/INDEX.html"},
        {"/old/caf\u00E9/", "https://new.example/site/caf%C3%A9/"},
        {"/old/docs/index.htm", "HTTPS://other.example/d%20x/"},
        {"/old/docs/", "HTTPS://other.example/d%20x/"},
        {"/old/img/logo.png", "https://new.example/site/img/logo.png"},
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
            site, {{"/a.htm", QString::fromUtf8("https://new.example/\xF0\x9F\x98\x80 x/a.htm")}})
            .files.front()
            .bytes;
    EXPECT_TRUE(rules.endsWith("\n/a.htm https://new.example/\xF0\x9F\x98\x80%20x/a.htm 301!\n"))
        << rules.toStdString();
}

// Apache's configuration names its map by the map's path, unless a control character in the
// path would break the line; a line separator is an ordinary character there.
TEST(ServerRules, ApacheNamesItsMapByPathUnlessThePathHoldsAControlCharacter) {
    const std::pair<QString, QByteArray> cases[] = {
        {"/srv/zandrifts", "\"txt:/srv/zandrifts/redirects.apache.map\""},
        {"/srv/a\nb/zandrifts", "\"txt:redirects.apache.map\""},
        {"/srv/a\u0085b/zandrifts", "\"txt:redirects.apache.map\""},
        {"/srv/a\u2028b/zandrifts", "\"txt:/srv/a\xE2\x80\xA8"
                                    "b/zandrifts/redirects.apache.map\""},
    };
    for (const auto& [folder, source] : cases) {
        const ServerRules rules = ApacheRules({.outputFolder = folder}, {});
        EXPECT_TRUE(filesOf(rules).value("redirects.apache.conf").contains(" " + source + "\n"))
            << source.toStdString();
    }
}
