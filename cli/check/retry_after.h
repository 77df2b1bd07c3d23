#pragma once

#include <QByteArrayView>
#include <QDateTime>

#include <optional>

// How long a server that answered 429 (Too Many Requests) or 503 (Service Unavailable) asks to
// be left alone, from its Retry-After header: whole seconds in ASCII digits, or an HTTP date
// ("Wed, 21 Oct 2015 07:28:00 GMT"), counted from `now`; a date gone by is no wait. None when
// the header is empty or neither.
std::optional<qint64> RetryAfterMs(QByteArrayView header, const QDateTime& now);
