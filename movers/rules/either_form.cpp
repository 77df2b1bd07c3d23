#include "movers/rules/either_form.h"

#include <QUrl>

namespace {

bool standsAsItIs(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
           c == u'-' || c == u'.' || c == u'_' || c == u'~' || c == u'/';
}

bool isAsciiPunctuation(QChar c) {
    return c.unicode() > u' ' && c.unicode() < 0x7F && !c.isLetterOrNumber();
}

QString literal(const QString& character) {
    if (character == u"|") {
        return QStringLiteral("[|]");
    }
    if (isAsciiPunctuation(character.front())) {
        return u'\\' + character;
    }
    return character;
}

} // namespace

QString EitherFormPattern(const QString& path, const QString& open) {
    QString pattern;
    for (qsizetype i = 0; i < path.size(); ++i) {
        if (standsAsItIs(path[i])) {
            pattern += path[i];
            continue;
        }
        // A character beyond the basic plane is its pair of surrogates.
        const qsizetype units =
            path[i].isHighSurrogate() && i + 1 < path.size() && path[i + 1].isLowSurrogate() ? 2
                                                                                             : 1;
        const QString character = path.mid(i, units);
        pattern += open + literal(character) + u'|' +
                   QString::fromLatin1(QUrl::toPercentEncoding(character)) + u')';
        i += units - 1;
    }
    return pattern;
}
