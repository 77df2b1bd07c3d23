#pragma once

#include "movers/files/descriptor.h"

#include <QByteArrayView>

// A file without a name, holding its bytes before it ever appears in a folder: made ahead of
// its turn and given its name in one step, it is never seen partial and leaves nothing behind
// when it is dropped or the program ends first.

// A new file without a name on the file system of `folder` (a descriptor), holding `bytes`,
// readable and writable as a file created by any program. None, with errno set, when the
// file system cannot make one (EOPNOTSUPP, EISDIR or EINVAL where it has no such files) or the
// writing failed.
Descriptor WriteUnnamedFile(int folder, QByteArrayView bytes);

// Gives the unnamed `file` the name `name` in `folder`, which must be on its file system;
// false, with errno set, when it cannot: EEXIST when the name is taken, which it never
// replaces.
bool NameUnnamedFile(const Descriptor& file, int folder, const char* name);
