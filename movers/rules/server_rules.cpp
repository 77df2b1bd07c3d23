#include "movers/rules/server_rules.h"

#include <QStringList>

const QList<ServerRulesKind>& ServerRulesKinds() {
    static const QList<ServerRulesKind> kinds{
        {.name = QStringLiteral("apache"),
         .fileNames = {QStringLiteral(".htaccess"), QStringLiteral("redirects.apache.conf"),
                       QStringLiteral("redirects.apache.map")},
         .write = &ApacheRules},
        {.name = QStringLiteral("nginx"),
         .fileNames = {QStringLiteral("redirects.nginx")},
         .write = &NginxRules},
        {.name = QStringLiteral("caddy"),
         .fileNames = {QStringLiteral("redirects.caddy")},
         .write = &CaddyRules},
        {.name = QStringLiteral("netlify"),
         .fileNames = {QStringLiteral("_redirects")},
         .write = &NetlifyRules},
        {.name = QStringLiteral("firebase"),
         .fileNames = {QStringLiteral("firebase.json")},
         .write = &FirebaseRules},
        {.name = QStringLiteral("vercel"),
         .fileNames = {QStringLiteral("vercel.json")},
         .write = &VercelRules},
    };
    return kinds;
}

bool IsPlainUrlPath(const QString& path) {
    if (!path.startsWith(u'/')) {
        return false;
    }
    const QStringList segments = path.split(u'/');
    // The first segment is the empty one before the leading "/", the last the empty one after
    // a folder's trailing "/".
    for (qsizetype i = 1; i < segments.size(); ++i) {
        const QString& segment = segments[i];
        const bool last = i == segments.size() - 1;
        if ((segment.isEmpty() && !last) || segment == u"." || segment == u"..") {
            return false;
        }
    }
    return true;
}

QString LeftOutRedirectMessage(const LeftOutRedirect& leftOut) {
    return leftOut.file + QStringLiteral(" leaves out ") + leftOut.oldPath + QStringLiteral(": ") +
           leftOut.reason + u'.';
}
