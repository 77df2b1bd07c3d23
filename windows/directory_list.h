#pragma once

#include "windows/drives.h"

#include <QHash>
#include <QListWidget>
#include <QStyle>

// The folder picker's directory list: the chain of folders from the drive's root down to
// the current folder, indented, then the current folder's subfolders (hidden ones left
// out), sorted without regard to case. A double-click or Enter opens a folder and makes it
// current; a single click only highlights it.
class DirectoryList final : public QListWidget {
    Q_OBJECT

public:
    DirectoryList(const Drives& drives, QWidget* parent);

    // The current folder, without a trailing separator except at the root.
    QString path() const { return currentFolder; }
    // Makes a folder current. `text` is a folder path, or a drive designation, which stands
    // for that drive's current folder: the last folder this list showed on it, else its
    // root; should that folder be gone, its nearest parent that can be read. Returns false,
    // leaving the list as it was, when the folder (or, for a drive, not even its root) cannot
    // be read.
    bool setPath(const QString& text);

signals:
    // The list shows another folder, opened by the user or set by the program.
    void pathChanged(const QString& folder);
    // The user opened a folder that cannot be read; the list stayed where it was.
    void folderUnreadable(const QString& folder);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool showFolder(const QString& folder);
    bool showDriveFolder(const QString& root);
    void openFolder(const QListWidgetItem* entry);
    void addEntry(const QString& text, const QString& folder, int level,
                  QStyle::StandardPixmap icon);

    const Drives drives;
    QString currentFolder;
    QHash<QString, QString> folderOnDrive; // mount point -> the last folder shown on it
};
