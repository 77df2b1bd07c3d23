#include "movers/pages/page_refresh.h"

#include <QByteArray>
#include <QHash>

#include <algorithm>
#include <limits>

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\f' || c == '\r';
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Reads markup from a position: names, blanks, quoted values.
class Markup {
public:
    explicit Markup(QByteArrayView text) : text(text) {}

    bool atEnd() const { return at >= text.size(); }
    // One character on, never past the end.
    void pass() { at = std::min(at + 1, text.size()); }
    char peek() const { return atEnd() ? '\0' : text[at]; }
    bool startsWithAnyCase(QByteArrayView word) const {
        return text.size() - at >= word.size() &&
               text.sliced(at, word.size()).compare(word, Qt::CaseInsensitive) == 0;
    }
    void skipBlanks() {
        while (!atEnd() && isBlank(text[at])) {
            ++at;
        }
    }
    // Up to (not past) the first of `ends`, or the end.
    QByteArrayView until(QByteArrayView ends) {
        const qsizetype from = at;
        while (!atEnd() && !ends.contains(text[at])) {
            ++at;
        }
        return text.sliced(from, at - from);
    }
    // Past the first `word` (in any case), or to the end.
    void skipPast(QByteArrayView word) {
        while (!atEnd() && !startsWithAnyCase(word)) {
            ++at;
        }
        at = std::min(at + word.size(), text.size());
    }

    QByteArrayView text;
    qsizetype at = 0;
};

// The name of a tag or an attribute, lower-cased.
QByteArray nameAt(Markup& markup) {
    return markup.until(" \t\n\f\r/>=").toByteArray().toLower();
}

// A tag's attributes from after its name to past its ">", each name's first value, lower-cased
// names; none when the text ends before the tag does, as a browser drops such a tag.
std::optional<QHash<QByteArray, QByteArrayView>> attributes(Markup& markup) {
    QHash<QByteArray, QByteArrayView> found;
    for (;;) {
        markup.skipBlanks();
        while (markup.peek() == '/') {
            markup.pass();
            markup.skipBlanks();
        }
        if (markup.atEnd()) {
            return std::nullopt;
        }
        if (markup.peek() == '>') {
            markup.pass();
            return found;
        }
        const QByteArray name = markup.peek() == '=' ? QByteArray() : nameAt(markup);
        QByteArrayView value;
        markup.skipBlanks();
        if (markup.peek() == '=') {
            markup.pass();
            markup.skipBlanks();
            const char quote = markup.peek();
            if (quote == '"' || quote == '\'') {
                markup.pass();
                value = markup.until(QByteArrayView(&quote, 1));
                markup.pass();
            } else {
                value = markup.until(" \t\n\f\r>");
            }
        }
        if (name.isEmpty() && value.isEmpty()) {
            markup.pass(); // a stray "=": passed over, as a browser does
        }
        if (!found.contains(name)) {
            found.insert(name, value);
        }
    }
}

// The text with the character references an address may hold decoded: the five of XML and the
// numeric ones; any other "&" stays as it is, as a browser leaves one that names nothing.
QString decodedReferences(const QString& text) {
    static const QHash<QString, QString> named{
        {"amp", "&"}, {"lt", "<"}, {"gt", ">"}, {"quot", "\""}, {"apos", "'"}};
    QString decoded;
    qsizetype at = 0;
    for (qsizetype amp = text.indexOf(u'&'); amp >= 0; amp = text.indexOf(u'&', at)) {
        decoded += text.sliced(at, amp - at);
        at = amp + 1;
        const qsizetype semicolon = text.indexOf(u';', amp);
        const QString name = semicolon < 0 ? QString() : text.sliced(amp + 1, semicolon - amp - 1);
        bool number = false;
        const uint code = name.startsWith(u"#x", Qt::CaseInsensitive)
                              ? name.mid(2).toUInt(&number, 16)
                              : (name.startsWith(u'#') ? name.mid(1).toUInt(&number, 10) : 0);
        if (number && code > 0 && code <= 0x10FFFF) {
            const char32_t character = code;
            decoded += QString::fromUcs4(&character, 1);
        } else if (named.contains(name)) {
            decoded += named.value(name);
        } else {
            decoded += u'&';
            continue;
        }
        at = semicolon + 1;
    }
    return decoded + text.sliced(at);
}

