// The rules files as the real servers read them: each started on 127.0.0.1 with a
// configuration of its own that serves the real program's output folder where the old site
// stood, at the root and below it.
#include "odd_site.h"
#include "running_server.h"
#include "server_configurations.h"
#include "support/qstring_printer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Every old path of the site, as a browser requests it, with and without a query string, is
// answered 301 with exactly its new address and the query; the page the file leaves out
// (`leftOutPage`, a relative path) and paths beside the rules (another case, a longer name,
// another file of a folder) are not redirected.
void expectServedRules(const QString& server, const QString& rulesFile,
                       RunningServer::Configure configure, const QString& leftOutPage = {}) {
    const QString program = InstalledProgram(server);
    if (program.isEmpty()) {
        GTEST_SKIP() << server.toStdString() << " is not installed";
    }
    for (const QString& oldPath : kOldSitePaths) {
        SCOPED_TRACE(oldPath.toStdString());
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        // Readable by the unprivileged user a server started by root serves as.
        QFile::setPermissions(folder.path(), QFile::permissions(folder.path()) | QFile::ReadOther |
                                                 QFile::ExeOther);
        const QString root = folder.filePath(QStringLiteral("root"));
        const ServedSite site{folder.filePath(QStringLiteral("server")), root,
                              root + oldPath + rulesFile};
        QDir().mkpath(site.folder);
        const MovedSite moved = MoveOddSite(folder.filePath(QStringLiteral("site")), oldPath);
        const QString servedAt = root + oldPath.chopped(1);
        QDir().mkpath(QFileInfo(servedAt).path());
        ASSERT_TRUE(QDir().rename(moved.output, servedAt));
        const QStringList leftOut = moved.leftOut.value(rulesFile);
        EXPECT_EQ(leftOut,
                  leftOutPage.isEmpty() ? QStringList() : QStringList(oldPath + leftOutPage));

        const RunningServer server(program, configure, site);
        ASSERT_NE(server.port, 0) << server.failure.toStdString();
        for (const Redirect& redirect : OddSiteRedirects(oldPath)) {
            const QByteArray target = BrowserPath(redirect.oldPath);
            for (const QByteArray& query : {QByteArray(), QByteArray("?x=1&y=2")}) {
                const HttpAnswer answer = Get(server.port, target + query);
                if (leftOut.contains(redirect.oldPath)) {
                    EXPECT_NE(answer.status, 301) << target.constData();
                    continue;
                }
                EXPECT_EQ(answer.status, 301) << target.constData() << query.constData();
                EXPECT_EQ(answer.location, redirect.newAddress.toUtf8() + query)
                    << target.constData() << query.constData();
            }
        }
        for (const char* beside : {"CASE.htm", "Case.htmx", "docs/style.css", "docs/deep/"}) {
            EXPECT_NE(Get(server.port, BrowserPath(oldPath + QString::fromUtf8(beside))).status,
                      301)
                << beside;
        }
    }
}

} // namespace

TEST(ApacheRules, HtaccessRedirectsEveryOldPathAtTheRootAndBelowIt) {
    expectServedRules(QStringLiteral("apache2"), QStringLiteral(".htaccess"), &ConfigureApache);
}

TEST(NginxRules, IncludedFileRedirectsEveryOldPathAtTheRootAndBelowIt) {
    expectServedRules(QStringLiteral("nginx"), QStringLiteral("redirects.nginx"), &ConfigureNginx,
                      QStringLiteral("price$5.htm"));
}

TEST(CaddyRules, ImportedFileRedirectsEveryOldPathAtTheRootAndBelowIt) {
    expectServedRules(QStringLiteral("caddy"), QStringLiteral("redirects.caddy"), &ConfigureCaddy,
                      QStringLiteral("{draft}.htm"));
}
