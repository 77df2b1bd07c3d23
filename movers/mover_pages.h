#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// What a mover page is made of: the old page's title, the delay before a redirect page
// loads the new address, and the page's new address.
struct PageFields {
    QString title;
    std::int16_t delay = 0;
    QString address;
};

// The one line of a redirect page, without its line end. Title and address are inserted
// unchanged.
QString RedirectPage(const PageFields& fields);

// The one line of a framed-forwarding page, without its line end: a frameset whose one
// frame, named "redirect", shows the new address. The delay is not used.
QString FramedForwardPage(const PageFields& fields);

// The bytes of a page file: the line and CR LF, in UTF-8; or, when the title came from a
// page that was read as Latin-1, in Latin-1 with every character Latin-1 cannot hold
// written as a numeric character reference ("&#" decimal code ";").
QByteArray PageFileBytes(const QString& line, bool latin1);
