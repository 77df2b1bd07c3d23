#pragma once

#include <QString>
#include <QStringList>

// What replacing an existing output folder would delete. A folder is replaced only when it
// is a real folder, not a link, and holds nothing but plain files.
struct FolderReplacement {
    QString refusal;       // why the folder cannot be replaced; empty when it can
    QStringList filePaths; // the plain files to delete, when it can

    bool refused() const { return !refusal.isEmpty(); }
};

FolderReplacement PlanFolderReplacement(const QString& folder);
