// The wait a server asks for in its Retry-After header.
#include "cli/check/retry_after.h"

#include <gtest/gtest.h>

#include <limits>

TEST(RetryAfter, TakesSecondsOrAnHttpDate) {
    const QDateTime now(QDate(2026, 12, 9), QTime(18, 0), Qt::UTC);
    constexpr qint64 kLongest = std::numeric_limits<qint64>::max() / 1000 * 1000;
    // The header, and the wait in milliseconds (none: -1).
    const std::pair<const char*, qint64> cases[] = {
        {"120", 120000},
        {" 0 ", 0},
        {"99999999999999999999", kLongest},
        {"Wed, 09 Dec 2026 18:00:10 GMT", 10000},
        {"Tue, 08 Dec 2026 18:00:00 GMT", 0},
        {"", -1},
        {"-5", -1},
        {"1.5", -1},
        {"soon", -1},
        {"Wed, 09 Dec 2026 18:00:10 +0100", -1},
    };
    for (const auto& [header, wait] : cases) {
        EXPECT_EQ(RetryAfterMs(header, now).value_or(-1), wait) << header;
    }
}
