// The rules files of the hosts that cannot be run here, read by their own packages under Node.js
// (installed from package-lock.json by scripts/install-test-servers) through the scripts beside
// this file, each printing one JSON object.
#include "odd_site.h"
#include "running_server.h"
#include "support/qstring_printer.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

// The JSON object that the script `name` prints for the rules file `file` and, on its standard
// input, `input`; what it writes on standard error goes to `errors`.
QJsonObject scriptOutput(const QString& name, const QString& file, const QByteArray& input = {},
                         QByteArray* errors = nullptr) {
    QProcess node;
    node.start(InstalledProgram(QStringLiteral("node")),
               {QStringLiteral(ZANDRIFT_SERVER_RULES_DIR "/") + name, file});
    node.write(input);
    node.closeWriteChannel();
    EXPECT_TRUE(node.waitForFinished(30000));
    const QByteArray written = node.readAllStandardError();
    EXPECT_EQ(node.exitCode(), 0) << written.toStdString();
    if (errors != nullptr) {
        *errors = written;
    }
    return QJsonDocument::fromJson(node.readAllStandardOutput()).object();
}

// For each old path, moves the odd site, expects `file` to have left nothing out and hands the
// path and the file's path to `check`.
void forEachMovedSite(const QString& file,
                      const std::function<void(const QString&, const QString&)>& check) {
    for (const QString& oldPath : kOldSitePaths) {
        SCOPED_TRACE(oldPath.toStdString());
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        const MovedSite moved = MoveOddSite(folder.filePath(QStringLiteral("site")), oldPath);
        EXPECT_EQ(moved.leftOut.value(file), QStringList());
        check(oldPath, moved.output + u'/' + file);
    }
}

// Netlify's parser reads the file: every rule forced (the mover page stands at the old path),
// permanent, from the path as a browser encodes it to the new address, and one rule for each
// redirect. Netlify passes the query string on by itself.
void expectNetlifyRules(const QString& file, const QList<Redirect>& redirects) {
    // {"redirects": [...], "errors": [...]}
    const QJsonObject parser = scriptOutput(QStringLiteral("netlify_rules.mjs"), file);
    EXPECT_EQ(parser[u"errors"].toArray(), QJsonArray());
    // Each old path, as a browser sends it, to the address the rule must name: Netlify splits a
    // line at white space and reads ":name" in a path as a placeholder, so after the host those
    // are percent-encoded.
    QMap<QString, QString> expected;
    for (const Redirect& redirect : redirects) {
        expected.insert(QString::fromLatin1(BrowserPath(redirect.oldPath)),
                        EncodedInPath(redirect.newAddress, QStringLiteral(" :\u00A0")));
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

// The odd names at the root and below it, and a renamed site's move map with every file.
TEST(NetlifyRules, ParserReadsForcedPermanentRedirectsOfEveryOldPath) {
    if (NodePackage(QStringLiteral("@netlify/redirect-parser")).isEmpty()) {
        GTEST_SKIP() << "Node.js or Netlify's redirect parser is not installed";
    }
    forEachMovedSite(QStringLiteral("_redirects"), [](const QString& oldPath, const QString& file) {
        expectNetlifyRules(file, OddSiteRedirects(oldPath));
    });
    const RenamedSite& renamed = TheRenamedSite();
    QTemporaryDir folder;
    const MovedSite moved =
        MoveSite(folder.filePath(QStringLiteral("site")), renamed.pages + renamed.files,
                 QStringLiteral("/"), kTypedAddress, renamed.options(folder.path()));
    EXPECT_EQ(moved.leftOut.value(QStringLiteral("_redirects")), QStringList());
    expectNetlifyRules(moved.output + QStringLiteral("/_redirects"), renamed.redirects());
}

// Compiled without a refusal, and without a difference between the two versions of
// path-to-regexp that the package compares (it names each on standard error), each old path
// redirects permanently (308) whether it comes as a browser sends it or decoded, as a host that
// decodes a path before it compares it sees it; the paths beside the pages do not. ":", "(" and
// ")" after the host of a destination are percent-encoded. Vercel passes the query string on.
TEST(VercelRules, RoutingUtilsRedirectEveryOldPathEncodedOrNot) {
    if (NodePackage(QStringLiteral("@vercel/routing-utils")).isEmpty()) {
        GTEST_SKIP() << "Node.js or Vercel's routing utilities are not installed";
    }
    forEachMovedSite(QStringLiteral("vercel.json"), [](const QString& oldPath,
                                                       const QString& file) {
        QJsonArray requests;
        QJsonArray expected;
        for (const Redirect& redirect : OddSiteRedirects(oldPath)) {
            const QJsonObject answer{
                {"location", EncodedInPath(redirect.newAddress, QStringLiteral(":()"))},
                {"status", 308}};
            requests << QString::fromLatin1(BrowserPath(redirect.oldPath)) << redirect.oldPath;
            expected << answer << answer;
        }
        for (const QString& beside : kBesidePaths) {
            requests << QString::fromLatin1(BrowserPath(oldPath + beside));
            expected << QJsonValue::Null;
        }
        QByteArray errors;
        const QJsonObject routed = scriptOutput(QStringLiteral("vercel_rules.mjs"), file,
                                                QJsonDocument(requests).toJson(), &errors);
        EXPECT_EQ(routed[u"error"], QJsonValue::Null) << routed[u"error"].toString().toStdString();
        EXPECT_EQ(errors, QByteArray());
        EXPECT_EQ(routed[u"answers"].toArray(), expected);
    });
}
