#include "movers/page_address.h"

#include "movers/path_joiners.h"

namespace {

bool needsEncoding(QChar c) {
    switch (c.unicode()) {
    case u'%':
    case u'#':
    case u'?':
    case u'"':
    case u'<':
    case u'>':
    case u'\\':
        return true;
    default:
        return c.category() == QChar::Other_Control; // C0, DEL and C1
    }
}

} // namespace

QString EncodePageName(const QString& name) {
    QString encoded;
    encoded.reserve(name.size());
    for (const QChar c : name) {
        if (!needsEncoding(c)) {
            encoded += c;
            continue;
        }
        for (const char byte : QString(c).toUtf8()) {
            encoded += u'%' + QString::number(uchar(byte), 16).toUpper().rightJustified(2, u'0');
        }
    }
    return encoded;
}

QString PageAddress(const QString& newAddress, const QString& pageName) {
    return Module1::AddSlash(newAddress) + EncodePageName(pageName);
}
