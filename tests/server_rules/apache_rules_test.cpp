#include "served_rules.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

// As on a shared host: the .htaccess stands with the pages and is read for them
// ("AllowOverride FileInfo"). "-X" keeps Apache in one process in the foreground.
QStringList configure(quint16 port, const ServedSite& site) {
    QStringList lines{
        QStringLiteral("ServerRoot \"%1\"").arg(site.folder),
        QStringLiteral("DefaultRuntimeDir \"%1\"").arg(site.folder),
        QStringLiteral("PidFile \"%1/httpd.pid\"").arg(site.folder),
        QStringLiteral("ErrorLog \"%1/error.log\"").arg(site.folder),
        QStringLiteral("Listen 127.0.0.1:%1").arg(port),
        QStringLiteral("ServerName 127.0.0.1"),
    };
    for (const char* module : {"mpm_prefork", "authz_core", "rewrite"}) {
        lines << QStringLiteral("LoadModule %1_module /usr/lib/apache2/modules/mod_%1.so")
                     .arg(QLatin1StringView(module));
    }
    if (geteuid() == 0) {
        lines << QStringLiteral("User nobody") << QStringLiteral("Group nogroup");
    }
    lines << QStringLiteral("DocumentRoot \"%1\"").arg(site.root)
          << QStringLiteral("<Directory \"%1\">").arg(site.root)
          << QStringLiteral("  AllowOverride FileInfo") << QStringLiteral("  Require all granted")
          << QStringLiteral("</Directory>");
    return {QStringLiteral("-X"), QStringLiteral("-f"),
            WrittenConfiguration(site.folder + QStringLiteral("/httpd.conf"), lines)};
}

} // namespace

TEST(ApacheRules, HtaccessRedirectsEveryOldPathAtTheRootAndBelowIt) {
    ExpectServedRules(InstalledProgram(QStringLiteral("apache2")), QStringLiteral("apache"),
                      &configure);
}
