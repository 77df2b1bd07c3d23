#pragma once

#include "platform/volume_list.h"

#include <QTemporaryDir>

// Drives made of temporary folders, offered to the folder picker in place of the mounted
// volumes for as long as this object lives: "/" (the machine's root, which holds the
// working folder), two drives "first" and "second", and an "offline" drive whose folder
// does not exist, like a drive without its medium.
class TemporaryDrives final : public VolumeList {
public:
    TemporaryDrives();
    ~TemporaryDrives() override;
    TemporaryDrives(const TemporaryDrives&) = delete;
    TemporaryDrives& operator=(const TemporaryDrives&) = delete;

    QList<Volume> volumes() const override;

    // A path on a drive: its mount point, or a folder below it (made when `make` is set).
    QString first(const QString& below = {}, bool make = true) const;
    QString second(const QString& below = {}, bool make = true) const;
    QString offline() const;
    // The folder on "/" that holds the mount points of the drives above.
    QString mountFolder() const { return folders.path(); }

    static QString rootDesignation();
    QString firstDesignation() const;
    QString secondDesignation() const;
    QString offlineDesignation() const;

private:
    QString onDrive(const QString& drive, const QString& below, bool make) const;

    QTemporaryDir folders;
};
