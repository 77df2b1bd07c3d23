#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// What a mover page may carry besides its plain form.
struct PageExtras {
    // A script takes the visitor on to the new address with the query and the fragment of
    // the old one ("?a=1#part").
    bool keepQuery = false;
    // The head names the new address as the page's canonical address, for search engines.
    bool canonical = false;
};

// What a mover page is made of: the old page's title, the delay before a redirect page
// loads the new address, and the page's new address; and what it carries besides.
struct PageFields {
    QString title;
    std::int16_t delay = 0;
    QString address;
    PageExtras extras = {};
};

// The one line of a redirect page, without its line end. Title and address are inserted
// unchanged. With `keepQuery` a script in the head replaces the location, after the delay,
// with the new address followed by the visitor's query and fragment, and the refresh stands
// in a "noscript" element, so it takes over only where scripts do not run (two navigations
// racing could lose the query).
QString RedirectPage(const PageFields& fields);

// The one line of a framed-forwarding page, without its line end: a frameset whose one
// frame, named "redirect", shows the new address. The delay is not used. With `keepQuery` a
// script gives the frame the new address followed by the visitor's query and fragment, once
// the page is parsed; without scripts the frame shows the new address alone.
QString FramedForwardPage(const PageFields& fields);

// The bytes of a page file: the line and CR LF, in UTF-8; or, when the title came from a
// page that was read as Latin-1, in Latin-1 with every character Latin-1 cannot hold
// written as a numeric character reference ("&#" decimal code ";").
QByteArray PageFileBytes(const QString& line, bool latin1);
