#include "movers/rule_file.h"

#include <QSet>

namespace {

bool holdsControlCharacter(const QString& text) {
    for (const QChar c : text) {
        switch (c.category()) {
        case QChar::Other_Control:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            return true;
        default:
            break;
        }
    }
    return false;
}

bool isAbsolute(const QString& address) {
    return address.startsWith(u"http://") || address.startsWith(u"https://") ||
           (address.startsWith(u'/') && !address.startsWith(u"//"));
}

QString reasonAllKindsLeaveOut(const Redirect& redirect, const QSet<QString>& pathsWritten) {
    if (!IsPlainUrlPath(redirect.oldPath)) {
        return QStringLiteral("its old path is not a plain path from \"/\"");
    }
    if (pathsWritten.contains(redirect.oldPath)) {
        return QStringLiteral("its old path is redirected by an earlier rule");
    }
    if (holdsControlCharacter(redirect.newAddress)) {
        return QStringLiteral("its new address holds a control character");
    }
    if (!isAbsolute(redirect.newAddress)) {
        return QStringLiteral("its new address does not start with http://, https:// or /");
    }
    return {};
}

} // namespace

ServerRules WriteRules(const RuleSyntax& syntax, const QList<Redirect>& redirects) {
    ServerRules rules{.bytes = syntax.opening, .leftOut = {}};
    QSet<QString> pathsWritten;
    int written = 0;
    for (const Redirect& redirect : redirects) {
        QString reason = reasonAllKindsLeaveOut(redirect, pathsWritten);
        if (reason.isEmpty() && syntax.cannotHold != nullptr) {
            reason = syntax.cannotHold(redirect);
        }
        if (!reason.isEmpty()) {
            rules.leftOut.append({.oldPath = redirect.oldPath, .reason = reason});
            continue;
        }
        pathsWritten.insert(redirect.oldPath);
        rules.bytes += syntax.rule(redirect, ++written);
    }
    return rules;
}

QByteArray ExactPathPattern(const QString& path) {
    QByteArray pattern = "^";
    for (const char byte : path.toUtf8()) {
        const auto unit = uchar(byte);
        const bool asItIs = unit >= 0x80 || (unit >= '0' && unit <= '9') ||
                            (unit >= 'A' && unit <= 'Z') || (unit >= 'a' && unit <= 'z') ||
                            unit == '/';
        if (asItIs) {
            pattern += byte;
        } else {
            pattern += "\\x" + QByteArray::number(unit, 16).toUpper().rightJustified(2, '0');
        }
    }
    return pattern + "\\z";
}
