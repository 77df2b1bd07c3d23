#include "platform/volume_list.h"

#include "platform/offered_volumes.h"

#include <QFileInfo>
#include <QStorageInfo>

namespace {

const VolumeList* installedList = nullptr;

VolumeReport reportOf(const QStorageInfo& volume) {
    return {volume.rootPath(), volume.device(),  volume.fileSystemType(),
            volume.isValid(),  volume.isReady(), QFileInfo(volume.rootPath()).isDir()};
}

Volume volumeOf(const QStorageInfo& volume) {
    const QString label = volume.name();
    return {volume.rootPath(), label.isEmpty() ? QString::fromLocal8Bit(volume.device()) : label};
}

} // namespace

const VolumeList& VolumeList::current() {
    static const MountedVolumes mounted;
    if (installedList != nullptr) {
        return *installedList;
    }
    return mounted;
}

void VolumeList::install(const VolumeList* replacement) {
    installedList = replacement;
}

QList<Volume> MountedVolumes::volumes() const {
    QList<Volume> pickable;
    bool hasRoot = false;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (isOfferedVolume(reportOf(volume))) {
            pickable << volumeOf(volume);
            hasRoot = hasRoot || volume.isRoot();
        }
    }
    if (!hasRoot) {
        pickable << volumeOf(QStorageInfo::root());
    }
    return pickable;
}
