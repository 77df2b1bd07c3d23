#include "served_rules.h"

#include <gtest/gtest.h>

namespace {

// The old site's block imports the file; no admin endpoint and no certificates.
QStringList configure(quint16 port, const ServedSite& site) {
    const QStringList lines{
        QStringLiteral("{"),
        QStringLiteral("\tadmin off"),
        QStringLiteral("\tauto_https off"),
        QStringLiteral("}"),
        QStringLiteral("http://127.0.0.1:%1 {").arg(port),
        QStringLiteral("\troot * %1").arg(site.root),
        QStringLiteral("\timport %1").arg(site.rulesFile),
        QStringLiteral("}"),
    };
    return {QStringLiteral("run"), QStringLiteral("--adapter"), QStringLiteral("caddyfile"),
            QStringLiteral("--config"),
            WrittenConfiguration(site.folder + QStringLiteral("/Caddyfile"), lines)};
}

} // namespace

TEST(CaddyRules, ImportedFileRedirectsEveryOldPathAtTheRootAndBelowIt) {
    ExpectServedRules(InstalledProgram(QStringLiteral("caddy")), QStringLiteral("caddy"),
                      &configure, {QStringLiteral("{draft}.htm")});
}
