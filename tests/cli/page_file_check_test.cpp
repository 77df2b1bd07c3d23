// Where a page's file is when the new address names a place on this computer.
#include "cli/check/page_file_check.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

TEST(PageFile, IsTheFolderPathAndTheRawNameOrTheFileAddressDecoded) {
    struct Case {
        QString address;
        QString relativePath;
        bool web;
        QString file; // for a place on this computer
    };
    const Case cases[] = {
        {"http://new.example/", "a.htm", true, {}},
        {"HTTPS://new.example", "a.htm", true, {}},
        {"/srv/new", "50%#off.htm", false, "/srv/new/50%#off.htm"},
        {"/srv/new/", "docs/Über uns.htm", false, "/srv/new/docs/Über uns.htm"},
        {"new", "a.htm", false, "new/a.htm"},
        {"file:///srv/my%20site", "50%#off.htm", false, "/srv/my site/50%#off.htm"},
        {"File:///srv/new/", "docs/Über uns.htm", false, "/srv/new/docs/Über uns.htm"},
        {"file://localhost/srv/my%20site/", "a.htm", false, "/srv/my site/a.htm"},
        {"file://LocalHost/srv/new", "docs/b.htm", false, "/srv/new/docs/b.htm"},
        {"file://server/srv/new/", "a.htm", false, "//server/srv/new/a.htm"},
        {"ftp://new.example/", "a.htm", false, "ftp://new.example/a.htm"},
        {"C:\\new\\", "a.htm", false, "C:\\new\\a.htm"},
    };
    for (const Case& expected : cases) {
        SCOPED_TRACE((expected.address + u' ' + expected.relativePath).toStdString());
        EXPECT_EQ(IsWebAddress(expected.address), expected.web);
        if (!expected.web) {
            EXPECT_EQ(PageFile(expected.address, expected.relativePath), expected.file);
        }
    }
}
