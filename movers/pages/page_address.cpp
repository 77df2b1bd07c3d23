#include "movers/pages/page_address.h"

#include "movers/pages/path_joiners.h"

#include <QStringList>

namespace {

// Whether a byte of a name's UTF-8 stands as it is in an address: printable ASCII other than
// the blank, which browsers and servers trim at the end of an address and a Location header
// cannot hold, and the characters that mean something in an address or end an attribute.
bool standsRaw(uchar byte) {
    switch (byte) {
    case ' ':
    case '%':
    case '#':
    case '?':
    case '"':
    case '<':
    case '>':
    case '\\':
        return false;
    default:
        return byte >= 0x20 && byte < 0x7F; // not C0, DEL or beyond ASCII
    }
}

} // namespace

QString EncodePageName(const QString& name) {
    static constexpr char kHexDigits[] = "0123456789ABCDEF";
    const QByteArray bytes = name.toUtf8();
    QString encoded;
    encoded.reserve(bytes.size());
    for (const char character : bytes) {
        const auto byte = static_cast<uchar>(character);
        if (standsRaw(byte)) {
            encoded += QLatin1Char(character);
        } else {
            encoded += u'%';
            encoded += QLatin1Char(kHexDigits[byte >> 4]);
            encoded += QLatin1Char(kHexDigits[byte & 0x0F]);
        }
    }
    return encoded;
}

QString EncodeRelativePath(const QString& relativePath) {
    QStringList names = relativePath.split(u'/');
    for (QString& name : names) {
        name = EncodePageName(name);
    }
    return names.join(u'/');
}

QString AddressBase(const QString& newAddress) {
    QString base = Module1::AddSlash(newAddress);
    return base.replace(u' ', QStringLiteral("%20"));
}

QString PageAddress(const QString& newAddress, const QString& relativePath) {
    return AddressBase(newAddress) + EncodeRelativePath(relativePath);
}

QUrl OldPageAddress(const QString& oldSite, const QString& oldPath) {
    QUrl address(oldSite);
    address.setPath(oldPath, QUrl::DecodedMode);
    return address;
}
