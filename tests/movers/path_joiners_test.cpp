#include "movers/pages/path_joiners.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

using Module1::AddBackslash;
using Module1::AddSlash;

TEST(AddBackslash, EnsuresOneTrailingNativeSeparator) {
    EXPECT_EQ(AddBackslash(QStringLiteral("/srv/site")), QStringLiteral("/srv/site/"));
    EXPECT_EQ(AddBackslash(QStringLiteral("/srv/site/")), QStringLiteral("/srv/site/"));
    EXPECT_EQ(AddBackslash(QString()), QStringLiteral("/"));
    EXPECT_EQ(AddBackslash(QStringLiteral("/")), QStringLiteral("/"));
}

TEST(AddBackslash, FollowsTheWindowsRuleWithABackslash) {
    const QChar backslash = u'\\';
    EXPECT_EQ(AddBackslash(QStringLiteral("C:\\site"), backslash), QStringLiteral("C:\\site\\"));
    EXPECT_EQ(AddBackslash(QStringLiteral("C:\\"), backslash), QStringLiteral("C:\\"));
    EXPECT_EQ(AddBackslash(QString(), backslash), QStringLiteral("\\"));
    // Only the last character counts: a path ending in "/" still gets its backslash.
    EXPECT_EQ(AddBackslash(QStringLiteral("C:\\site/"), backslash), QStringLiteral("C:\\site/\\"));
}

TEST(AddSlash, AppendsASlashUnlessTheAddressEndsInASeparatorOrIsEmpty) {
    EXPECT_EQ(AddSlash(QString()), QString());
    EXPECT_EQ(AddSlash(QStringLiteral("http://new.example/")),
              QStringLiteral("http://new.example/"));
    EXPECT_EQ(AddSlash(QStringLiteral("c:\\newsite\\")), QStringLiteral("c:\\newsite\\"));
    EXPECT_EQ(AddSlash(QStringLiteral("c:\\newsite")), QStringLiteral("c:\\newsite/"));
    EXPECT_EQ(AddSlash(QStringLiteral("http://new.example/docs")),
              QStringLiteral("http://new.example/docs/"));
}
