#pragma once

#include <QString>

// A pattern of a decoded URL path that matches the path whether a request sends each character
// of it as it is or percent-encoded: hosts differ in how much of a request path they decode
// before they compare it, and browsers leave some characters raw ("+", "(", "&") that other
// clients encode. Letters, digits, "-", ".", "_", "~" and "/" stand as they are, since no one
// encodes them. Every other character is a group of two alternatives, `open` (the syntax's
// opening of an alternation, "@(" in a glob, "(" in a regular expression), the character, "|",
// its UTF-8 bytes each as "%" and two upper-case hex digits as browsers send them, and ")". The
// character is written so that neither a glob nor a regular expression reads it as syntax: ASCII
// punctuation after a backslash, "|" as the class "[|]" (a glob's alternation splits at an
// escaped "|" too), everything else as it is.
QString EitherFormPattern(const QString& path, const QString& open);
