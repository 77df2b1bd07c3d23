#include "movers/files/folder_reader.h"

#include "folder_tree.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <tuple>

#include <sys/stat.h>

// An entry's type as the folder tells it, and as the system tells it where the folder does not
// (DT_UNKNOWN): a link counts as what it points to only when links are followed.
TEST(FolderReader, TellsAnEntrysTypeWithLinksFollowedOrNot) {
    const QTemporaryDir folder;
    WriteFile(folder.filePath("file"), "x");
    ASSERT_TRUE(QDir(folder.path()).mkdir("folder"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder.filePath("fifo")).constData(), 0600), 0);
    for (const QString target : {"file", "folder", "gone"}) {
        ASSERT_TRUE(QFile::link(folder.filePath(target), folder.filePath(target + "-link")));
    }
    FolderReader reader(QFile::encodeName(folder.path()));
    QMap<QByteArray, dirent> entries;
    while (const dirent* entry = reader.next()) {
        entries.insert(entry->d_name, *entry);
    }
    // The entry, and its type with links followed and not.
    const std::tuple<const char*, EntryType, EntryType> cases[] = {
        {"file", EntryType::PlainFile, EntryType::PlainFile},
        {"folder", EntryType::Folder, EntryType::Folder},
        {"fifo", EntryType::Other, EntryType::Other},
        {"file-link", EntryType::PlainFile, EntryType::Other},
        {"folder-link", EntryType::Folder, EntryType::Other},
        {"gone-link", EntryType::Other, EntryType::Other},
    };
    for (const auto& [name, followed, notFollowed] : cases) {
        dirent entry = entries.value(name);
        for (const int told : {int(entry.d_type), int(DT_UNKNOWN)}) {
            entry.d_type = static_cast<unsigned char>(told);
            EXPECT_EQ(reader.typeOf(entry, Links::Followed), followed) << name << told;
            EXPECT_EQ(reader.typeOf(entry, Links::NotFollowed), notFollowed) << name << told;
        }
    }
}
