#include "movers/pages/whole_number.h"

#include <cmath>
#include <limits>

namespace Module1 {

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}
bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Advances past a run of ASCII digits and tells how many there were.
qsizetype skipDigits(const QString& text, qsizetype& at) {
    const qsizetype start = at;
    while (at < text.size() && isDigit(text[at])) {
        ++at;
    }
    return at - start;
}

// True when the whole of `text` is one number in the accepted syntax, blanks aside.
bool hasNumberSyntax(const QString& text) {
    qsizetype at = 0;
    while (at < text.size() && isBlank(text[at])) {
        ++at;
    }
    if (at < text.size() && (text[at] == u'+' || text[at] == u'-')) {
        ++at;
    }
    qsizetype mantissaDigits = skipDigits(text, at);
    if (at < text.size() && text[at] == u'.') {
        ++at;
        mantissaDigits += skipDigits(text, at);
    }
    if (mantissaDigits == 0) {
        return false;
    }
    if (at < text.size() && (text[at] == u'e' || text[at] == u'E')) {
        ++at;
        if (at < text.size() && (text[at] == u'+' || text[at] == u'-')) {
            ++at;
        }
        if (skipDigits(text, at) == 0) {
            return false;
        }
    }
    while (at < text.size() && isBlank(text[at])) {
        ++at;
    }
    return at == text.size();
}

} // namespace

std::optional<double> ParseNumber(const QString& text) {
    if (!hasNumberSyntax(text)) {
        return std::nullopt;
    }
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

bool IsWholeNumber(const QString& text) {
    const std::optional<double> value = ParseNumber(text);
    return value && *value == std::floor(*value);
}

std::optional<std::int16_t> ParseDelay(const QString& text) {
    if (!IsWholeNumber(text)) {
        return std::nullopt;
    }
    const double value = *ParseNumber(text);
    if (value < 0 || value > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(value);
}

} // namespace Module1
