#include "support/main_window_fixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QVariant>

void MainWindowTest::SetUp() {
    ASSERT_TRUE(site.isValid());
    QSettings(QStringLiteral("Zandrift"), QStringLiteral("Zandrift")).clear();
}

void MainWindowTest::TearDown() {
    if (window) {
        closeMainWindow();
    }
    // Windows unloaded during the test are destroyed now, so the next test starts afresh.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

frmMain& MainWindowTest::start(const std::optional<QString>& folder) {
    if (folder) {
        storeFolder(*folder);
    }
    window = std::make_unique<frmMain>(boxes, fileManager);
    window->Form_Load();
    window->show();
    return *window;
}

void MainWindowTest::closeMainWindow() {
    window->close();
    window.reset();
}

void MainWindowTest::giveAddress(const QString& text) {
    boxes.type({text});
    window->cmdNewAddress->click();
}

void MainWindowTest::giveDelay(const QString& text) {
    boxes.type({text});
    window->cmdDelay->click();
}

void MainWindowTest::storeFolder(const QString& folder) {
    QSettings(QStringLiteral("Zandrift"), QStringLiteral("Zandrift"))
        .setValue(QStringLiteral("Settings/Map"), folder);
}

std::optional<QString> MainWindowTest::storedFolder() {
    const QVariant folder = settingInFile(QStringLiteral("Settings/Map"));
    return folder.isValid() ? std::optional<QString>(folder.toString()) : std::nullopt;
}

QVariant MainWindowTest::settingInFile(const QString& key) {
    // A copy under a name of its own: QSettings takes a file it has read before as unchanged
    // while its size and its time of change, to the millisecond, are.
    const QTemporaryDir copies;
    const QString copy = copies.filePath(QStringLiteral("Zandrift.conf"));
    if (!QFile::copy(QSettings(QStringLiteral("Zandrift"), QStringLiteral("Zandrift")).fileName(),
                     copy)) {
        return {};
    }
    return QSettings(copy, QSettings::IniFormat).value(key);
}

QString MainWindowTest::sitePath(const QString& name) const {
    return name.isEmpty() ? site.path() : site.filePath(name);
}

QString MainWindowTest::writeSiteFile(const QString& name, const QByteArray& bytes) {
    const QString path = sitePath(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
    return path;
}

QStringList MainWindowTest::listedPages() const {
    QStringList names;
    for (int row = 0; row < window->lstFiles->count(); ++row) {
        names << window->lstFiles->item(row)->text();
    }
    return names;
}
