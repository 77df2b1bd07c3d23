#include "app/frmMain.h"

#include "app/folder_setting.h"
#include "app/page_information.h"
#include "movers/files/page_listing.h"
#include "movers/pages/path_joiners.h"
#include "movers/pages/whole_number.h"
#include "platform/exact_caption.h"
#include "platform/message_boxes.h"
#include "widgets/command_button.h"
#include "widgets/described_control.h"
#include "widgets/program_icon.h"
#include "widgets/twips.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

frmMain* theMainWindow = nullptr;

const QString kAddressPrompt =
    QStringLiteral("Give the new address of your site.\n"
                   "Make sure to include the protocol (http://) or the path (c:\\...)");
// The caption the delay button keeps until a delay has been accepted.
const QString kNoDelayCaption = QStringLiteral("Delay:");
const QString kDelayPrompt =
    QStringLiteral("Give the delay in seconds before the page at the new address is shown");

} // namespace

frmMain::frmMain(MessageBoxes& boxes, FileManager& fileManager)
    : Frame1(new QGroupBox(QStringLiteral("Folder"), this)), txtMap(new QLineEdit(Frame1)),
      cmdBrowse(makeCommandButton(QStringLiteral("Browse"),
                                  QStringLiteral("Browse to select a folder"), Frame1)),
      lstFiles(new QListWidget(this)),
      cmdCreate(makeCommandButton(QStringLiteral("Create Movers"),
                                  QStringLiteral("Create redirect pages"), this)),
      cmdFrames(makeCommandButton(QStringLiteral("Create Frames"),
                                  QStringLiteral("Create pages for framed forwarding"), this)),
      cmdNewAddress(makeCommandButton(QStringLiteral("New address:"),
                                      QStringLiteral("New address of the site"), this)),
      cmdDelay(makeCommandButton(
          kNoDelayCaption, QStringLiteral("Delay before a redirect page displays the new page"),
          this)),
      messageBoxes(boxes), desktopFileManager(fileManager) {
    theMainWindow = this;
    setWindowTitle(kApplicationTitle);
    setWindowIcon(programIcon());
    describeControl(*txtMap, QStringLiteral("Folder"), QStringLiteral("The selected folder"));
    describeControl(*lstFiles, QStringLiteral("Pages"), QStringLiteral("List of the files"));
    lstFiles->setSelectionMode(QAbstractItemView::SingleSelection);
    lstFiles->setUniformItemSizes(true);
    cmdCreate->hide();
    cmdFrames->hide();
    layOutControls();
    connectHandlers();
    addPreviewMenu();
    cmdBrowse->setFocus();
}

frmMain::~frmMain() {
    if (theMainWindow == this) {
        theMainWindow = nullptr;
    }
}

frmMain* frmMain::instance() {
    return theMainWindow;
}

void frmMain::layOutControls() {
    setDesignSize(*this, 4680, 3195);
    Frame1->setGeometry(rectFromTwips(120, 120, 4335, 735));
    txtMap->setGeometry(rectFromTwips(120, 240, 2535, 285));
    cmdBrowse->setGeometry(rectFromTwips(2880, 240, 1215, 375));
    lstFiles->setGeometry(rectFromTwips(240, 960, 2295, 1815));
    cmdCreate->setGeometry(rectFromTwips(2760, 960, 1575, 375));
    cmdFrames->setGeometry(rectFromTwips(2760, 1440, 1575, 375));
    cmdNewAddress->setGeometry(rectFromTwips(2760, 1920, 1575, 375));
    cmdDelay->setGeometry(rectFromTwips(2760, 2400, 1575, 375));

    Frame1->setFocusPolicy(Qt::NoFocus);
    // The caption sits on the frame's top line, so the controls placed inside the group box
    // lie within its frame.
    Frame1->setStyleSheet(
        QStringLiteral(
            "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: %1px; }"
            "QGroupBox::title { subcontrol-origin: margin; left: %2px; padding: 0 2px; }")
            .arg(pixelsFromTwips(105))
            .arg(pixelsFromTwips(90)));
    setTabOrder(cmdBrowse, txtMap);
    setTabOrder(txtMap, lstFiles);
    setTabOrder(lstFiles, cmdCreate);
    setTabOrder(cmdCreate, cmdNewAddress);
    setTabOrder(cmdNewAddress, cmdDelay);
    setTabOrder(cmdDelay, cmdFrames);
}

void frmMain::connectHandlers() {
    connect(txtMap, &QLineEdit::textChanged, this, &frmMain::txtMap_Change);
    connect(lstFiles, &QListWidget::itemDoubleClicked, this, &frmMain::lstFiles_DblClick);
    connect(cmdBrowse, &QPushButton::clicked, this, &frmMain::cmdBrowse_Click);
    connect(cmdCreate, &QPushButton::clicked, this, &frmMain::cmdCreate_Click);
    connect(cmdFrames, &QPushButton::clicked, this, &frmMain::cmdFrames_Click);
    connect(cmdNewAddress, &QPushButton::clicked, this, &frmMain::cmdNewAddress_Click);
    connect(cmdDelay, &QPushButton::clicked, this, &frmMain::cmdDelay_Click);
}

void frmMain::Form_Load() {
    Module1::LoadFolderSetting();
    loadCompanionWindows();
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (moverRunning) {
        closeAfterRun = true;
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}

void frmMain::endProgram() {
    messageBoxes.dismissAll();
    close();
}

void frmMain::confirmFolder(const QString& folder) {
    if (txtMap->text() == folder) {
        txtMap_Change();
    } else {
        txtMap->setText(folder);
    }
}

void frmMain::txtMap_Change() {
    lstFiles->clear();
    Module1::SaveFolderSetting();
    lstFiles->addItems(ListPageFiles(txtMap->text()).names);
    cmdCreate->show();
    cmdFrames->show();
}

void frmMain::lstFiles_DblClick() {
    const QListWidgetItem* selected = lstFiles->currentItem();
    if (selected == nullptr || !selected->isSelected()) {
        return;
    }
    const QString path = Module1::AddBackslash(txtMap->text()) + selected->text();
    messageBoxes.MsgBox(PageInformation(path));
}

void frmMain::cmdNewAddress_Click() {
    strNewAddress = messageBoxes.InputBox(kAddressPrompt, strNewAddress);
    setWindowTitle(ExactCaption(kApplicationTitle + QStringLiteral(" - ") + strNewAddress));
}

bool frmMain::delayGiven() const {
    return cmdDelay->text() != kNoDelayCaption;
}

void frmMain::cmdDelay_Click() {
    std::optional<std::int16_t> delay;
    while (!delay) {
        if (messageBoxes.allDismissed()) {
            return; // the program is ending
        }
        delay = Module1::ParseDelay(messageBoxes.InputBox(kDelayPrompt));
    }
    intDelay = *delay;
    cmdDelay->setText(QStringLiteral("Delay: ") + QString::number(intDelay));
    if (!strNewAddress.isEmpty() && intDelay != 0) {
        cmdCreate->show();
        cmdCreate->setFocus();
    }
}
