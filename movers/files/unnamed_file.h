#pragma once

#include "movers/files/descriptor.h"

// A file without a name, written before it ever appears in a folder and then given its name in
// one step: it is never seen partial, and leaves nothing behind when it is dropped or the
// program ends first.

// A new, empty file without a name on the file system of `folder` (a descriptor), readable and
// writable as a file created by any program. None, with errno set, when the file system cannot
// make one (EOPNOTSUPP, EISDIR or EINVAL where it has no such files) or any other failure.
Descriptor CreateUnnamedFile(int folder);

// Gives the unnamed `file` the name `name` in `folder`, which must be on its file system;
// false, with errno set, when it cannot: EEXIST when the name is taken, which it never
// replaces.
bool NameUnnamedFile(const Descriptor& file, int folder, const char* name);
