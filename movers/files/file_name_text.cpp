#include "movers/files/file_name_text.h"

#include <QStringDecoder>

QString FileNameText(QByteArrayView utf8) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringConverter::Flag::ConvertInitialBom |
                                                     QStringConverter::Flag::Stateless);
    return decoder.decode(utf8);
}
