#pragma once

#include <QDir>
#include <QString>

namespace Module1 {

// The folder path with exactly one trailing folder separator ensured: only the last
// character is looked at, and the empty path gives the separator alone (the root).
// The separator defaults to the platform's own: "\" on Windows, "/" elsewhere.
QString AddBackslash(const QString& path, QChar separator = QDir::separator());

// The new address with a trailing "/" unless it is empty or already ends in "/" or "\".
QString AddSlash(const QString& address);

} // namespace Module1
