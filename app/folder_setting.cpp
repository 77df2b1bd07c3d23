#include "app/folder_setting.h"

#include "app/frmMain.h"

#include <QLineEdit>
#include <QSettings>

namespace Module1 {

namespace {

const QString kApplication = QStringLiteral("Zandrift");
const QString kMapKey = QStringLiteral("Settings/Map");

} // namespace

void SaveFolderSetting() {
    QSettings(kApplication, kApplication).setValue(kMapKey, frmMain::instance()->txtMap->text());
}

QString StoredFolder() {
    return QSettings(kApplication, kApplication).value(kMapKey).toString();
}

void LoadFolderSetting() {
    frmMain::instance()->txtMap->setText(StoredFolder());
}

} // namespace Module1
