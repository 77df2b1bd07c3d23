#pragma once

#include <QString>
#include <QWidget>

#include <cstdint>

class FileManager;
struct MoverCommand;
struct MoverKind;
class MessageBoxes;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;

// The main window: it holds the state the whole program shares (the site folder, the page
// list, the new address, the delay and the page text buffer) and the commands on it. There
// is one main window for the whole run, reached through instance().
class frmMain : public QWidget {
    Q_OBJECT

public:
    frmMain(MessageBoxes& boxes, FileManager& fileManager);
    ~frmMain() override;

    static frmMain* instance();

    // Restores the stored folder, then loads the companion windows hidden.
    void Form_Load();

    // Shows the page text buffer in the page preview window.
    void ShowPreview();

    // Whether a delay has been given: the delay button no longer reads "Delay:".
    bool delayGiven() const;

    // Ends the program through the ordinary shut-down, whatever is open: every box closes as
    // if cancelled and no other box shows, a run stops, and the main window closes.
    void endProgram();

    MessageBoxes& boxes() { return messageBoxes; }
    FileManager& fileManager() { return desktopFileManager; }

    QGroupBox* const Frame1;
    QLineEdit* const txtMap;
    QPushButton* const cmdBrowse;
    QListWidget* const lstFiles;
    QPushButton* const cmdCreate;
    QPushButton* const cmdFrames;
    QPushButton* const cmdNewAddress;
    QPushButton* const cmdDelay;

    QString strPage;
    QString strNewAddress;
    std::int16_t intDelay = 0;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void layOutControls();
    void connectHandlers();
    // The page list's context menu: its entries show the page that "Create Movers" or
    // "Create Frames" writes for a listed page in the page preview window.
    void addPreviewMenu();
    // Assembles the page that a run of this kind writes for the listed page `name` into the
    // page text buffer, with the current address and delay (0 while none is given), and
    // shows it. Nothing is written.
    void previewPage(const MoverKind& kind, const QString& name);

    void txtMap_Change();
    // Puts a confirmed folder into the folder text and always refreshes the page list,
    // also when the folder text already reads so.
    void confirmFolder(const QString& folder);
    void lstFiles_DblClick();
    void cmdNewAddress_Click();
    void cmdDelay_Click();
    void cmdCreate_Click();
    void cmdFrames_Click();
    void runMoverCommand(const MoverCommand& command);
    void cmdBrowse_Click();
    void loadCompanionWindows();
    void Form_Unload();

    MessageBoxes& messageBoxes;
    FileManager& desktopFileManager;
    // A run repaints the window while it works; a close asked for meanwhile (by the window
    // manager or a termination signal) waits until the run has ended.
    bool moverRunning = false;
    bool closeAfterRun = false;
};
