#pragma once

#include <QString>
#include <QUrl>

// A page's name as it stands in a web address: every character that cannot stand raw in an
// address path ("%", "#", "?", the double quote, "<", ">", "\", the control characters, DEL
// and every character beyond ASCII) written as "%" and two upper-case hex digits for each of
// its UTF-8 bytes ("Über uns.htm" gives "%C3%9Cber%20uns.htm"). The pages name no charset,
// so a browser reads their bytes in whatever encoding it guesses: raw UTF-8 in the address
// would be read as other letters and lead to a page that does not exist. The blank is encoded
// too: browsers and servers trim one at the end of an address ("x.htm " would lead to "x.htm"),
// and a Location header cannot hold one. The other ASCII characters stay as they are.
QString EncodePageName(const QString& name);

// A page's path relative to the site folder ("docs/deep/page.htm", or a page name alone) as it
// stands in a web address: each folder and file name encoded by EncodePageName, joined by "/".
QString EncodeRelativePath(const QString& relativePath);

// The new address as every page's address begins: with a trailing separator ensured
// (AddSlash) and its blanks written "%20"; otherwise as given.
QString AddressBase(const QString& newAddress);

// The page's new address: AddressBase followed by the encoded relative path of the page.
QString PageAddress(const QString& newAddress, const QString& relativePath);

// The address at which a browser asks the old site for a path: `oldSite`, a full address, with
// the path `oldPath` (decoded, from "/"), as a browser sends it: the host in ASCII, every
// character that cannot stand in an address percent-encoded.
QUrl OldPageAddress(const QString& oldSite, const QString& oldPath);
