#include "folder_tree.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <unistd.h>

namespace {

const QDir::Filters kEverything =
    QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;

} // namespace

FolderTree ReadFolderTree(const QString& root) {
    FolderTree tree;
    const QDir base(root);
    QDirIterator it(root, kEverything, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry(it.next());
        const QString relative = base.relativeFilePath(entry.filePath());
        if (entry.isSymLink()) {
            tree[relative] = "<link> " + entry.symLinkTarget().toUtf8();
        } else if (entry.isDir()) {
            tree[relative] = "<folder>";
        } else {
            tree[relative] = ReadFile(entry.filePath());
        }
    }
    return tree;
}

FolderTree WithoutPart(FolderTree tree, const QString& part) {
    tree.removeIf([&part](const FolderTree::iterator entry) {
        return entry.key() == part || entry.key().startsWith(part + u'/');
    });
    return tree;
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

void WriteRawNamedFile(const QString& folder, const QByteArray& name, const QByteArray& bytes) {
    const QByteArray path = QFile::encodeName(folder) + '/' + name;
    const int file = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(file, 0) << path.toStdString();
    EXPECT_EQ(::write(file, bytes.constData(), size_t(bytes.size())), bytes.size());
    ::close(file);
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return "<unreadable>";
    }
    return file.readAll();
}

QStringList FolderEntries(const QString& folder) {
    return QDir(folder).entryList(kEverything, QDir::Name);
}
