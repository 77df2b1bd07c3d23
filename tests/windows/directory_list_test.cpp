// The directory list on its own: what it shows of a folder, its path, and paths it cannot
// go to.
#include "support/qstring_printer.h"
#include "windows/directory_list.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int kLevelRole = Qt::UserRole + 1;

class DirectoryListTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(drive.isValid());
        for (const char* folder :
             {"site/beta", "site/Alpha", "site/gamma/inner", "site/.cache", "other"}) {
            ASSERT_TRUE(QDir(drive.path()).mkpath(QString::fromUtf8(folder)));
        }
    }

    QString at(const QString& below = {}) const {
        return QDir::cleanPath(drive.path() + u'/' + below);
    }

    QStringList shown() const {
        QStringList entries;
        for (int row = 0; row < list.count(); ++row) {
            entries << QStringLiteral("%1:%2")
                           .arg(list.item(row)->data(kLevelRole).toInt())
                           .arg(list.item(row)->text());
        }
        return entries;
    }

    QTemporaryDir drive;
    Drives drives{
        {{QStringLiteral("/"), QStringLiteral("system")}, {drive.path(), QStringLiteral("SITES")}}};
    DirectoryList list{drives, nullptr};
};

} // namespace

TEST_F(DirectoryListTest, ShowsTheChainFromTheDrivesRootThenTheSubfoldersSortedWithoutCase) {
    ASSERT_TRUE(list.setPath(at(QStringLiteral("site"))));

    EXPECT_EQ(shown(),
              QStringList({"0:" + drive.path(), "1:site", "2:Alpha", "2:beta", "2:gamma"}));
    EXPECT_EQ(list.currentRow(), 1) << "the current folder is the highlighted entry";
}

TEST_F(DirectoryListTest, ReadsItsPathWithoutATrailingSeparatorExceptAtTheRoot) {
    ASSERT_TRUE(list.setPath(at(QStringLiteral("site")) + QStringLiteral("/")));
    EXPECT_EQ(list.path(), at(QStringLiteral("site")));

    ASSERT_TRUE(list.setPath(QStringLiteral("/")));
    EXPECT_EQ(list.path(), QStringLiteral("/"));
    EXPECT_EQ(list.item(0)->text(), QStringLiteral("/"));

    ASSERT_TRUE(list.setPath(at(QStringLiteral("site/gamma/../beta"))));
    EXPECT_EQ(list.path(), at(QStringLiteral("site/beta")));
}

TEST_F(DirectoryListTest, TakesARelativePathFromTheWorkingFolder) {
    ASSERT_TRUE(list.setPath(QStringLiteral(".")));
    EXPECT_EQ(list.path(), QDir::currentPath());
}

TEST_F(DirectoryListTest, AFolderThatCannotBeReadFailsAndLeavesTheListWhereItWas) {
    ASSERT_TRUE(list.setPath(at(QStringLiteral("site"))));
    const QStringList before = shown();
    QFile plainFile(at(QStringLiteral("site/page.htm")));
    ASSERT_TRUE(plainFile.open(QIODevice::WriteOnly));
    plainFile.close();

    EXPECT_FALSE(list.setPath(at(QStringLiteral("missing"))));
    EXPECT_FALSE(list.setPath(plainFile.fileName()));

    EXPECT_EQ(list.path(), at(QStringLiteral("site")));
    EXPECT_EQ(shown(), before);
}

TEST_F(DirectoryListTest, ADesignationGoesToTheFolderLastShownOnThatDriveElseItsRoot) {
    const QString designation = drive.path() + QStringLiteral(" [SITES]");

    ASSERT_TRUE(list.setPath(designation));
    EXPECT_EQ(list.path(), drive.path());

    ASSERT_TRUE(list.setPath(at(QStringLiteral("site/gamma"))));
    ASSERT_TRUE(list.setPath(QStringLiteral("/ [system]")));
    EXPECT_EQ(list.path(), QStringLiteral("/"));
    ASSERT_TRUE(list.setPath(designation));
    EXPECT_EQ(list.path(), at(QStringLiteral("site/gamma")));
}

TEST_F(DirectoryListTest, OpeningAChainEntryGoesBackUp) {
    ASSERT_TRUE(list.setPath(at(QStringLiteral("site/gamma/inner"))));
    list.setCurrentRow(1);

    QTest::keyClick(&list, Qt::Key_Enter);

    EXPECT_EQ(list.path(), at(QStringLiteral("site")));
}
