#include "movers/pages/mover_pages.h"

#include "movers/pages/markup_escapes.h"

#include <QList>
#include <QStringBuilder>

// The pages are built with QStringBuilder's "%", which sizes the whole line first and so
// allocates it once instead of once per fragment.

namespace {

// The new address followed by the visitor's query and fragment, as a script expression.
QString addressWithQuery(const QString& address) {
    return JavaScriptString(address) % u"+location.search+location.hash";
}

QString canonicalLink(const PageFields& fields) {
    if (!fields.extras.canonical) {
        return {};
    }
    return u"<link rel=\"canonical\" href=\"" % EscapeAttribute(fields.address) % u"\">";
}

} // namespace

QString RedirectPage(const PageFields& fields) {
    const QString& title = fields.title;
    const QString& address = fields.address;
    QString refresh = u"<META HTTP-EQUIV=\"Refresh\" CONTENT=\"" % QString::number(fields.delay) %
                      u";URL=" % address % u"\">";
    if (fields.extras.keepQuery) {
        refresh = u"<script>setTimeout(function(){location.replace(" % addressWithQuery(address) %
                  u")}," % QString::number(qint64(fields.delay) * 1000) % u")</script><noscript>" %
                  refresh % u"</noscript>";
    }
    return u"<html><head><title>" % title % u"</title>" % refresh % canonicalLink(fields) %
           u"</head>" % u"<body><h1>" % title % u"</h1><hr>" % u"You are redirected to <a href=\"" %
           address % u"\">" % address % u"</a><br>Please update your bookmarks.</body></html>";
}

QString FramedForwardPage(const PageFields& fields) {
    QString script;
    if (fields.extras.keepQuery) {
        script = u"<script>addEventListener(\"DOMContentLoaded\",function(){"
                 u"if(location.search||location.hash)"
                 u"document.getElementsByName(\"redirect\")[0].src=" %
                 addressWithQuery(fields.address) % u"})</script>";
    }
    return u"<html><head><title>" % fields.title % u"</title>" % canonicalLink(fields) % script %
           u"<frameset rows=\"100%\">" % u"<frame src=\"" % fields.address %
           u"\" name=\"redirect\">" % u"</frameset>";
}

QByteArray PageFileBytes(const QString& line, bool latin1) {
    const QByteArray lineEnd = QByteArrayLiteral("\r\n");
    if (!latin1) {
        QByteArray bytes = line.toUtf8();
        return bytes.append(lineEnd);
    }
    QByteArray bytes;
    bytes.reserve(line.size() + lineEnd.size());
    for (const uint code : line.toUcs4()) {
        if (code <= 0xFF) {
            bytes += static_cast<char>(code);
        } else {
            bytes += "&#" + QByteArray::number(code) + ';';
        }
    }
    return bytes + lineEnd;
}
