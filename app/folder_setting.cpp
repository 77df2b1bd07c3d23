#include "app/folder_setting.h"

#include "app/frmMain.h"

#include <QLineEdit>
#include <QSettings>
#include <QTimer>
#include <QVariant>

namespace Module1 {

namespace {

const QString kApplication = QStringLiteral("Zandrift");
const QString kMapKey = QStringLiteral("Settings/Map");
constexpr int kWriteDelayMs = 500;

// The folder setting for as long as the main window lives: the value saved last, which is
// the store's value at once, and the writing of the store's file. Writing the file waits for
// the disk (QSettings syncs it before it replaces the old one), milliseconds that a keystroke
// must not cost; so the file is written half a second after the first change not yet
// written, and when the window goes. No QSettings is kept between writes, since QSettings
// writes its file by itself at the event loop's next turn after a change.
class FolderStore final : public QObject {
    Q_OBJECT

public:
    explicit FolderStore(QObject* window)
        : QObject(window), latest(QSettings(kApplication, kApplication).value(kMapKey)) {
        writeLater.setSingleShot(true);
        writeLater.setInterval(kWriteDelayMs);
        connect(&writeLater, &QTimer::timeout, this, &FolderStore::write);
    }
    ~FolderStore() override { write(); }

    const QVariant& value() const { return latest; }

    // A value equal to the stored one is not stored again.
    void save(const QString& folder) {
        if (latest == QVariant(folder)) {
            return;
        }
        latest = folder;
        unwritten = true;
        if (!writeLater.isActive()) {
            writeLater.start();
        }
    }

private:
    void write() {
        writeLater.stop();
        if (!unwritten) {
            return;
        }
        QSettings settings(kApplication, kApplication);
        settings.setValue(kMapKey, latest);
        settings.sync();
        unwritten = false;
    }

    QVariant latest;
    bool unwritten = false;
    QTimer writeLater;
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

std::optional<QString> StoredFolder() {
    const QVariant& value = store().value();
    return value.isValid() ? std::optional<QString>(value.toString()) : std::nullopt;
}

} // namespace Module1

#include "folder_setting.moc"
