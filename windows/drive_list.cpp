#include "windows/drive_list.h"

#include <QAccessibleWidget>

namespace {

// Qt's own interface for combo boxes gives the current entry as the name on Linux, where the
// name would come from a label; the drive list has none, so it is named as any widget is.
class AccessibleDriveList final : public QAccessibleWidget {
public:
    explicit AccessibleDriveList(DriveList* list)
        : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text text) const override {
        if (text == QAccessible::Value) {
            return list()->currentText();
        }
        return QAccessibleWidget::text(text);
    }

    QStringList actionNames() const override {
        return QAccessibleWidget::actionNames() << showMenuAction();
    }

    void doAction(const QString& action) override {
        if (action == showMenuAction()) {
            list()->showPopup();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

private:
    DriveList* list() const { return static_cast<DriveList*>(widget()); }
};

QAccessibleInterface* accessibleDriveList(const QString& className, QObject* object) {
    auto* list = qobject_cast<DriveList*>(object);
    if (className != QLatin1String("DriveList") || list == nullptr) {
        return nullptr;
    }
    return new AccessibleDriveList(list);
}

} // namespace

DriveList::DriveList(const Drives& drives, QWidget* parent) : QComboBox(parent), drives(drives) {
    [[maybe_unused]] static const bool accessible = [] {
        QAccessible::installFactory(accessibleDriveList);
        return true;
    }();
    for (const Volume& drive : drives.list()) {
        addItem(Drives::designation(drive));
    }
}

QString DriveList::Drive() const {
    return currentText();
}

void DriveList::setDrive(const QString& path) {
    const qsizetype drive = drives.indexOfPath(path);
    if (drive >= 0) {
        setCurrentIndex(static_cast<int>(drive));
    }
}
