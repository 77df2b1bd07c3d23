// The rules files as the real servers read them: each started on 127.0.0.1 with a
// configuration of its own that serves the real program's output folder where the old site
// stood, at the root and below it.
#include "odd_site.h"
#include "running_server.h"
#include "support/qstring_printer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

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

// As on a shared host: the .htaccess stands with the pages and is read for them
// ("AllowOverride FileInfo"). "-X" keeps Apache in one process in the foreground.
QStringList configureApache(quint16 port, const ServedSite& site) {
    QString text = QStringLiteral(R"(ServerRoot "%1"
DefaultRuntimeDir "%1"
PidFile "%1/httpd.pid"
ErrorLog "%1/error.log"
Listen 127.0.0.1:%2
ServerName 127.0.0.1
LoadModule mpm_prefork_module /usr/lib/apache2/modules/mod_mpm_prefork.so
LoadModule authz_core_module /usr/lib/apache2/modules/mod_authz_core.so
LoadModule rewrite_module /usr/lib/apache2/modules/mod_rewrite.so
DocumentRoot "%3"
<Directory "%3">
  AllowOverride FileInfo
  Require all granted
</Directory>
)")
                       .arg(site.folder, QString::number(port), site.root);
    if (geteuid() == 0) {
        text += QStringLiteral("User nobody\nGroup nogroup\n");
    }
    return {QStringLiteral("-X"), QStringLiteral("-f"),
            WrittenConfiguration(site.folder + QStringLiteral("/httpd.conf"), text)};
}

// The old site's server block includes the file; one process in the foreground, and every
// file nginx writes in the test's folder.
QStringList configureNginx(quint16 port, const ServedSite& site) {
    const QString text = QStringLiteral(R"(pid %1/nginx.pid;
error_log %1/error.log;
daemon off;
master_process off;
events {}
http {
  access_log off;
  client_body_temp_path %1/client_body;
  proxy_temp_path %1/proxy;
  fastcgi_temp_path %1/fastcgi;
  uwsgi_temp_path %1/uwsgi;
  scgi_temp_path %1/scgi;
  server {
    listen 127.0.0.1:%2;
    root %3;
    include %4;
  }
}
)")
                             .arg(site.folder, QString::number(port), site.root, site.rulesFile);
    return {QStringLiteral("-p"),
            site.folder,
            QStringLiteral("-e"),
            site.folder + QStringLiteral("/error.log"),
            QStringLiteral("-c"),
            WrittenConfiguration(site.folder + QStringLiteral("/nginx.conf"), text)};
}

// The old site's block imports the file; no admin endpoint and no certificates.
QStringList configureCaddy(quint16 port, const ServedSite& site) {
    const QString text = QStringLiteral(R"({
	admin off
	auto_https off
}
http://127.0.0.1:%1 {
	root * %2
	import %3
}
)")
                             .arg(QString::number(port), site.root, site.rulesFile);
    return {QStringLiteral("run"), QStringLiteral("--adapter"), QStringLiteral("caddyfile"),
            QStringLiteral("--config"),
            WrittenConfiguration(site.folder + QStringLiteral("/Caddyfile"), text)};
}

} // namespace

TEST(ApacheRules, HtaccessRedirectsEveryOldPathAtTheRootAndBelowIt) {
    expectServedRules(QStringLiteral("apache2"), QStringLiteral(".htaccess"), &configureApache);
}

TEST(NginxRules, IncludedFileRedirectsEveryOldPathAtTheRootAndBelowIt) {
    expectServedRules(QStringLiteral("nginx"), QStringLiteral("redirects.nginx"), &configureNginx,
                      QStringLiteral("price$5.htm"));
}

TEST(CaddyRules, ImportedFileRedirectsEveryOldPathAtTheRootAndBelowIt) {
    expectServedRules(QStringLiteral("caddy"), QStringLiteral("redirects.caddy"), &configureCaddy,
                      QStringLiteral("{draft}.htm"));
}
