#include "movers/mover_pages.h"

#include <QList>
#include <QStringBuilder>

// The pages are built with QStringBuilder's "%", which sizes the whole line first and so
// allocates it once instead of once per fragment.

QString RedirectPage(const PageFields& fields) {
    const QString& title = fields.title;
    const QString& address = fields.address;
    return u"<html><head><title>" % title % u"</title>" %
           u"<META HTTP-EQUIV=\"Refresh\" CONTENT=\"" % QString::number(fields.delay) % u";URL=" %
           address % u"\"></head>" % u"<body><h1>" % title % u"</h1><hr>" %
           u"You are redirected to <a href=\"" % address % u"\">" % address %
           u"</a><br>Please update your bookmarks.</body></html>";
}

QString FramedForwardPage(const PageFields& fields) {
    return u"<html><head><title>" % fields.title % u"</title>" % u"<frameset rows=\"100%\">" %
           u"<frame src=\"" % fields.address % u"\" name=\"redirect\">" % u"</frameset>";
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
