#pragma once

#include <QString>

// A page's name as it stands in a web address: every character that cannot stand raw in an
// address path ("%", "#", "?", the double quote, "<", ">", "\", the control characters and
// DEL) written as "%" and two upper-case hex digits for each of its UTF-8 bytes. Blanks and
// letters beyond ASCII stay as they are.
QString EncodePageName(const QString& name);

// The page's new address: the new address with a trailing separator ensured (AddSlash),
// followed by the encoded page name. The new address itself is used as given.
QString PageAddress(const QString& newAddress, const QString& pageName);
