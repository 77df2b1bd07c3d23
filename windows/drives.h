#pragma once

#include "platform/volume_list.h"

#include <QList>
#include <QString>

// The absolute, clean form of a folder path: a relative path starts at the working folder,
// and no trailing separator is left except at the root.
QString absoluteFolderPath(const QString& path);

// The drives the folder picker offers: volumes in order of their mount points.
class Drives {
public:
    explicit Drives(const QList<Volume>& volumes);

    const QList<Volume>& list() const { return drives; }

    // The drive that holds `path`: the one whose mount point is the longest leading part
    // of the path's absolute form; -1 when none does.
    qsizetype indexOfPath(const QString& path) const;
    // The drive whose designation `text` is; -1 when it is none.
    qsizetype indexOfDesignation(const QString& text) const;

    // The text a drive is shown and named by: its mount point, then its label or device
    // name in square brackets.
    static QString designation(const Volume& drive);

private:
    QList<Volume> drives;
};
