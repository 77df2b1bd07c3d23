#pragma once

#include <QByteArrayView>
#include <QString>

// A file or folder name that is valid UTF-8, as text, every character kept: a byte order mark
// (U+FEFF) at its start too, which Qt's own decoding of names and arguments drops, so that
// "\xEF\xBB\xBFx.htm" would be taken for "x.htm" and a run would write, redirect and name
// another file than the one on disk.
QString FileNameText(QByteArrayView utf8);
