#include "windows/temporary_drives.h"

#include <QDir>

namespace {

const QString kRootName = QStringLiteral("system");
const QString kFirstName = QStringLiteral("FIRST");
const QString kSecondName = QStringLiteral("SECOND");
const QString kOfflineName = QStringLiteral("OFFLINE");

} // namespace

TemporaryDrives::TemporaryDrives() {
    QDir(folders.path()).mkpath(QStringLiteral("first"));
    QDir(folders.path()).mkpath(QStringLiteral("second"));
    VolumeList::install(this);
}

TemporaryDrives::~TemporaryDrives() {
    VolumeList::install(nullptr);
}

QList<Volume> TemporaryDrives::volumes() const {
    return {{QStringLiteral("/"), kRootName},
            {first(), kFirstName},
            {second(), kSecondName},
            {offline(), kOfflineName}};
}

QString TemporaryDrives::onDrive(const QString& drive, const QString& below, bool make) const {
    const QString path = QDir::cleanPath(folders.filePath(drive + QLatin1Char('/') + below));
    if (make) {
        QDir().mkpath(path);
    }
    return path;
}

QString TemporaryDrives::first(const QString& below, bool make) const {
    return onDrive(QStringLiteral("first"), below, make);
}

QString TemporaryDrives::second(const QString& below, bool make) const {
    return onDrive(QStringLiteral("second"), below, make);
}

QString TemporaryDrives::offline() const {
    return folders.filePath(QStringLiteral("offline"));
}

QString TemporaryDrives::rootDesignation() {
    return QStringLiteral("/ [") + kRootName + u']';
}

QString TemporaryDrives::firstDesignation() const {
    return first() + QStringLiteral(" [") + kFirstName + u']';
}

QString TemporaryDrives::secondDesignation() const {
    return second() + QStringLiteral(" [") + kSecondName + u']';
}

QString TemporaryDrives::offlineDesignation() const {
    return offline() + QStringLiteral(" [") + kOfflineName + u']';
}
