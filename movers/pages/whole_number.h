#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace Module1 {

// The value of a number text: optional blanks, an optional sign, digits with an optional
// decimal part (or a decimal part alone), an optional exponent, optional blanks; the value
// must be finite. Anything else (empty text, hexadecimal, "inf", "nan", digit grouping)
// gives no value.
std::optional<double> ParseNumber(const QString& text);

// True when the text is a number (as ParseNumber reads it) without a fractional part.
bool IsWholeNumber(const QString& text);

// The delay in seconds that a text stands for: a whole number from 0 to 32767.
// Negative delays are refused because browsers ignore a refresh whose delay starts with "-".
std::optional<std::int16_t> ParseDelay(const QString& text);

} // namespace Module1
