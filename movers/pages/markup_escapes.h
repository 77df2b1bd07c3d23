#pragma once

#include <QString>

// The text as an HTML attribute value between double quotes: "&", the double quote, "<" and
// ">" written as character references, everything else as it is.
QString EscapeAttribute(const QString& text);

// The text as a JavaScript string literal in double quotes, safe inside a script element of a
// page in any encoding: the backslash and the double quote escaped, and every character that
// could end the literal, the line or the script element, or that an encoding could not hold
// (control characters, "<", the line and paragraph separators, everything beyond ASCII)
// written as "\uXXXX".
QString JavaScriptString(const QString& text);
