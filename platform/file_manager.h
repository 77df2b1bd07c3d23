#pragma once

#include <QString>

// Opens a folder in the desktop's file manager without waiting for it.
class FileManager {
public:
    virtual ~FileManager() = default;
    virtual void openFolder(const QString& folder) = 0;
};

// The desktop's own file manager, through xdg-open or the desktop portal.
class DesktopFileManager final : public FileManager {
public:
    void openFolder(const QString& folder) override;
};
