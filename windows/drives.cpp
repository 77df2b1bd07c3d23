#include "windows/drives.h"

#include <QDir>

#include <algorithm>

namespace {

bool holds(const QString& mountPoint, const QString& path) {
    if (mountPoint == QDir::rootPath()) {
        return path.startsWith(mountPoint);
    }
    return path == mountPoint || path.startsWith(mountPoint + QLatin1Char('/'));
}

} // namespace

QString absoluteFolderPath(const QString& path) {
    return QDir::cleanPath(QDir::current().absoluteFilePath(path));
}

Drives::Drives(const QList<Volume>& volumes) {
    // A mount point mounted over again counts once: the last mount is the one in sight.
    for (const Volume& volume : volumes) {
        Volume drive{absoluteFolderPath(volume.mountPoint), volume.name};
        const auto same = std::find_if(drives.begin(), drives.end(), [&](const Volume& known) {
            return known.mountPoint == drive.mountPoint;
        });
        if (same != drives.end()) {
            *same = drive;
        } else {
            drives << drive;
        }
    }
    std::sort(drives.begin(), drives.end(), [](const Volume& left, const Volume& right) {
        return left.mountPoint < right.mountPoint;
    });
}

qsizetype Drives::indexOfPath(const QString& path) const {
    const QString absolute = absoluteFolderPath(path);
    qsizetype found = -1;
    for (qsizetype index = 0; index < drives.size(); ++index) {
        const QString& mountPoint = drives[index].mountPoint;
        if (holds(mountPoint, absolute) &&
            (found < 0 || mountPoint.size() > drives[found].mountPoint.size())) {
            found = index;
        }
    }
    return found;
}

qsizetype Drives::indexOfDesignation(const QString& text) const {
    for (qsizetype index = 0; index < drives.size(); ++index) {
        if (designation(drives[index]) == text) {
            return index;
        }
    }
    return -1;
}

QString Drives::designation(const Volume& drive) {
    return drive.name.isEmpty()
               ? drive.mountPoint
               : drive.mountPoint + QStringLiteral(" [") + drive.name + QLatin1Char(']');
}
