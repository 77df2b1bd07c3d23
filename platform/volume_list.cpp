#include "platform/volume_list.h"

#include <QFileInfo>
#include <QSet>
#include <QStorageInfo>
#include <QStringList>

namespace {

const VolumeList* installedList = nullptr;

const QSet<QByteArray> kPseudoFileSystems = {
    "autofs", "binfmt_misc", "bpf",        "cgroup",     "cgroup2",   "configfs", "debugfs",
    "devpts", "devtmpfs",    "efivarfs",   "fusectl",    "hugetlbfs", "mqueue",   "nsfs",
    "proc",   "pstore",      "rpc_pipefs", "securityfs", "selinuxfs", "sysfs",    "tracefs"};

// Kernel and device folders hold no site folders, whatever file system is mounted there.
const QStringList kSystemFolders = {QStringLiteral("/proc"), QStringLiteral("/sys"),
                                    QStringLiteral("/dev")};

bool isInSystemFolder(const QString& mountPoint) {
    for (const QString& folder : kSystemFolders) {
        if (mountPoint == folder || mountPoint.startsWith(folder + QLatin1Char('/'))) {
            return true;
        }
    }
    return false;
}

// Bind mounts of single files (as in containers) are volumes too, but no folder to pick.
bool isPickable(const QStorageInfo& volume) {
    return volume.isValid() && volume.isReady() &&
           !kPseudoFileSystems.contains(volume.fileSystemType()) &&
           !isInSystemFolder(volume.rootPath()) && QFileInfo(volume.rootPath()).isDir();
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
        if (isPickable(volume)) {
            pickable << volumeOf(volume);
            hasRoot = hasRoot || volume.isRoot();
        }
    }
    if (!hasRoot) {
        pickable << volumeOf(QStorageInfo::root());
    }
    return pickable;
}
