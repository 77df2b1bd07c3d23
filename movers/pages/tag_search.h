#pragma once

#include <QByteArrayView>

// The position of the first `tag` in `text`, letters compared without regard to case; -1 when
// there is none. The tag is lower-case ASCII of at least three bytes. Where the processor
// compares many bytes at once, the search looks at 64 positions at a time, 16 at once, and
// compares the whole tag only where its first and third bytes are found, so that pages of any
// size are searched at about the speed they are read.
qsizetype FindTag(QByteArrayView text, QByteArrayView tag);
