#include "movers/files/file_error.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace {

int numberFor(int error) {
    return FileError::fromSystem(std::error_code(error, std::generic_category())).number;
}

} // namespace

TEST(FileError, ReadsAsErrorNumberAndDescription) {
    EXPECT_EQ(FileError::fromNumber(61).message(), QStringLiteral("Error 61: Disk full"));
    EXPECT_EQ(FileError::fromNumber(75).message(),
              QStringLiteral("Error 75: Path/File access error"));
}

TEST(FileError, CataloguesEveryNumberTheProgramReports) {
    const std::pair<int, const char*> catalogue[] = {
        {53, "File not found"}, {57, "Device I/O error"},  {61, "Disk full"},
        {67, "Too many files"}, {70, "Permission denied"}, {75, "Path/File access error"},
        {76, "Path not found"},
    };
    for (const auto& [number, description] : catalogue) {
        EXPECT_EQ(FileError::fromNumber(number),
                  (FileError{number, QString::fromLatin1(description)}));
    }
}

TEST(FileError, MapsSystemFailuresOntoTheCatalogue) {
    EXPECT_EQ(numberFor(EEXIST), 75);
    EXPECT_EQ(numberFor(EISDIR), 75);
    EXPECT_EQ(numberFor(ENOTEMPTY), 75);
    EXPECT_EQ(numberFor(ENOENT), 76);
    EXPECT_EQ(numberFor(ENOTDIR), 76);
    EXPECT_EQ(numberFor(ENAMETOOLONG), 76);
    EXPECT_EQ(numberFor(EACCES), 70);
    EXPECT_EQ(numberFor(EPERM), 70);
    EXPECT_EQ(numberFor(EROFS), 70);
    EXPECT_EQ(numberFor(ENOSPC), 61);
    EXPECT_EQ(numberFor(EDQUOT), 61);
    EXPECT_EQ(numberFor(EMFILE), 67);
    EXPECT_EQ(numberFor(ENFILE), 67);
    EXPECT_EQ(numberFor(EIO), 57);
}

TEST(FileError, ReportsAnUnknownFailureAsADeviceError) {
    EXPECT_EQ(numberFor(0), 57);
    EXPECT_EQ(numberFor(EPROTO), 57);
    EXPECT_EQ(FileError::fromSystem(std::error_code(1, std::system_category())).number, 70);
}
