#pragma once

#include <QString>

#include <ostream>

// Shows a QString as its text, not as a dump of UTF-16 units, when a test fails.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
