#pragma once

#include <QDateTime>
#include <QString>

// The page information of a page file: its title (or its path when it has none), CR LF,
// then the time the file was made (its last modification where the file system records
// no birth time); an empty second line when the page is gone or cannot be read as a file.
QString PageInformation(const QString& path);

// A date and time in the locale's short date form with a four-digit year, a space, then
// the time with seconds.
QString DateTimeText(const QDateTime& moment);
