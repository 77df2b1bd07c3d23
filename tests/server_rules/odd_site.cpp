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
                   const QString& address) {
    for (const QString& page : pages) {
        WriteFile(folder + u'/' + page, "<html><head><title>An old page</title></head></html>\n");
    }
    QStringList arguments{
        "--movers",  "--recursive", "--rules", "apache,nginx,caddy,netlify,firebase,vercel",
        "--address", address,       "--delay", "0"};
    if (oldPath != u"/") {
        arguments << QStringLiteral("--old-path") << oldPath;
    }
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
    EXPECT_EQ(result.outLines(),
              QStringList(QStringLiteral("Wrote %1 pages to %2, with the rules files .htaccess, "
                                         "redirects.apache.conf, redirects.apache.map, "
                                         "redirects.nginx, redirects.caddy, _redirects, "
                                         "firebase.json, vercel.json (%3 "
                                         "redirects left out)")
                              .arg(pages.size())
                              .arg(moved.output)
                              .arg(result.errLines().size())));
    return moved;
}
