#include "folder_tree.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

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
