#include "movers/files/disk_files.h"
#include "movers/files/unnamed_file.h"
#include "support/qstring_printer.h"

#include "folder_tree.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <tuple>

namespace {

class DiskFilesTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    OpenFolder openFolder(const QString& name) const { return OpenFolder::atPath(path(name)); }

    std::optional<FileError> error(int number) const { return FileError::fromNumber(number); }
    // A file without a name, made ahead as a run makes its pages' files, or none.
    Descriptor preparedIf(bool prepared) const {
        return prepared ? CreateUnnamedFile(folder.descriptor()) : Descriptor();
    }

    QTemporaryDir dir;
    const OpenFolder folder = OpenFolder::atPath(dir.path());
    DiskFiles files;
};

const QByteArray kTooLongName = QByteArray(300, 'n') + ".htm";

} // namespace

// Once, not where a file is (75, the file kept), nor on a missing or unusable path (76).
TEST_F(DiskFilesTest, CreatesAFolderOnceAndOnlyWhereItCan) {
    EXPECT_EQ(files.createFolder(folder, "out"), std::nullopt);
    EXPECT_TRUE(QFileInfo(path("out")).isDir());
    EXPECT_EQ(files.createFolder(folder, "out"), error(75));
    WriteFile(path("taken"), "keep");
    EXPECT_EQ(files.createFolder(folder, "taken"), error(75));
    EXPECT_EQ(ReadFile(path("taken")), QByteArray("keep"));
    EXPECT_EQ(files.createFolder(openFolder("missing"), "out"), error(76));
    WriteFile(path("file"), "x");
    EXPECT_EQ(files.createFolder(openFolder("file"), "out"), error(76));
    EXPECT_EQ(files.createFolder(folder, kTooLongName), error(76));
}

// Written the ordinary way, then prepared without a name: a name that is taken is replaced
// all the same, though a file without a name cannot be linked over it.
TEST_F(DiskFilesTest, APageTakesItsNameOnlyOnceItIsComplete) {
    WriteFile(path("page.htm"), "an older and longer text");
    WriteFile(path("elsewhere.htm"), "kept");
    ASSERT_TRUE(QFile::link(path("elsewhere.htm"), path("link.htm")));
    for (const bool prepared : {false, true}) {
        const QByteArray bytes = prepared ? "prepared\r\n" : "new\r\n";
        for (const char* name : {"page.htm", "link.htm", prepared ? "fresh.htm" : "new.htm"}) {
            ASSERT_EQ(files.openPageFile(folder, name, preparedIf(prepared)), std::nullopt);
            ASSERT_EQ(files.writePageFile(bytes), std::nullopt);
            EXPECT_NE(ReadFile(path(name)), bytes) << name;
            ASSERT_EQ(files.closePageFile(), std::nullopt);
            EXPECT_EQ(ReadFile(path(name)), bytes) << name;
        }
    }
    EXPECT_FALSE(QFileInfo(path("link.htm")).isSymLink());
    EXPECT_EQ(ReadFile(path("elsewhere.htm")), QByteArray("kept"));
    EXPECT_EQ(FolderEntries(dir.path()),
              QStringList({"elsewhere.htm", "fresh.htm", "link.htm", "new.htm", "page.htm"}));
}

TEST_F(DiskFilesTest, APageThatCannotBeFinishedLeavesNothingBehind) {
    QDir(dir.path()).mkdir("folder.htm");
    const OpenFolder missing = openFolder("missing");
    const std::tuple<const OpenFolder&, QByteArray, int> cases[] = {
        {missing, "page.htm", 76},  // fails at the start
        {folder, kTooLongName, 76}, // fails at the end
        {folder, "folder.htm", 75}, // fails at the end
    };
    for (const bool prepared : {false, true}) {
        for (const auto& [pageFolder, name, number] : cases) {
            std::optional<FileError> failure =
                files.openPageFile(pageFolder, name, preparedIf(prepared));
            if (!failure) {
                ASSERT_EQ(files.writePageFile("x"), std::nullopt);
                failure = files.closePageFile();
            }
            EXPECT_EQ(failure, error(number)) << name.toStdString();
        }
    }
    EXPECT_EQ(FolderEntries(dir.path()), QStringList({"folder.htm"}));
    EXPECT_TRUE(FolderEntries(path("folder.htm")).isEmpty());
}

TEST_F(DiskFilesTest, WritingWithoutAStartedPageFailsWith75AndClosingIsHarmless) {
    EXPECT_EQ(files.writePageFile("x"), error(75));
    EXPECT_EQ(files.openPageFile(openFolder("missing"), "page.htm", {}), error(76));
    EXPECT_EQ(files.writePageFile("x"), error(75));
    EXPECT_EQ(files.closePageFile(), std::nullopt);
}

TEST_F(DiskFilesTest, ADroppedPageLeavesNothingBehind) {
    ASSERT_EQ(files.openPageFile(folder, "a.htm", {}), std::nullopt);
    ASSERT_EQ(files.writePageFile("a"), std::nullopt);
    ASSERT_EQ(files.openPageFile(folder, "b.htm", {}), std::nullopt); // drops a.htm
    ASSERT_EQ(files.writePageFile("b"), std::nullopt);
    files.discardPageFile();
    EXPECT_EQ(files.closePageFile(), std::nullopt);
    EXPECT_TRUE(FolderEntries(dir.path()).isEmpty());
}

TEST_F(DiskFilesTest, RemovesAFileOrALinkReporting53WhenItIsGone) {
    WriteFile(path("old.htm"), "x");
    EXPECT_EQ(files.removeFile(folder, "old.htm"), std::nullopt);
    EXPECT_FALSE(QFileInfo::exists(path("old.htm")));
    EXPECT_EQ(files.removeFile(folder, "old.htm"), error(53));
    // A link, but not what it points to; never a folder.
    WriteFile(path("target.htm"), "kept");
    ASSERT_TRUE(QFile::link(path("target.htm"), path("link.htm")));
    EXPECT_EQ(files.removeFile(folder, "link.htm"), std::nullopt);
    EXPECT_FALSE(QFileInfo(path("link.htm")).isSymLink());
    EXPECT_EQ(ReadFile(path("target.htm")), QByteArray("kept"));
    QDir(dir.path()).mkdir("empty");
    EXPECT_EQ(files.removeFile(folder, "empty"), error(75));
    EXPECT_TRUE(QFileInfo(path("empty")).isDir());
}

TEST_F(DiskFilesTest, RemovesOnlyAnEmptyFolderAndNeverAFileOrALink) {
    WriteFile(path("full/page.htm"), "x");
    EXPECT_EQ(files.removeFolder(folder, "full"), error(75));
    EXPECT_EQ(ReadFile(path("full/page.htm")), QByteArray("x"));
    QDir(dir.path()).mkdir("empty");
    EXPECT_EQ(files.removeFolder(folder, "empty"), std::nullopt);
    EXPECT_FALSE(QFileInfo::exists(path("empty")));
    EXPECT_EQ(files.removeFolder(folder, "empty"), error(76));
    // Never a file or a link.
    WriteFile(path("file"), "kept");
    EXPECT_EQ(files.removeFolder(folder, "file"), error(75));
    EXPECT_EQ(ReadFile(path("file")), QByteArray("kept"));
    QDir(dir.path()).mkdir("real");
    ASSERT_TRUE(QFile::link(path("real"), path("link")));
    EXPECT_EQ(files.removeFolder(folder, "link"), error(75));
    EXPECT_TRUE(QFileInfo(path("link")).isSymLink());
}
