#include "platform/file_manager.h"

#include <QDesktopServices>
#include <QUrl>

#ifdef Q_OS_WIN
#include <QDir>
#include <QProcess>
#include <windows.h>
#endif

void DesktopFileManager::openFolder(const QString& folder) {
#ifdef Q_OS_WIN
    QProcess explorer;
    explorer.setProgram(QStringLiteral("explorer.exe"));
    explorer.setNativeArguments(QDir::toNativeSeparators(folder));
    explorer.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments* args) {
        args->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
        args->startupInfo->wShowWindow = SW_SHOWMINIMIZED;
    });
    explorer.startDetached();
#else
    QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
#endif
}
