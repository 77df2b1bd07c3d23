#include "platform/file_manager.h"

#include <QDesktopServices>
#include <QUrl>

void DesktopFileManager::openFolder(const QString& folder) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}