// A refresh's content read as HTML reads it; none when a browser would not refresh.
std::optional<PageRefresh> refreshOf(const QString& content) {
    qsizetype at = 0;
    const auto digitAt = [&content](qsizetype place) {
        return place < content.size() && content[place] >= u'0' && content[place] <= u'9';
    };
    const auto skipBlanks = [&] {
        while (at < content.size() && content[at].isSpace()) {
            ++at;
        }
    };
    skipBlanks();
    const qsizetype digits = at;
    qint64 seconds = 0;
    for (; digitAt(at); ++at) {
        seconds = std::min<qint64>(seconds * 10 + (content[at].unicode() - u'0'),
                                   std::numeric_limits<int>::max());
    }
    if (at == digits && (at == content.size() || content[at] != u'.')) {
        return std::nullopt;
    }
    while (digitAt(at) || (at < content.size() && content[at] == u'.')) {
        ++at; // the fraction, which browsers drop
    }
    PageRefresh refresh{int(seconds), {}};
    if (at == content.size()) {
        return refresh;
    }
    if (!content[at].isSpace() && content[at] != u';' && content[at] != u',') {
        return std::nullopt;
    }
    skipBlanks();
    if (at < content.size() && (content[at] == u';' || content[at] == u',')) {
        ++at;
    }
    skipBlanks();
    qsizetype url = at;
    if (content.sliced(at).startsWith(u"url", Qt::CaseInsensitive)) {
        at += 3;
        skipBlanks();
        if (at < content.size() && content[at] == u'=') {
            ++at;
            skipBlanks();
            url = at;
        }
    }
    QString address = content.sliced(url);
    if (!address.isEmpty() && (address[0] == u'"' || address[0] == u'\'')) {
        const qsizetype end = address.indexOf(address[0], 1);
        address = address.mid(1, end < 0 ? -1 : end - 1);
    }
    refresh.url = address.trimmed();
    return refresh;
}

// The elements whose text is no markup.
bool holdsText(const QByteArray& name) {
    return name == "title" || name == "script" || name == "style" || name == "textarea";
}

} // namespace

std::optional<PageRefresh> FindRefresh(QByteArrayView page) {
    Markup markup(page);
    while (!markup.atEnd()) {
        markup.until("<");
        if (markup.atEnd()) {
            break;
        }
        markup.pass();
        if (markup.startsWithAnyCase("!--")) {
            markup.skipPast("-->");
        } else if (markup.peek() == '!' || markup.peek() == '?') {
            markup.skipPast(">");
        } else if (markup.peek() == '/') {
            markup.pass();
            const QByteArray name = nameAt(markup);
            markup.skipPast(">");
            if (name == "head") {
                break;
            }
        } else if (isLetter(markup.peek())) {
            const QByteArray name = nameAt(markup);
            const std::optional<QHash<QByteArray, QByteArrayView>> tag = attributes(markup);
            if (!tag || name == "body") {
                break;
            }
            const QHash<QByteArray, QByteArrayView>& found = *tag;
            if (name == "meta" &&
                found.value("http-equiv").compare("refresh", Qt::CaseInsensitive) == 0 &&
                found.contains("content")) {
                const QByteArrayView content = found.value("content");
                const bool utf8 = page.first(markup.at).isValidUtf8();
                const QString text =
                    utf8 ? QString::fromUtf8(content) : QString::fromLatin1(content);
                if (std::optional<PageRefresh> refresh = refreshOf(decodedReferences(text))) {
                    return refresh;
                }
            } else if (holdsText(name)) {
                markup.skipPast("</" + name);
                markup.skipPast(">");
            }
        }
    }
    return std::nullopt;
}
