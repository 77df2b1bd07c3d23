#pragma once

#include "platform/file_manager.h"

#include <QStringList>

// A file manager that only records the folders it was asked to open.
class RecordingFileManager final : public FileManager {
public:
    void openFolder(const QString& folder) override { opened << folder; }
    QStringList opened;
};
