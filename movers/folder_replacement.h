#pragma once

#include "movers/open_folder.h"

#include <QByteArrayList>
#include <QString>

// What replacing an existing output folder would delete. A folder is replaced only when it
// is a real folder, not a link, and holds nothing but plain files. The folder is held open
// from the moment it is checked, so its files are deleted from the folder that was checked
// whatever is put in its place meanwhile.
struct FolderReplacement {
    QString refusal;          // why the folder cannot be replaced; empty when it can
    OpenFolder folder;        // the folder, open, when it can
    QByteArrayList fileNames; // the names of the plain files to delete, in byte order

    bool refused() const { return !refusal.isEmpty(); }
};

// The replacement of the folder `name` in the open folder `parent`.
FolderReplacement PlanFolderReplacement(const OpenFolder& parent, const QByteArray& name);
