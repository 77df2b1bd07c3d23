#include "movers/rules/rule_file.h"

#include "movers/files/control_characters.h"

#include <QSet>

namespace {

// Schemes are compared without regard to case, as browsers and servers compare them.
bool isAbsolute(const QString& address) {
    return address.startsWith(u"http://", Qt::CaseInsensitive) ||
           address.startsWith(u"https://", Qt::CaseInsensitive) ||
           (address.startsWith(u'/') && !address.startsWith(u"//"));
}

QString reasonAllKindsLeaveOut(const Redirect& redirect, const QSet<QString>& pathsHeld) {
    if (!IsPlainUrlPath(redirect.oldPath)) {
        return QStringLiteral("its old path is not a plain path from \"/\"");
    }
    if (pathsHeld.contains(redirect.oldPath)) {
        return QStringLiteral("its old path is redirected by an earlier rule");
    }
    if (HoldsLineBreakOrControl(redirect.newAddress)) {
        return QStringLiteral("its new address holds a control character");
    }
    if (!isAbsolute(redirect.newAddress)) {
        return QStringLiteral("its new address does not start with http://, https:// or /");
    }
    return {};
}

} // namespace

QList<Redirect> HeldRedirects(const QList<Redirect>& redirects, const QString& file,
                              const CannotHold& cannotHold, QList<LeftOutRedirect>& leftOut,
                              const RedirectLimit& limit) {
    QList<Redirect> held;
    QSet<QString> pathsHeld;
    for (const Redirect& redirect : redirects) {
        QString reason = reasonAllKindsLeaveOut(redirect, pathsHeld);
        if (reason.isEmpty() && cannotHold) {
            reason = cannotHold(redirect);
        }
        if (reason.isEmpty() && limit.most >= 0 && held.size() >= limit.most) {
            reason = limit.reason;
        }
        if (!reason.isEmpty()) {
            leftOut.append({.file = file, .oldPath = redirect.oldPath, .reason = reason});
            continue;
        }
        pathsHeld.insert(redirect.oldPath);
        held.append(redirect);
    }
    return held;
}

qsizetype AddressPathStart(const QString& address) {
    for (const QLatin1StringView scheme :
         {QLatin1StringView("http://"), QLatin1StringView("https://")}) {
        if (address.startsWith(scheme, Qt::CaseInsensitive)) {
            for (qsizetype i = scheme.size(); i < address.size(); ++i) {
                if (address[i] == u'/' || address[i] == u'?' || address[i] == u'#') {
                    return i;
                }
            }
            return address.size();
        }
    }
    return 0;
}

ServerRules OneFileRules(const QString& file, const QByteArray& opening,
                         const CannotHold& cannotHold, const QList<Redirect>& redirects,
                         QByteArray (*rule)(const Redirect&)) {
    ServerRules rules;
    QByteArray bytes = opening;
    for (const Redirect& redirect : HeldRedirects(redirects, file, cannotHold, rules.leftOut)) {
        bytes += rule(redirect);
    }
    rules.files.append({file, bytes});
    return rules;
}

QByteArray RulesName(const RulesSite& site) {
    // FNV-1a of the old path's UTF-8: the same path gives the same name on every machine.
    std::uint32_t hash = 2166136261U;
    for (const char byte : site.oldPath.toUtf8()) {
        hash = (hash ^ uchar(byte)) * 16777619U;
    }
    return "zandrift_" + QByteArray::number(hash, 16).rightJustified(8, '0');
}

QString PageFolder(const RulesSite& site, const Redirect& redirect) {
    const QString relative = redirect.oldPath.mid(site.oldPath.size());
    QString folder = relative.left(relative.lastIndexOf(u'/') + 1);
    while (!folder.isEmpty() && !site.pageFolders.contains(folder)) {
        folder.truncate(folder.lastIndexOf(u'/', folder.size() - 2) + 1);
    }
    return folder;
}
