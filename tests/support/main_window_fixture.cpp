#include "support/main_window_fixture.h"

#include "app/folder_setting.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>

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
    return Module1::StoredFolder();
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
