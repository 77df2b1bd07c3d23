#pragma once

#include "app/frmMain.h"
#include "support/recording_file_manager.h"
#include "support/scripted_boxes.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <QVariant>

#include <memory>
#include <optional>

// A main window started as the program starts it, with scripted boxes, a recording file
// manager, a site folder in a temporary folder and the settings store of the test run.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Stores `folder` (or nothing), then creates the main window and runs its load.
    frmMain& start(const std::optional<QString>& storedFolder = std::nullopt);
    // Closes the main window as the user would; the fixture drops it afterwards.
    void closeMainWindow();

    // Types `text` into the box that "New address:", or "Delay:", opens.
    void giveAddress(const QString& text);
    void giveDelay(const QString& text);

    // Stores `folder` in the settings store, as an earlier run of the program left it.
    static void storeFolder(const QString& folder);
    // The stored folder, and any setting, as a program started now reads them from the
    // settings file.
    static std::optional<QString> storedFolder();
    static QVariant settingInFile(const QString& key);

    // Writes a file of the site folder (subfolders made as needed) and gives its path.
    QString writeSiteFile(const QString& name, const QByteArray& bytes);
    QString sitePath(const QString& name = {}) const;
    QStringList listedPages() const;

    ScriptedBoxes boxes;
    RecordingFileManager fileManager;
    QTemporaryDir site;
    std::unique_ptr<frmMain> window;
};
