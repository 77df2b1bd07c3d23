#include "odd_site.h"

#include "cli/zandrift_program.h"
#include "movers/folder_tree.h"

#include <QDir>
#include <QRegularExpression>

#include <gtest/gtest.h>

const QStringList& OddPages() {
    static const QStringList pages{
        QStringLiteral("index.htm"),
        QStringLiteral("plain.htm"),
        QStringLiteral("plain.htm "),
        QStringLiteral("\uFEFFplain.htm"),
        QStringLiteral("\uFEFF\uFEFFplain.htm"),
        QStringLiteral("blank name.htm"),
        QStringLiteral("50% off.htm"),
        QStringLiteral("hash#tag.htm"),
        QStringLiteral("what?.htm"),
        QStringLiteral("say \"hi\".htm"),
        QStringLiteral("it's.htm"),
        QStringLiteral("[draft].htm"),
        QStringLiteral("{draft}.htm"),
        QStringLiteral("this&that.htm"),
        QStringLiteral("one+one.htm"),
        QStringLiteral("semi;colon.htm"),
        QStringLiteral("time 10:30.htm"),
        QStringLiteral(":name.htm"),
        QStringLiteral("price$5.htm"),
        QStringLiteral("back\\slash `tick`.htm"),
        QStringLiteral("*star* (1).htm"),
        QStringLiteral("line\nbreak.htm"),
        QStringLiteral("no\u00A0break.htm"),
        QStringLiteral("café.htm"),
        QStringLiteral("Über uns.htm"),
        QStringLiteral("Case.htm"),
        QStringLiteral("case.htm"),
        QStringLiteral("docs/index.html"),
        QStringLiteral("docs/deep/Read me.htm"),
        QStringLiteral("docs/deep/50%.HTM"),
        QStringLiteral("\uFEFFdocs/index.htm"),
    };
    return pages;
}

QString EncodedInPath(const QString& address, const QString& characters) {
    const qsizetype path = address.indexOf(u'/', address.indexOf(u"://") + 3);
    QString encoded = address.left(path);
    for (const QChar c : address.mid(path)) {
        encoded +=
            characters.contains(c) ? QString::fromLatin1(QUrl::toPercentEncoding(c)) : QString(c);
    }
    return encoded;
}

MovedSite MoveOddSite(const QString& folder, const QString& oldPath) {
    return MoveSite(folder, OddPages(), oldPath);
}

MovedSite MoveSite(const QString& folder, const QStringList& pages, const QString& oldPath,
                   const QString& address, const QStringList& options) {
    for (const QString& page : pages) {
        WriteFile(folder + u'/' + page, "<html><head><title>An old page</title></head></html>\n");
    }
    QStringList arguments{"--movers",  "--recursive",
                          "--rules",   "apache,nginx,caddy,netlify,firebase,vercel",
                          "--address", address};
    if (!options.contains(QStringLiteral("--delay"))) {
        arguments << QStringLiteral("--delay") << QStringLiteral("0");
    }
    if (oldPath != u"/") {
        arguments << QStringLiteral("--old-path") << oldPath;
    }
    arguments << options;
    const QString home = folder + QStringLiteral("-home");
    QDir().mkpath(home);
    const ProgramResult result = RunZandrift(arguments << folder, home);

    MovedSite moved{folder + QStringLiteral("/zandrifts"), {}};
    static const QRegularExpression leftOutLine(
        QStringLiteral("^zandrift: (\\S+) leaves out (.+?): .+\\.$"));
    for (const QString& line : result.errLines()) {
        const QRegularExpressionMatch match = leftOutLine.match(line);
        EXPECT_TRUE(match.hasMatch()) << line.toStdString();
        moved.leftOut[match.captured(1)] << match.captured(2);
    }
    // Exit status 1 says that a redirect was left out.
    EXPECT_EQ(result.exitCode, result.errLines().isEmpty() ? 0 : 1) << result.err.toStdString();
    QString summary = QStringLiteral("Wrote %1 pages to %2, with the rules files .htaccess, "
                                     "redirects.apache.conf, redirects.apache.map, "
                                     "redirects.nginx, redirects.caddy, _redirects, firebase.json, "
                                     "vercel.json")
                          .arg(pages.filter(QStringLiteral(".htm"), Qt::CaseInsensitive).size())
                          .arg(moved.output);
    if (options.contains(QStringLiteral("--sitemaps"))) {
        summary += QStringLiteral(", and the sitemaps sitemap-old.xml, sitemap-new.xml");
    }
    if (!result.errLines().isEmpty()) {
        summary += QStringLiteral(" (%1 redirects left out)").arg(result.errLines().size());
    }
    EXPECT_EQ(result.outLines(), QStringList(summary));
    return moved;
}

const RenamedSite& TheRenamedSite() {
    static const RenamedSite site{
        .pages = {"index.htm", "about_us.htm", "docs/old page.htm", "docs/index.html", "keep.htm"},
        .files = {"files/a&b r\u00E9sum\u00E9 (1).pdf", "img/logo (1).png", "style.css"},
        .places = {{"about_us.htm", "company/about us.html"},
                   {"docs/old page.htm", "https://other.example/moved page"},
                   {"docs/index.html", "/company/"},
                   {"img/logo (1).png", "images/logo.png"}}};
    return site;
}

QStringList RenamedSite::options(const QString& folder) const {
    QString map = QStringLiteral("old,new\n");
    for (auto place = places.cbegin(); place != places.cend(); ++place) {
        map +=
            u'"' + place.key() + QStringLiteral("\",\"") + place.value() + QStringLiteral("\"\n");
    }
    const QString path = folder + QStringLiteral("/moves.csv");
    WriteFile(path, map.toUtf8());
    return {"--every-file", "--map", path, "--old-address", "http://old.example/", "--sitemaps"};
}

QList<Redirect> RenamedSite::redirects() const {
    return PageRedirects("/", NewAddresses(kTypedAddress, places), pages + files);
}
