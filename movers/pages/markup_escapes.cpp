#include "movers/pages/markup_escapes.h"

QString EscapeAttribute(const QString& text) {
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'&':
            escaped += QStringLiteral("&amp;");
            break;
        case u'"':
            escaped += QStringLiteral("&quot;");
            break;
        case u'<':
            escaped += QStringLiteral("&lt;");
            break;
        case u'>':
            escaped += QStringLiteral("&gt;");
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

QString JavaScriptString(const QString& text) {
    QString literal = QStringLiteral("\"");
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if (code == u'\\' || code == u'"') {
            literal += u'\\';
            literal += c;
        } else if (code < 0x20 || code == u'<' || code >= 0x7F) {
            // One UTF-16 unit at a time: a character beyond the basic plane is its pair.
            literal +=
                QStringLiteral("\\u") + QString::number(code, 16).toUpper().rightJustified(4, u'0');
        } else {
            literal += c;
        }
    }
    return literal + u'"';
}
