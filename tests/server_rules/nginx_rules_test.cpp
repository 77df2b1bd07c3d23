#include "served_rules.h"

#include <QFile>
#include <QTextStream>

#include <gtest/gtest.h>

namespace {

// The old site's server block includes the file; one process in the foreground, and every
// file nginx writes in the test's folder.
QStringList configure(quint16 port, const ServedSite& site) {
    const QString& folder = site.folder;
    const QString path = folder + QStringLiteral("/nginx.conf");
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    QTextStream config(&file);
    config << "pid " << folder << "/nginx.pid;\n"
           << "error_log " << folder << "/error.log;\n"
           << "events {}\n"
           << "http {\n"
           << "  access_log off;\n";
    for (const char* temporary : {"client_body", "proxy", "fastcgi", "uwsgi", "scgi"}) {
        config << "  " << temporary << "_temp_path " << folder << '/' << temporary << ";\n";
    }
    config << "  server {\n"
           << "    listen 127.0.0.1:" << port << ";\n"
           << "    root " << site.root << ";\n"
           << "    include " << site.rulesFile << ";\n"
           << "  }\n"
           << "}\n";
    return {QStringLiteral("-p"), folder,
            QStringLiteral("-c"), path,
            QStringLiteral("-e"), folder + QStringLiteral("/error.log"),
            QStringLiteral("-g"), QStringLiteral("daemon off; master_process off;")};
}

} // namespace

TEST(NginxRules, IncludedFileRedirectsEveryOldPathAtTheRootAndBelowIt) {
    for (const QString& oldPath : {QStringLiteral("/"), QStringLiteral("/old/site/")}) {
        SCOPED_TRACE(oldPath.toStdString());
        ExpectServedRules(InstalledProgram(QStringLiteral("nginx")),
                          RulesKind(QStringLiteral("nginx")), &configure, oldPath,
                          {QStringLiteral("price$5.htm")});
    }
}
