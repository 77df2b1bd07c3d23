#include "cli/options/percent_decoding.h"

#include <QByteArray>
#include <QStringDecoder>

#include <utility>

namespace {

// The value of an ASCII hexadecimal digit, or -1.
int hexDigitValue(char digit) {
    if (digit >= '0' && digit <= '9') {
        return digit - '0';
    }
    if (digit >= 'a' && digit <= 'f') {
        return digit - 'a' + 10;
    }
    if (digit >= 'A' && digit <= 'F') {
        return digit - 'A' + 10;
    }
    return -1;
}

} // namespace

PercentDecoded DecodePercentEncoding(const QString& text) {
    const QByteArray encoded = text.toUtf8();
    QByteArray bytes;
    bytes.reserve(encoded.size());
    for (qsizetype at = 0; at < encoded.size(); ++at) {
        if (encoded[at] != '%') {
            bytes += encoded[at];
            continue;
        }
        const int high = hexDigitValue(at + 1 < encoded.size() ? encoded[at + 1] : '\0');
        const int low = hexDigitValue(at + 2 < encoded.size() ? encoded[at + 2] : '\0');
        if (high < 0 || low < 0) {
            return {{}, PercentDecoded::Fault::BadEscape};
        }
        bytes += static_cast<char>(high * 16 + low);
        at += 2;
    }
    // All the bytes at once, so a sequence cut short at the end is an error, not kept for
    // more; an initial byte order mark is kept as the character it is, not dropped.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString decoded = utf8.decode(bytes);
    if (utf8.hasError()) {
        return {{}, PercentDecoded::Fault::NotUtf8};
    }
    return {std::move(decoded), PercentDecoded::Fault::None};
}
