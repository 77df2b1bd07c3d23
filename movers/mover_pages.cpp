#include "movers/mover_pages.h"

#include <QList>

QString RedirectPage(const PageFields& fields) {
    const QString& title = fields.title;
    const QString& address = fields.address;
    return QStringLiteral("<html><head><title>") + title + QStringLiteral("</title>") +
           QStringLiteral("<META HTTP-EQUIV=\"Refresh\" CONTENT=\"") +
           QString::number(fields.delay) + QStringLiteral(";URL=") + address +
           QStringLiteral("\"></head>") + QStringLiteral("<body><h1>") + title +
           QStringLiteral("</h1><hr>") + QStringLiteral("You are redirected to <a href=\"") +
           address + QStringLiteral("\">") + address +
           QStringLiteral("</a><br>Please update your bookmarks.</body></html>");
}

QString FramedForwardPage(const PageFields& fields) {
    return QStringLiteral("<html><head><title>") + fields.title + QStringLiteral("</title>") +
           QStringLiteral("<frameset rows=\"100%\">") + QStringLiteral("<frame src=\"") +
           fields.address + QStringLiteral("\" name=\"redirect\">") + QStringLiteral("</frameset>");
}

QByteArray PageFileBytes(const QString& line, bool latin1) {
    const QByteArray lineEnd = QByteArrayLiteral("\r\n");
    if (!latin1) {
        return line.toUtf8() + lineEnd;
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
