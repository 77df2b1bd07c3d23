#include "movers/rule_file.h"

#include <QUrl>

// A line is "from to 301!", split at white space. Both paths are percent-encoded, as Netlify
// asks of special characters; "!" forces the rule, since Netlify would otherwise serve the
// mover page standing at the old path. Netlify passes the visitor's query string on by itself.

namespace {

QByteArray percentEncoded(QChar c) {
    QByteArray encoded;
    for (const char byte : QString(c).toUtf8()) {
        encoded += '%' + QByteArray::number(uchar(byte), 16).toUpper().rightJustified(2, '0');
    }
    return encoded;
}

// Where the path of an address begins: after "scheme://host:port", or at its start.
qsizetype pathStart(const QString& address) {
    for (const QLatin1StringView scheme :
         {QLatin1StringView("http://"), QLatin1StringView("https://")}) {
        if (address.startsWith(scheme)) {
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

// The new address with white space percent-encoded (the line is split at any of it, as
// JavaScript's "\s" knows it), and ":" in its path and query too, where ":name" would be read
// as a placeholder. Every other character is kept whole, a pair of surrogates too.
QByteArray destination(const QString& address) {
    const qsizetype path = pathStart(address);
    QString out;
    for (qsizetype i = 0; i < address.size(); ++i) {
        const QChar c = address[i];
        const bool split = c.isSpace() || c == QChar(0xFEFF);
        if (split || (c == u':' && i >= path)) {
            out += QLatin1StringView(percentEncoded(c));
        } else {
            out += c;
        }
    }
    return out.toUtf8();
}

QString cannotHold(const Redirect& redirect) {
    if (redirect.oldPath.startsWith(u"/.netlify")) {
        return QStringLiteral("Netlify keeps the paths from \"/.netlify\" for itself");
    }
    return {};
}

QByteArray rule(const Redirect& redirect, int /*number*/) {
    return QUrl::toPercentEncoding(redirect.oldPath, "/") + ' ' + destination(redirect.newAddress) +
           " 301!\n";
}

} // namespace

ServerRules NetlifyRules(const QList<Redirect>& redirects) {
    static const RuleSyntax syntax{
        .opening = "# Permanent redirects (301) of the pages Zandrift moved, for Netlify: deploy "
                   "this _redirects file at the site's root.\n",
        .cannotHold = &cannotHold,
        .rule = &rule};
    return WriteRules(syntax, redirects);
}
