#pragma once

#include <QByteArrayList>
#include <QByteArrayView>
#include <QString>

// A file name that is not valid UTF-8, as it can be shown: its valid UTF-8 characters as they
// are, every other byte, every control character and the byte order mark (U+FEFF, invisible)
// as "\x" and two upper-case hex digits a byte.
QString ReadableFileName(QByteArrayView name);
// A name, path or other text as it can be shown on one line: ReadableFileName of its UTF-8.
QString ReadableText(const QString& text);

// The text that tells which page files get no mover page because their names are not valid
// UTF-8: their count and the first ten of them, one a line.
QString UndecodablePagesMessage(const QByteArrayList& names);
// The same for the other files of a run that redirects every file: they get no redirect.
QString UndecodableFilesMessage(const QByteArrayList& names);
