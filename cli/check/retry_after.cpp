#include "cli/check/retry_after.h"

#include <QLocale>

#include <algorithm>
#include <limits>

std::optional<qint64> RetryAfterMs(QByteArrayView header, const QDateTime& now) {
    const QByteArrayView value = header.trimmed();
    if (value.isEmpty()) {
        return std::nullopt;
    }
    if (std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        constexpr qint64 kLongest = std::numeric_limits<qint64>::max() / 1000;
        bool fits = false;
        const qint64 seconds = value.toLongLong(&fits);
        return (fits ? std::min(seconds, kLongest) : kLongest) * 1000;
    }
    QDateTime date = QLocale::c().toDateTime(QString::fromLatin1(value),
                                             QStringLiteral("ddd, dd MMM yyyy hh:mm:ss 'GMT'"));
    if (!date.isValid()) {
        return std::nullopt;
    }
    date.setOffsetFromUtc(0); // the date is GMT
    return std::max<qint64>(0, now.msecsTo(date));
}
