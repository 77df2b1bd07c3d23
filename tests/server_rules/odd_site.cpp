#include "odd_site.h"

#include "movers/page_address.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

QString TypedAddress() {
    return QStringLiteral("https://new.example:8443/new site");
}

const QStringList& OldSitePaths() {
    static const QStringList paths{QStringLiteral("/"), QStringLiteral("/old/site/")};
    return paths;
}

const QStringList& OddPages() {
    static const QStringList pages{
        QStringLiteral("index.htm"),
        QStringLiteral("plain.htm"),
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
    };
    return pages;
}

namespace {

bool isIndexPage(const QString& name) {
    return name.compare(u"index.htm", Qt::CaseInsensitive) == 0 ||
           name.compare(u"index.html", Qt::CaseInsensitive) == 0;
}

} // namespace

QList<Redirect> OddSiteRedirects(const QString& oldPath) {
    QList<Redirect> redirects;
    for (const QString& page : OddPages()) {
        QStringList segments = page.split(u'/');
        redirects << Redirect{oldPath + page, PageAddress(TypedAddress(), page)};
        if (isIndexPage(segments.takeLast())) {
            const QString folder = segments.isEmpty() ? QString() : segments.join(u'/') + u'/';
            const QString folderAddress =
                segments.isEmpty() ? QString() : EncodeRelativePath(segments.join(u'/')) + u'/';
            redirects << Redirect{oldPath + folder, TypedAddress() + u'/' + folderAddress};
        }
    }
    return redirects;
}

QList<LeftOutRedirect> WriteMovedSite(const QString& folder, const ServerRulesKind& kind,
                                      const QString& oldPath) {
    for (const QString& page : OddPages()) {
        const QString path = folder + u'/' + page;
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
        file.write("<html><body>moved</body></html>\n");
    }
    const ServerRules rules = kind.write(OddSiteRedirects(oldPath));
    QFile file(folder + u'/' + kind.fileName);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(rules.bytes);
    return rules.leftOut;
}
