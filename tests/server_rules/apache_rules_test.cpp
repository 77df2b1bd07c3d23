#include "served_rules.h"

#include <QFile>
#include <QTextStream>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

// As on a shared host: the .htaccess stands with the pages and is read for them
// ("AllowOverride FileInfo"). "-X" keeps Apache in one process in the foreground.
QStringList configure(quint16 port, const ServedSite& site) {
    const QString& folder = site.folder;
    const QString modules = QStringLiteral("/usr/lib/apache2/modules/");
    const QString path = folder + QStringLiteral("/httpd.conf");
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    QTextStream config(&file);
    config << "ServerRoot \"" << folder << "\"\n"
           << "DefaultRuntimeDir \"" << folder << "\"\n"
           << "PidFile \"" << folder << "/httpd.pid\"\n"
           << "ErrorLog \"" << folder << "/error.log\"\n"
           << "Listen 127.0.0.1:" << port << "\n"
           << "ServerName 127.0.0.1\n";
    for (const char* module : {"mpm_prefork", "authz_core", "rewrite"}) {
        config << "LoadModule " << module << "_module " << modules << "mod_" << module << ".so\n";
    }
    if (geteuid() == 0) {
        config << "User nobody\nGroup nogroup\n";
    }
    config << "DocumentRoot \"" << site.root << "\"\n"
           << "<Directory \"" << site.root << "\">\n"
           << "  AllowOverride FileInfo\n"
           << "  Require all granted\n"
           << "</Directory>\n";
    return {QStringLiteral("-X"), QStringLiteral("-f"), path};
}

} // namespace

TEST(ApacheRules, HtaccessRedirectsEveryOldPathAtTheRootAndBelowIt) {
    for (const QString& oldPath : {QStringLiteral("/"), QStringLiteral("/old/site/")}) {
        SCOPED_TRACE(oldPath.toStdString());
        ExpectServedRules(InstalledProgram(QStringLiteral("apache2")),
                          RulesKind(QStringLiteral("apache")), &configure, oldPath);
    }
}
