#include "movers/rules/page_redirects.h"
#include "movers/rules/sitemaps.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

#include <QXmlStreamReader>

namespace {

// A sitemap file read back as XML: its root element and the text of every "loc", in order;
// the root "error" when it is not well-formed.
std::pair<QString, QStringList> read(const RulesFile& file) {
    QXmlStreamReader xml(file.bytes);
    QString root;
    QStringList locs;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement) {
            if (root.isEmpty()) {
                root = xml.name().toString() + u' ' + xml.namespaceUri().toString();
            }
            if (xml.name() == u"loc") {
                locs << xml.readElementText();
            }
        }
    }
    return {xml.hasError() ? QStringLiteral("error") : root, locs};
}

const QString urlset = QStringLiteral("urlset http://www.sitemaps.org/schemas/sitemap/0.9");
const QString sitemapindex =
    QStringLiteral("sitemapindex http://www.sitemaps.org/schemas/sitemap/0.9");

} // namespace

// Every old address redirected, and every new address on the new host, absolute, as a browser
// sends them, escaped for XML; a page moved to another host is in neither new sitemap.
TEST(Sitemaps, HoldTheOldAndNewAddressesAsABrowserSendsThem) {
    const NewAddresses addresses("https://new.example/site",
                                 {{"moved.htm", "https://other.example/m.htm"}});
    const QList<Redirect> redirects =
        PageRedirects("/shop/", addresses,
                      {"index.htm", "a&b 'c' \"d\" <e>.htm", "caf\u00E9 50%.htm", "moved.htm"});
    const QList<RulesFile> files =
        Sitemaps("https://old.example/shop/", "https://new.example/site", redirects);

    ASSERT_EQ(files.size(), 2);
    EXPECT_EQ(files[0].path, QStringLiteral("sitemap-old.xml"));
    EXPECT_EQ(files[1].path, QStringLiteral("sitemap-new.xml"));
    EXPECT_TRUE(files[0].bytes.contains("a&amp;b%20&apos;c&apos;%20%22d%22%20%3Ce%3E.htm"));
    QStringList locs[2];
    for (const QString path : {"index.htm", "", "a&b%20'c'%20%22d%22%20%3Ce%3E.htm",
                               "caf%C3%A9%2050%25.htm", "moved.htm"}) {
        locs[0] << "https://old.example/shop/" + path;
        locs[1] << "https://new.example/site/" + path;
    }
    locs[1].removeLast();
    EXPECT_EQ(read(files[0]), std::make_pair(urlset, locs[0]));
    EXPECT_EQ(read(files[1]), std::make_pair(urlset, locs[1])) << "moved.htm is on another host";
}

// Past 50,000 addresses, or the bytes a file may hold, the addresses go into numbered files and
// the unnumbered one is their index, naming each where it stands.
TEST(Sitemaps, AreSplitPastTheirLimitsUnderAnIndex) {
    QStringList pages;
    for (int page = 0; page < 50001; ++page) {
        pages << QStringLiteral("p%1.htm").arg(page);
    }
    const QList<Redirect> redirects =
        PageRedirects("/", NewAddresses("https://new.example"), pages);
    const QList<RulesFile> files =
        Sitemaps("https://old.example/", "https://new.example", redirects);
    QStringList paths;
    for (const RulesFile& file : files) {
        paths << file.path;
    }
    EXPECT_EQ(paths, QStringList({"sitemap-old.xml", "sitemap-old-1.xml", "sitemap-old-2.xml",
                                  "sitemap-new.xml", "sitemap-new-1.xml", "sitemap-new-2.xml"}));
    EXPECT_EQ(read(files[0]),
              std::make_pair(sitemapindex, QStringList({"https://old.example/sitemap-old-1.xml",
                                                        "https://old.example/sitemap-old-2.xml"})));
    EXPECT_EQ(read(files[1]).second.size(), 50000);
    EXPECT_EQ(read(files[2]).second, QStringList({"https://old.example/p50000.htm"}));
    EXPECT_EQ(read(files[3]).second, QStringList({"https://new.example/sitemap-new-1.xml",
                                                  "https://new.example/sitemap-new-2.xml"}));

    const QList<RulesFile> small =
        Sitemaps("https://old.example/", "https://new.example", redirects.mid(0, 3),
                 {.addresses = 50000, .bytes = 300});
    EXPECT_EQ(read(small[0]).second.size(), 3) << "an index of three files of one address each";
    for (const RulesFile& file : small) {
        EXPECT_LE(file.bytes.size(), 300) << file.path.toStdString();
    }
}
