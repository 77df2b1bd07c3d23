#include "windows/directory_list.h"

#include "windows/indented_item_delegate.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>

namespace {

constexpr int kFolderRole = Qt::UserRole;

bool isReadableFolder(const QString& folder) {
    const QFileInfo info(folder);
    return info.isDir() && info.isReadable() && info.isExecutable();
}

} // namespace

DirectoryList::DirectoryList(const Drives& drives, QWidget* parent)
    : QListWidget(parent), drives(drives) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setItemDelegate(new IndentedItemDelegate(this));
    connect(this, &QListWidget::itemDoubleClicked, this, &DirectoryList::openFolder);
}

bool DirectoryList::setPath(const QString& text) {
    const qsizetype designated = drives.indexOfDesignation(text);
    if (designated < 0) {
        return showFolder(absoluteFolderPath(text));
    }
    return showDriveFolder(drives.list()[designated].mountPoint);
}

// The folder last shown on the drive of this mount point, or its nearest parent that can
// still be read, up to the root: a folder deleted meanwhile does not lock the drive out.
bool DirectoryList::showDriveFolder(const QString& root) {
    QString folder = folderOnDrive.value(root, root);
    while (!showFolder(folder)) {
        if (folder.size() <= root.size()) {
            return false;
        }
        folder = QFileInfo(folder).path();
    }
    return true;
}

void DirectoryList::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        openFolder(currentItem());
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

bool DirectoryList::showFolder(const QString& folder) {
    const qsizetype drive = drives.indexOfPath(folder);
    if (drive < 0 || !isReadableFolder(folder)) {
        return false;
    }
    const QString root = drives.list()[drive].mountPoint;
    const QStringList subfolders =
        QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);

    clear();
    addEntry(root, root, 0, QStyle::SP_DirOpenIcon);
    int level = 0;
    QString chained = root;
    const QString below = QDir(root).relativeFilePath(folder);
    for (const QString& name : below.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (name != QStringLiteral(".")) {
            chained = QDir(chained).filePath(name);
            addEntry(name, chained, ++level, QStyle::SP_DirOpenIcon);
        }
    }
    setCurrentRow(level);
    for (const QString& name : subfolders) {
        addEntry(name, QDir(folder).filePath(name), level + 1, QStyle::SP_DirClosedIcon);
    }
    currentFolder = folder;
    folderOnDrive.insert(root, folder);
    emit pathChanged(folder);
    return true;
}

void DirectoryList::openFolder(const QListWidgetItem* entry) {
    if (entry == nullptr) {
        return;
    }
    const QString folder = entry->data(kFolderRole).toString();
    if (!showFolder(folder)) {
        emit folderUnreadable(folder);
    }
}

void DirectoryList::addEntry(const QString& text, const QString& folder, int level,
                             QStyle::StandardPixmap icon) {
    auto* entry = new QListWidgetItem(style()->standardIcon(icon), text, this);
    entry->setData(kFolderRole, folder);
    entry->setData(IndentedItemDelegate::kLevelRole, level);
}
