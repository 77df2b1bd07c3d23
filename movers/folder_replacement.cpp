#include "movers/folder_replacement.h"

#include <QDir>
#include <QFileInfo>

namespace {

bool isPlainFile(const QFileInfo& entry) {
    return !entry.isSymLink() && entry.isFile();
}

} // namespace

FolderReplacement PlanFolderReplacement(const QString& folder) {
    const QFileInfo info(folder);
    if (info.isSymLink()) {
        return {QStringLiteral("it is a symbolic link"), {}};
    }
    if (!info.isDir()) {
        return {QStringLiteral("it is not a folder"), {}};
    }
    FolderReplacement plan;
    const QFileInfoList entries = QDir(folder).entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& entry : entries) {
        if (!isPlainFile(entry)) {
            return {
                QStringLiteral("it holds \"%1\", which is not a plain file").arg(entry.fileName()),
                {}};
        }
        plan.filePaths << entry.filePath();
    }
    return plan;
}
