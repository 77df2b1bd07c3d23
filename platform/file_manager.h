#pragma once

#include <QString>

// Opens a folder in the desktop's file manager without waiting for it.
class FileManager {
public:
    virtual ~FileManager() = default;
    virtual void openFolder(const QString& folder) = 0;
};

// The desktop's own file manager: xdg-open or the portal on Linux and macOS, Explorer,
// minimized with the focus, on Windows.
class DesktopFileManager final : public FileManager {
public:
    void openFolder(const QString& folder) override;
};
