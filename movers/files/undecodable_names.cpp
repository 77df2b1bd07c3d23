#include "movers/files/undecodable_names.h"

#include "movers/files/control_characters.h"
#include "movers/files/file_name_text.h"

namespace {

constexpr qsizetype kNamesShown = 10;

// The length of the UTF-8 sequence a lead byte starts; 0 for a byte that starts none.
qsizetype sequenceLength(uchar lead) {
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 4;
    }
    return 0;
}

// Characters a terminal would not show, or would act on: the control characters, and the byte
// order mark, an invisible character that would make two names look the same.
bool shownAsBytes(QChar character) {
    return IsControlCharacter(character) || character == QChar::ByteOrderMark;
}

QString hexByte(uchar byte) {
    return QStringLiteral("\\x") + QString::number(byte, 16).toUpper().rightJustified(2, u'0');
}

// The lead line, then the first ten names and how many more.
QString namesMessage(QString text, const QByteArrayList& names) {
    for (const QByteArray& name : names.mid(0, kNamesShown)) {
        text += u'\n' + ReadableFileName(name);
    }
    if (names.size() > kNamesShown) {
        text += QStringLiteral("\nand %1 more").arg(names.size() - kNamesShown);
    }
    return text;
}

} // namespace

QString ReadableFileName(QByteArrayView name) {
    QString readable;
    for (qsizetype at = 0; at < name.size();) {
        const qsizetype length = sequenceLength(uchar(name[at]));
        const QByteArrayView sequence =
            length > 0 && at + length <= name.size() ? name.sliced(at, length) : QByteArrayView();
        const QString character = sequence.isValidUtf8() ? FileNameText(sequence) : QString();
        if (character.isEmpty() || shownAsBytes(character.front())) {
            readable += hexByte(uchar(name[at]));
            ++at;
        } else {
            readable += character;
            at += length;
        }
    }
    return readable;
}

QString ReadableText(const QString& text) {
    return ReadableFileName(text.toUtf8());
}

QString UndecodablePagesMessage(const QByteArrayList& names) {
    return namesMessage(names.size() == 1
                            ? QStringLiteral("1 page file gets no mover page because its name is "
                                             "not valid UTF-8:")
                            : QStringLiteral("%1 page files get no mover page because their names "
                                             "are not valid UTF-8:")
                                  .arg(names.size()),
                        names);
}

QString UndecodableFilesMessage(const QByteArrayList& names) {
    return namesMessage(names.size() == 1
                            ? QStringLiteral("1 other file gets no redirect because its name is "
                                             "not valid UTF-8:")
                            : QStringLiteral("%1 other files get no redirect because their names "
                                             "are not valid UTF-8:")
                                  .arg(names.size()),
                        names);
}
