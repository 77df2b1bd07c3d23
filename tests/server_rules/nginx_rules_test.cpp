#include "served_rules.h"

#include <gtest/gtest.h>

namespace {

// The old site's server block includes the file; one process in the foreground, and every
// file nginx writes in the test's folder.
QStringList configure(quint16 port, const ServedSite& site) {
    QStringList lines{
        QStringLiteral("pid %1/nginx.pid;").arg(site.folder),
        QStringLiteral("events {}"),
        QStringLiteral("http {"),
        QStringLiteral("  access_log off;"),
    };
    for (const char* temporary : {"client_body", "proxy", "fastcgi", "uwsgi", "scgi"}) {
        lines << QStringLiteral("  %1_temp_path %2/%1;")
                     .arg(QLatin1StringView(temporary), site.folder);
    }
    lines << QStringLiteral("  server {") << QStringLiteral("    listen 127.0.0.1:%1;").arg(port)
          << QStringLiteral("    root %1;").arg(site.root)
          << QStringLiteral("    include %1;").arg(site.rulesFile) << QStringLiteral("  }")
          << QStringLiteral("}");
    const QString errorLog = site.folder + QStringLiteral("/error.log");
    return {QStringLiteral("-p"),
            site.folder,
            QStringLiteral("-c"),
            WrittenConfiguration(site.folder + QStringLiteral("/nginx.conf"), lines),
            QStringLiteral("-e"),
            errorLog,
            QStringLiteral("-g"),
            QStringLiteral("error_log %1; daemon off; master_process off;").arg(errorLog)};
}

} // namespace

TEST(NginxRules, IncludedFileRedirectsEveryOldPathAtTheRootAndBelowIt) {
    ExpectServedRules(InstalledProgram(QStringLiteral("nginx")), QStringLiteral("nginx"),
                      &configure, {QStringLiteral("price$5.htm")});
}
