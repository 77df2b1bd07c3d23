#include "served_rules.h"

#include <QFile>
#include <QTextStream>

#include <gtest/gtest.h>

namespace {

// The old site's block imports the file; no admin endpoint and no certificates.
QStringList configure(quint16 port, const ServedSite& site) {
    const QString path = site.folder + QStringLiteral("/Caddyfile");
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    QTextStream config(&file);
    config << "{\n"
           << "\tadmin off\n"
           << "\tauto_https off\n"
           << "}\n"
           << "http://127.0.0.1:" << port << " {\n"
           << "\troot * " << site.root << "\n"
           << "\timport " << site.rulesFile << "\n"
           << "}\n";
    return {QStringLiteral("run"), QStringLiteral("--adapter"), QStringLiteral("caddyfile"),
            QStringLiteral("--config"), path};
}

} // namespace

TEST(CaddyRules, ImportedFileRedirectsEveryOldPathAtTheRootAndBelowIt) {
    for (const QString& oldPath : {QStringLiteral("/"), QStringLiteral("/old/site/")}) {
        SCOPED_TRACE(oldPath.toStdString());
        ExpectServedRules(InstalledProgram(QStringLiteral("caddy")),
                          RulesKind(QStringLiteral("caddy")), &configure, oldPath,
                          {QStringLiteral("{draft}.htm")});
    }
}
