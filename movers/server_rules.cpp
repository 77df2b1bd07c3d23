#include "movers/server_rules.h"

const QList<ServerRulesKind>& ServerRulesKinds() {
    static const QList<ServerRulesKind> kinds{
        {.name = QStringLiteral("apache"),
         .fileName = QStringLiteral(".htaccess"),
         .write = &ApacheRules},
        {.name = QStringLiteral("nginx"),
         .fileName = QStringLiteral("redirects.nginx"),
         .write = &NginxRules},
        {.name = QStringLiteral("caddy"),
         .fileName = QStringLiteral("redirects.caddy"),
         .write = &CaddyRules},
        {.name = QStringLiteral("netlify"),
         .fileName = QStringLiteral("_redirects"),
         .write = &NetlifyRules},
    };
    return kinds;
}

QString LeftOutRedirectMessage(const QString& rulesFile, const LeftOutRedirect& leftOut) {
    return rulesFile + QStringLiteral(" leaves out ") + leftOut.oldPath + QStringLiteral(": ") +
           leftOut.reason + u'.';
}
