#include "app/settings_file.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>

namespace {

bool isHexDigit(char16_t unit) {
    return (unit >= u'0' && unit <= u'9') || (unit >= u'a' && unit <= u'f') ||
           (unit >= u'A' && unit <= u'F');
}

// `value` as QSettings reads back the very same text. In quotes, so that ';', ',', '=' and
// blanks at either end stay as they are; '"' and '\' escaped; a leading '@' doubled, since
// QSettings reads "@..." as a value of another type; every character outside printable ASCII
// as a hexadecimal escape of its UTF-16 unit, and a hex digit right after such an escape
// escaped too, since the escape would take it in.
QByteArray quotedText(const QString& value) {
    QByteArray quoted = value.startsWith(u'@') ? "\"@" : "\"";
    bool afterHexEscape = false;
    for (const QChar character : value) {
        const char16_t unit = character.unicode();
        const bool plain = unit >= 0x20 && unit < 0x7f && !(afterHexEscape && isHexDigit(unit));
        if (!plain) {
            quoted += "\\x" + QByteArray::number(unit, 16);
        } else {
            if (unit == u'"' || unit == u'\\') {
                quoted += '\\';
            }
            quoted += char(unit);
        }
        afterHexEscape = !plain;
    }
    return quoted + '"';
}

// The name of the section that `header`, a trimmed line starting with '[', opens.
QByteArrayView sectionName(QByteArrayView header) {
    const qsizetype end = header.indexOf(']');
    return header.first(end < 0 ? header.size() : end).sliced(1).trimmed();
}

bool isKeyLine(QByteArrayView trimmed, QByteArrayView key) {
    const qsizetype equals = trimmed.indexOf('=');
    return equals > 0 && trimmed.first(equals).trimmed() == key;
}

// `file` with `line` in place of every line of `key` in the sections named `section`: as the
// first line of the first such section, or of a new one at the end.
QByteArray withKeyLine(const QByteArray& file, QByteArrayView section, QByteArrayView key,
                       const QByteArray& line) {
    QByteArray result;
    bool inSection = false;
    bool placed = false;
    for (qsizetype start = 0; start < file.size();) {
        qsizetype end = file.indexOf('\n', start);
        end = end < 0 ? file.size() : end;
        const QByteArrayView each = QByteArrayView(file).sliced(start, end - start);
        start = end + 1;
        const QByteArrayView trimmed = each.trimmed();
        if (trimmed.startsWith('[')) {
            inSection = sectionName(trimmed) == section;
        } else if (inSection && isKeyLine(trimmed, key)) {
            continue;
        }
        result += each;
        result += '\n';
        if (inSection && !placed) {
            result += line + '\n';
            placed = true;
        }
    }
    if (!placed) {
        result += (result.isEmpty() ? "[" : "\n[") + section.toByteArray() + "]\n" + line + '\n';
    }
    return result;
}

} // namespace

void WriteSettingText(const QString& path, QByteArrayView section, QByteArrayView key,
                      const QString& value) {
    QFile current(path);
    if (current.exists() && !current.open(QIODevice::ReadOnly)) {
        return;
    }
    const QByteArray text = withKeyLine(current.isOpen() ? current.readAll() : QByteArray(),
                                        section, key, key.toByteArray() + '=' + quotedText(value));
    if (!QDir().mkpath(QFileInfo(path).path())) {
        return;
    }
    QTemporaryFile replacement(path);
    if (!replacement.open() || replacement.write(text) != text.size() || !replacement.flush()) {
        return;
    }
    if (std::rename(QFile::encodeName(replacement.fileName()).constData(),
                    QFile::encodeName(path).constData()) == 0) {
        replacement.setAutoRemove(false);
    }
}
