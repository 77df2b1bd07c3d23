#include "odd_site.h"
#include "running_server.h"
#include "support/qstring_printer.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

constexpr int parserWaitMs = 30000;

// The new address as a _redirects line holds it: Netlify splits the line at white space and
// reads ":name" in a path as a placeholder, so after the host those are percent-encoded.
QString netlifyForm(const QString& address) {
    const QString host = address.left(address.indexOf(u'/', address.indexOf(u"://") + 3));
    QString path = address.mid(host.size());
    path.replace(u' ', QStringLiteral("%20"))
        .replace(u':', QStringLiteral("%3A"))
        .replace(QChar(0xA0), QStringLiteral("%C2%A0"));
    return host + path;
}

// Netlify's parser's reading of a _redirects file: {"redirects": [...], "errors": [...]}.
QJsonObject parsed(const QString& redirectsFile) {
    QProcess node;
    node.start(InstalledProgram(QStringLiteral("node")),
               {QStringLiteral(ZANDRIFT_NETLIFY_SCRIPT), redirectsFile});
    EXPECT_TRUE(node.waitForFinished(parserWaitMs));
    EXPECT_EQ(node.exitCode(), 0) << node.readAllStandardError().toStdString();
    return QJsonDocument::fromJson(node.readAllStandardOutput()).object();
}

// Netlify's parser reads the file of a moved site: every rule forced (the mover page stands at
// the old path), permanent, from the path as a browser encodes it to the new address, and one
// rule for each redirect. Netlify passes the query string on by itself.
void expectParsed(const MovedSite& moved, const QList<Redirect>& redirects) {
    EXPECT_EQ(moved.leftOut.value(QStringLiteral("_redirects")), QStringList());
    const QJsonObject parser = parsed(moved.output + QStringLiteral("/_redirects"));
    EXPECT_EQ(parser[u"errors"].toArray(), QJsonArray());
    // Each old path, as a browser sends it, to the address the rule must name.
    QMap<QString, QString> expected;
    for (const Redirect& redirect : redirects) {
        expected.insert(QString::fromLatin1(BrowserPath(redirect.oldPath)),
                        netlifyForm(redirect.newAddress));
    }
    const QJsonArray rules = parser[u"redirects"].toArray();
    EXPECT_EQ(rules.size(), expected.size());
    for (const QJsonValue& value : rules) {
        const QJsonObject rule = value.toObject();
        const QString from = rule[u"from"].toString();
        EXPECT_EQ(rule[u"to"].toString(), expected.take(from)) << from.toStdString();
        EXPECT_EQ(rule[u"status"].toInt(), 301);
        EXPECT_TRUE(rule[u"force"].toBool());
    }
    EXPECT_EQ(expected, (QMap<QString, QString>())) << "old paths without a rule";
}

} // namespace

TEST(NetlifyRules, ParserReadsTheRulesOfTheOddNamesAndOfARenamedSite) {
    // The parser is installed from package-lock.json by scripts/install-test-servers.
    if (InstalledProgram(QStringLiteral("node")).isEmpty() ||
        !QDir(QStringLiteral(ZANDRIFT_NETLIFY_PARSER)).exists()) {
        GTEST_SKIP() << "Node.js or Netlify's redirect parser is not installed";
    }
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (const QString& oldPath : kOldSitePaths) {
        SCOPED_TRACE(oldPath.toStdString());
        const QString site =
            folder.filePath(QStringLiteral("site") + QString::number(oldPath.size()));
        expectParsed(MoveOddSite(site, oldPath), OddSiteRedirects(oldPath));
    }
    const RenamedSite& renamed = TheRenamedSite();
    expectParsed(MoveSite(folder.filePath(QStringLiteral("renamed")), renamed.pages + renamed.files,
                          QStringLiteral("/"), kTypedAddress, renamed.options(folder.path())),
                 renamed.redirects());
}
