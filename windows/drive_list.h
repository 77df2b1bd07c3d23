#pragma once

#include "windows/drives.h"

#include <QComboBox>

// The folder picker's drive list: one entry per drive, shown by its designation. Its
// currentIndexChanged signal tells of every change of the current drive, also when the
// program sets it. Screen readers are told its accessible name as its name and the current
// drive as its value.
class DriveList final : public QComboBox {
    Q_OBJECT

public:
    DriveList(const Drives& drives, QWidget* parent);

    // The current drive's designation.
    QString Drive() const;
    // Makes the drive that holds `path` current; a path on no drive changes nothing.
    void setDrive(const QString& path);

private:
    const Drives drives;
};
