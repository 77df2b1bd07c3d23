#include "server_configurations.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <unistd.h>

namespace {

// One line a rules file: `directive` and the file's path, indented by `indent` and ended by `end`.
QString readEach(const ServedSite& site, const QString& directive, const QString& indent,
                 const QString& end = {}) {
    QString lines;
    for (const QString& file : site.rulesFiles) {
        lines += indent + directive + u' ' + file + end + u'\n';
    }
    return lines;
}

// Apache in one process in the foreground ("-X"), with mod_rewrite, closing each connection after
// its answer, since the one process serves one connection at a time; `overrides` is what a
// .htaccess may set, `server` what the server's configuration holds besides.
QStringList configureApache(quint16 port, const ServedSite& site, const QString& overrides,
                            const QString& server) {
    QString text = QStringLiteral(R"(ServerRoot "%1"
DefaultRuntimeDir "%1"
PidFile "%1/httpd.pid"
ErrorLog "%1/error.log"
Listen 127.0.0.1:%2
ServerName 127.0.0.1
KeepAlive Off
LoadModule mpm_prefork_module /usr/lib/apache2/modules/mod_mpm_prefork.so
LoadModule authz_core_module /usr/lib/apache2/modules/mod_authz_core.so
LoadModule rewrite_module /usr/lib/apache2/modules/mod_rewrite.so
DocumentRoot "%3"
<Directory "%3">
  AllowOverride %4
  Options FollowSymLinks
  Require all granted
</Directory>
%5)")
                       .arg(site.folder, QString::number(port), site.root, overrides, server);
    if (geteuid() == 0) {
        text += QStringLiteral("User nobody\nGroup nogroup\n");
    }
    return {QStringLiteral("-X"), QStringLiteral("-f"),
            WrittenConfiguration(site.folder + QStringLiteral("/httpd.conf"), text)};
}

// nginx in one process in the foreground, and every file it writes in the test's folder;
// `listen` follows the address it listens on, `logs` says what it logs of the requests, `server`
// is what the server block holds besides.
QStringList configureNginx(quint16 port, const ServedSite& site, const QString& listen,
                           const QString& logs, const QString& server) {
    const QString text =
        QStringLiteral(R"(pid %1/nginx.pid;
error_log %1/error.log;
daemon off;
master_process off;
events {}
http {
  %4
  client_body_temp_path %1/client_body;
  proxy_temp_path %1/proxy;
  fastcgi_temp_path %1/fastcgi;
  uwsgi_temp_path %1/uwsgi;
  scgi_temp_path %1/scgi;
  server {
    listen 127.0.0.1:%2%5;
    root %3;
%6  }
}
)")
            .arg(site.folder, QString::number(port), site.root, logs, listen, server);
    return {QStringLiteral("-p"),
            site.folder,
            QStringLiteral("-e"),
            site.folder + QStringLiteral("/error.log"),
            QStringLiteral("-c"),
            WrittenConfiguration(site.folder + QStringLiteral("/nginx.conf"), text)};
}

} // namespace

QStringList ConfigureApache(quint16 port, const ServedSite& site) {
    return configureApache(port, site, QStringLiteral("FileInfo"), {});
}

QStringList ConfigureApacheServer(quint16 port, const ServedSite& site) {
    return configureApache(port, site, QStringLiteral("None"),
                           readEach(site, QStringLiteral("Include"), {}));
}

QStringList ConfigureNginx(quint16 port, const ServedSite& site) {
    return configureNginx(
        port, site, {}, QStringLiteral("access_log off;"),
        readEach(site, QStringLiteral("include"), QStringLiteral("    "), QStringLiteral(";")));
}

QStringList ConfigureNginxHttp2(quint16 port, const ServedSite& site) {
    return configureNginx(port, site, QStringLiteral(" ssl http2"),
                          QStringLiteral("log_format protocols '$server_protocol $connection';\n"
                                         "  access_log %1/access.log protocols;")
                              .arg(site.folder),
                          QStringLiteral("    ssl_certificate %1/cert.pem;\n"
                                         "    ssl_certificate_key %1/key.pem;\n")
                              .arg(site.folder));
}

// The old site's block imports each file and serves the site's files; no admin endpoint and no
// certificates.
QStringList ConfigureCaddy(quint16 port, const ServedSite& site) {
    const QString text = QStringLiteral(R"({
	admin off
	auto_https off
}
http://127.0.0.1:%1 {
	root * %2
%3	file_server
}
)")
                             .arg(QString::number(port), site.root,
                                  readEach(site, QStringLiteral("import"), QStringLiteral("\t")));
    return {QStringLiteral("run"), QStringLiteral("--adapter"), QStringLiteral("caddyfile"),
            QStringLiteral("--config"),
            WrittenConfiguration(site.folder + QStringLiteral("/Caddyfile"), text)};
}

// superstatic joins the folder it serves to its working folder, so it is given relative to it.
QStringList ConfigureSuperstatic(quint16 port, const ServedSite& site) {
    QJsonArray redirects;
    for (const QString& file : site.rulesFiles) {
        QFile json(file);
        json.open(QIODevice::ReadOnly);
        for (const QJsonValue& redirect :
             QJsonDocument::fromJson(json.readAll())[u"hosting"][u"redirects"].toArray()) {
            redirects.append(redirect);
        }
    }
    const QString configuration = WrittenConfiguration(
        site.folder + QStringLiteral("/superstatic.json"),
        QString::fromUtf8(QJsonDocument(QJsonObject{{"redirects", redirects}}).toJson()));
    return {NodePackage(QStringLiteral("superstatic/lib/bin/server.js")),
            QDir::current().relativeFilePath(site.root),
            QStringLiteral("--port"),
            QString::number(port),
            QStringLiteral("--host"),
            QStringLiteral("127.0.0.1"),
            QStringLiteral("--config"),
            configuration};
}
