#pragma once

#include <QByteArrayView>
#include <QString>

// Writes `value` as the text of the setting `key` in the group `section` into the settings
// file at `path` (QSettings' INI format; `section` and `key` are plain ASCII names), as a
// QSettings of that file reads it back: the file's other lines are kept as they are, the new
// text goes to a temporary file beside it, which then replaces the file by a rename. Nothing
// waits for the disk: once this returns, the file holds the new text for every process,
// also when this one is killed. A file that cannot be read or written is left as it is.
void WriteSettingText(const QString& path, QByteArrayView section, QByteArrayView key,
                      const QString& value);
