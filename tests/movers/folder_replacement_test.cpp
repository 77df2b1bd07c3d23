#include "movers/files/folder_replacement.h"
#include "support/qstring_printer.h"

#include "folder_tree.h"
#include "unreadable_folder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

class FolderReplacementTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    FolderReplacement plan() const {
        return PlanFolderReplacement(OpenFolder::atPath(dir.path()), "out");
    }
    QTemporaryDir dir;
};

} // namespace

TEST_F(FolderReplacementTest, AFolderOfPlainFilesIsReplacedFileByFile) {
    WriteFile(path("out/b.htm"), "b");
    WriteFile(path("out/a.txt"), "a");
    WriteFile(path("out/.hidden"), "h");
    WriteRawNamedFile(path("out"), "caf\xE9.htm", "not UTF-8");
    const FolderReplacement replacement = plan();
    EXPECT_FALSE(replacement.refused());
    EXPECT_TRUE(replacement.folder.isOpen());
    EXPECT_EQ(replacement.fileNames, QByteArrayList({".hidden", "a.txt", "b.htm", "caf\xE9.htm"}));
}

TEST_F(FolderReplacementTest, AnEmptyFolderIsReplacedWithNothingToDelete) {
    QDir(dir.path()).mkdir("out");
    const FolderReplacement replacement = plan();
    EXPECT_FALSE(replacement.refused());
    EXPECT_TRUE(replacement.fileNames.isEmpty());
}

TEST_F(FolderReplacementTest, ALinkToAFolderIsRefused) {
    WriteFile(path("real/page.htm"), "x");
    ASSERT_TRUE(QFile::link(path("real"), path("out")));
    const FolderReplacement replacement = plan();
    EXPECT_EQ(replacement.refusal, QStringLiteral("it is a symbolic link"));
    EXPECT_FALSE(replacement.folder.isOpen());
    EXPECT_TRUE(replacement.fileNames.isEmpty());
}

TEST_F(FolderReplacementTest, AFileIsRefused) {
    WriteFile(path("out"), "x");
    EXPECT_EQ(plan().refusal, QStringLiteral("it is not a folder"));
}

TEST_F(FolderReplacementTest, AFolderHoldingASubfolderIsRefusedWithItsName) {
    WriteFile(path("out/a.htm"), "a");
    WriteFile(path("out/sub/page.htm"), "x");
    const FolderReplacement replacement = plan();
    EXPECT_EQ(replacement.refusal, QStringLiteral("it holds \"sub\", which is not a plain file"));
    EXPECT_TRUE(replacement.fileNames.isEmpty());
}

TEST_F(FolderReplacementTest, AFolderHoldingALinkIsRefused) {
    WriteFile(path("elsewhere.htm"), "x");
    ASSERT_TRUE(QDir(dir.path()).mkdir("out"));
    ASSERT_TRUE(QFile::link(path("elsewhere.htm"), path("out/link.htm")));
    EXPECT_EQ(plan().refusal, QStringLiteral("it holds \"link.htm\", which is not a plain file"));
}

TEST_F(FolderReplacementTest, AFolderThatCannotBeReadIsRefused) {
    const UnreadableFolder unreadable;
    const FolderReplacement replacement =
        PlanFolderReplacement(OpenFolder::atPath(unreadable.process()), "net");
    EXPECT_EQ(replacement.refusal, QStringLiteral("it cannot be read"));
    EXPECT_TRUE(replacement.fileNames.isEmpty());
}
