#pragma once

#include <QList>
#include <QString>

// A mounted volume, offered by the folder picker as a drive.
struct Volume {
    QString mountPoint;
    QString name; // the volume's label, or else its device name
};

// The volumes the folder picker offers as drives. The program uses the machine's mounted
// volumes; tests may offer folders of their own instead.
class VolumeList {
public:
    virtual ~VolumeList() = default;
    virtual QList<Volume> volumes() const = 0;

    // The list in use: the mounted volumes unless a replacement is installed.
    static const VolumeList& current();
    // Offers `replacement` in place of the mounted volumes; nullptr goes back to them.
    static void install(const VolumeList* replacement);
};

// The machine's mounted volumes that a user would pick (isOfferedVolume): "/", other disks,
// removable media and network file systems.
class MountedVolumes final : public VolumeList {
public:
    QList<Volume> volumes() const override;
};
