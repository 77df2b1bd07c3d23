#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>

// A refresh that a page's head declares, as "<meta http-equiv="refresh" content="N;URL=...">".
struct PageRefresh {
    int seconds = 0; // before the page moves on, whole seconds (a fraction is dropped)
    QString url;     // as the page writes it, character references decoded; empty: the page itself
};

// The first refresh of a page's head (the bytes up to "</head>" or "<body"), read as a browser
// reads it: tag and attribute names in any case, values in double quotes, single quotes or
// none, the text of title, script, style and textarea elements and of comments passed over (a
// "<meta" there is no tag), a refresh inside "noscript" taken as browsers without scripts take
// it; the content read as HTML's declarative refresh: the seconds, then ";" or ",", then the
// address, after "URL=" or not, in quotes of its own or not. The text is UTF-8 where the page is
// valid UTF-8 up to the refresh, else Latin-1, as the program's own pages are written. None when
// the head declares no refresh whose content a browser would take.
std::optional<PageRefresh> FindRefresh(QByteArrayView page);
