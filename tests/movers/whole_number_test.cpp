#include "movers/pages/whole_number.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

using Module1::IsWholeNumber;
using Module1::ParseDelay;
using Module1::ParseNumber;

TEST(IsWholeNumber, AcceptsWholeNumbersInEveryAcceptedForm) {
    for (const char* text : {"12", "-3", "2.0", "1e3", " 7 ", "+4", "40000", "100000", "3.0", "0",
                             "-0", ".0", "5.", "2E+2", "\t8\t", "1.5e1"}) {
        EXPECT_TRUE(IsWholeNumber(QString::fromLatin1(text))) << text;
    }
}

TEST(IsWholeNumber, RefusesFractionsAndTextsThatAreNoNumber) {
    for (const char* text : {"2.5", "-0.5", "3.5", "abc",   "12abc", "",      " ",   "0x1A",
                             "inf", "-inf", "nan", "1,000", "1 000", ".",     "-",   "e3",
                             "1e",  "1e+",  "--1", "1e400", "1.2.3", "1e3.5", "1e-1"}) {
        EXPECT_FALSE(IsWholeNumber(QString::fromLatin1(text))) << text;
    }
}

TEST(ParseNumber, EveryAcceptedTextConverts) {
    EXPECT_EQ(ParseNumber(QStringLiteral(" 7 ")), 7.0);
    EXPECT_EQ(ParseNumber(QStringLiteral("1e3")), 1000.0);
    EXPECT_EQ(ParseNumber(QStringLiteral(".25")), 0.25);
    EXPECT_EQ(ParseNumber(QStringLiteral("-2.0")), -2.0);
    EXPECT_FALSE(ParseNumber(QStringLiteral("1e999")).has_value());
}

TEST(ParseDelay, GivesWholeSecondsFromZeroTo32767) {
    EXPECT_EQ(ParseDelay(QStringLiteral("10")), 10);
    EXPECT_EQ(ParseDelay(QStringLiteral("0")), 0);
    EXPECT_EQ(ParseDelay(QStringLiteral("2.0")), 2);
    EXPECT_EQ(ParseDelay(QStringLiteral(" 7 ")), 7);
    EXPECT_EQ(ParseDelay(QStringLiteral("1e3")), 1000);
    EXPECT_EQ(ParseDelay(QStringLiteral("32767")), 32767);
}

TEST(ParseDelay, RefusesNegativeOutOfRangeAndFractionalDelays) {
    for (const char* text : {"-5", "-1", "32768", "40000", "2.5", "", "abc", "-32768"}) {
        EXPECT_FALSE(ParseDelay(QString::fromLatin1(text)).has_value()) << text;
    }
}
