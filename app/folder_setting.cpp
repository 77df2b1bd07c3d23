#include "app/folder_setting.h"

#include "app/frmMain.h"

#include <QEvent>
#include <QLineEdit>
#include <QSettings>
#include <QTimer>

namespace Module1 {

namespace {

const QString kApplication = QStringLiteral("Zandrift");
const QString kMapKey = QStringLiteral("Settings/Map");
constexpr int kWriteDelayMs = 500;

// The settings store for as long as the main window lives. A value set is in the store at
// once, for every QSettings of the program to read. QSettings would write its file at the
// next turn of the event loop after each change, and that write waits for the disk (the file
// is synced before it replaces the old one), milliseconds per keystroke; this store writes
// half a second after the first change not yet written instead, and when the window goes.
class FolderStore final : public QSettings {
public:
    explicit FolderStore(QObject* window) : QSettings(kApplication, kApplication, window) {
        writeLater.setSingleShot(true);
        writeLater.setInterval(kWriteDelayMs);
        connect(&writeLater, &QTimer::timeout, this, &QSettings::sync);
    }

protected:
    // QSettings asks for its next write by an update request to itself.
    bool event(QEvent* event) override {
        if (event->type() == QEvent::UpdateRequest) {
            writeLater.start();
            return true;
        }
        return QSettings::event(event);
    }

private:
    QTimer writeLater;
};

QSettings& store() {
    frmMain* window = frmMain::instance();
    auto* existing = window->findChild<FolderStore*>(QString(), Qt::FindDirectChildrenOnly);
    return existing != nullptr ? *existing : *new FolderStore(window);
}

} // namespace

void SaveFolderSetting() {
    const QString folder = frmMain::instance()->txtMap->text();
    QSettings& settings = store();
    if (settings.value(kMapKey) != folder) {
        settings.setValue(kMapKey, folder);
    }
}

void LoadFolderSetting() {
    frmMain::instance()->txtMap->setText(store().value(kMapKey).toString());
}

} // namespace Module1
