#include "movers/rules/rule_file.h"

#include <QUrl>

// A line is "from to 301!", split at white space. Both paths are percent-encoded, as Netlify
// asks of special characters; "!" forces the rule, since Netlify would otherwise serve the
// mover page standing at the old path. Netlify passes the visitor's query string on by itself.
// Its parser reads lines of any length; Netlify asks for wildcards instead of rules one by one
// from about 10,000 redirects on, which a site's own pages cannot use.

namespace {

const QString kFile = QStringLiteral("_redirects");

QByteArray percentEncoded(QChar c) {
    QByteArray encoded;
    for (const char byte : QString(c).toUtf8()) {
        encoded += '%' + QByteArray::number(uchar(byte), 16).toUpper().rightJustified(2, '0');
    }
    return encoded;
}

// The new address with white space percent-encoded (the line is split at any of it, as
// JavaScript's "\s" knows it), and ":" in its path and query too, where ":name" would be read
// as a placeholder. Every other character is kept whole, a pair of surrogates too.
QByteArray destination(const QString& address) {
    const qsizetype path = AddressPathStart(address);
    QString out;
    for (qsizetype i = 0; i < address.size(); ++i) {
        const QChar c = address[i];
        const bool split = c.isSpace() || c == QChar::ByteOrderMark;
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

} // namespace

ServerRules NetlifyRules(const RulesSite& /*site*/, const QList<Redirect>& redirects) {
    return OneFileRules(kFile,
                        "# Permanent redirects (301) of the pages Zandrift moved, for Netlify: "
                        "deploy this _redirects file at the site's root.\n",
                        &cannotHold, redirects, [](const Redirect& redirect) {
                            return QUrl::toPercentEncoding(redirect.oldPath, "/") + ' ' +
                                   destination(redirect.newAddress) + " 301!\n";
                        });
}
