#include "app/folder_setting.h"

#include "app/frmMain.h"
#include "app/settings_file.h"

#include <QLineEdit>
#include <QSettings>
#include <QVariant>

namespace Module1 {

namespace {

const QString kApplication = QStringLiteral("Zandrift");
constexpr char kGroup[] = "Settings";
constexpr char kKey[] = "Map";

// The folder setting for as long as the main window lives: the value saved last, and the
// store's file, which holds it from the moment it is saved. The file is written by the
// program itself rather than by QSettings, whose writes wait for the disk twice (a lock file
// and the new file are each synced), milliseconds that a keystroke must not cost.
class FolderStore final : public QObject {
    Q_OBJECT

public:
    explicit FolderStore(QObject* window) : QObject(window) {
        const QSettings settings(kApplication, kApplication);
        file = settings.fileName();
        latest = settings.value(QLatin1String(kGroup) + u'/' + QLatin1String(kKey));
    }

    const QVariant& value() const { return latest; }

    // A value equal to the stored one is not stored again.
    void save(const QString& folder) {
        if (latest == QVariant(folder)) {
            return;
        }
        latest = folder;
        WriteSettingText(file, kGroup, kKey, folder);
    }

private:
    QString file;
    QVariant latest;
};

FolderStore& store() {
    frmMain* window = frmMain::instance();
    auto* existing = window->findChild<FolderStore*>(QString(), Qt::FindDirectChildrenOnly);
    return existing != nullptr ? *existing : *new FolderStore(window);
}

} // namespace

void SaveFolderSetting() {
    store().save(frmMain::instance()->txtMap->text());
}

void LoadFolderSetting() {
    frmMain::instance()->txtMap->setText(store().value().toString());
}

} // namespace Module1

#include "folder_setting.moc"
