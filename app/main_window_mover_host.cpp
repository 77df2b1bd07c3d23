#include "app/main_window_mover_host.h"

#include "app/frmMain.h"
#include "platform/exact_caption.h"
#include "platform/file_manager.h"
#include "platform/message_boxes.h"

#include <QCoreApplication>
#include <QPushButton>

namespace {

constexpr qint64 kRepaintIntervalMs = 50;

QString progressCaption(const QString& address, qsizetype counter, qsizetype last) {
    // One pass of arg(), so a "%2" in the address stays as it is.
    return QStringLiteral("Zandrift - %1 - %2/%3")
        .arg(address, QString::number(counter), QString::number(last));
}

} // namespace

MainWindowMoverHost::MainWindowMoverHost(frmMain& window) : window(window) {}

MsgAnswer MainWindowMoverHost::MsgBox(const QString& text, MsgButtons buttons, MsgIcon icon) {
    return window.boxes().MsgBox(text, buttons, icon);
}

bool MainWindowMoverHost::stopRequested() {
    return window.boxes().allDismissed();
}

void MainWindowMoverHost::pageStarting(qsizetype index, qsizetype count) {
    window.setWindowTitle(ExactCaption(progressCaption(window.strNewAddress, index, count - 1)));
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
