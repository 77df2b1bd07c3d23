#include "windows/drive_list.h"

DriveList::DriveList(const Drives& drives, QWidget* parent) : QComboBox(parent), drives(drives) {
    for (const Volume& drive : drives.list()) {
        addItem(Drives::designation(drive));
    }
}

QString DriveList::Drive() const {
    return currentText();
}

void DriveList::setDrive(const QString& path) {
    const qsizetype drive = drives.indexOfPath(path);
    if (drive >= 0) {
        setCurrentIndex(static_cast<int>(drive));
    }
}
