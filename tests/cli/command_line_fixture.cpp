#include "command_line_fixture.h"

#include <QDir>

void CommandLineTest::SetUp() {
    ASSERT_TRUE(root.isValid());
    ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("site")));
    ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("home")));
}

void CommandLineTest::TearDown() {
    EXPECT_EQ(FolderEntries(rootPath(QStringLiteral("home"))), QStringList());
}

QString CommandLineTest::sitePath(const QString& name) const {
    return rootPath(name.isEmpty() ? QStringLiteral("site") : QStringLiteral("site/") + name);
}

void CommandLineTest::writeSitePage(const QString& name, const QByteArray& bytes) {
    WriteFile(sitePath(name), bytes);
}

ProgramResult CommandLineTest::zandrift(const QStringList& arguments) const {
    return RunZandrift(arguments, rootPath(QStringLiteral("home")));
}

ProgramResult CommandLineTest::movers(const QStringList& more) const {
    return zandrift(QStringList{QStringLiteral("--movers"), QStringLiteral("--address"),
                                QStringLiteral("http://new.example/"), QStringLiteral("--delay"),
                                QStringLiteral("3"), sitePath()} +
                    more);
}

ProgramResult CommandLineTest::frames(const QStringList& more) const {
    return zandrift(QStringList{QStringLiteral("--frames"), QStringLiteral("--address"),
                                QStringLiteral("http://new.example/"), sitePath()} +
                    more);
}
