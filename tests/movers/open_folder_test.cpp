#include "movers/open_folder.h"
#include "support/qstring_printer.h"

#include "folder_tree.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

TEST(OpenFolder, ASubfolderIsOpenedOnlyWhenItIsAFolderAndNeverThroughALink) {
    const QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("real")));
    WriteFile(dir.filePath(QStringLiteral("file")), "x");
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("real")), dir.filePath("link")));
    const OpenFolder site = OpenFolder::atPath(dir.path());
    const OpenFolder file = OpenFolder::atPath(dir.filePath(QStringLiteral("file")));
    ASSERT_TRUE(site.isOpen());
    EXPECT_TRUE(site.subfolder("real").isOpen());
    EXPECT_TRUE(OpenFolder::atPath(dir.filePath(QStringLiteral("link"))).isOpen());

    const std::tuple<const OpenFolder&, QByteArray, int> refused[] = {
        {site, "link", 75},    // a link is never followed
        {site, "file", 75},    // nor is a file taken for a folder
        {site, "missing", 76}, // and a folder that is not there is not found
        {file, "real", 76},    // a folder that is not open passes its failure on
    };
    for (const auto& [parent, name, number] : refused) {
        const OpenFolder subfolder = parent.subfolder(name);
        EXPECT_FALSE(subfolder.isOpen()) << name.toStdString();
        EXPECT_EQ(subfolder.failure(), FileError::fromNumber(number)) << name.toStdString();
    }
}
