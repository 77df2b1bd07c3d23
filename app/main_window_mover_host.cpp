#include "app/main_window_mover_host.h"

#include "app/frmMain.h"
#include "platform/exact_caption.h"
#include "platform/file_manager.h"
#include "platform/message_boxes.h"

#include <QCoreApplication>
#include <QPushButton>

namespace {

constexpr qint64 kRepaintIntervalMs = 50;

} // namespace

MainWindowMoverHost::MainWindowMoverHost(frmMain& window) : window(window) {}

MsgAnswer MainWindowMoverHost::MsgBox(const QString& text, MsgButtons buttons, MsgIcon icon) {
    return window.boxes().MsgBox(text, buttons, icon);
}

bool MainWindowMoverHost::stopRequested() {
    return window.boxes().allDismissed();
}

void MainWindowMoverHost::setCaption(const QString& caption) {
    window.setWindowTitle(ExactCaption(caption));
    repaintNowAndThen();
}

void MainWindowMoverHost::setBusyPointer(bool busy) {
    if (busy) {
        window.setCursor(Qt::WaitCursor);
        repaint();
    } else {
        window.unsetCursor();
    }
}

void MainWindowMoverHost::setFocus(MoverControl control) {
    QPushButton* button =
        control == MoverControl::NewAddress ? window.cmdNewAddress : window.cmdDelay;
    button->setFocus();
}

void MainWindowMoverHost::openFileManager(const QString& folder) {
    window.fileManager().openFolder(folder);
}

void MainWindowMoverHost::closeMainWindow() {
    window.close();
}

void MainWindowMoverHost::repaint() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    sinceRepaint.start();
}

void MainWindowMoverHost::repaintNowAndThen() {
    if (!sinceRepaint.isValid() || sinceRepaint.elapsed() >= kRepaintIntervalMs) {
        repaint();
    }
}
