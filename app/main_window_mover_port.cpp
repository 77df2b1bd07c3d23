#include "app/main_window_mover_port.h"

#include "app/frmMain.h"
#include "movers/files/undecodable_names.h"
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

MainWindowMoverPort::MainWindowMoverPort(frmMain& window, MoverEnding ending)
    : window(window), ending(std::move(ending)) {}

MsgAnswer MainWindowMoverPort::box(const QString& text, MsgButtons buttons, MsgIcon icon) {
    return window.boxes().MsgBox(text, buttons, icon);
}

StepChoice MainWindowMoverPort::stepFailed(const FileError& error, const QString& /*path*/) {
    switch (box(error.message(), MsgButtons::AbortRetryIgnore, MsgIcon::None)) {
    case MsgAnswer::Retry:
        return StepChoice::Retry;
    case MsgAnswer::Ignore:
        return StepChoice::Ignore;
    default:
        return StepChoice::Abort;
    }
}

bool MainWindowMoverPort::replaceExistingFolder(const QString& folder) {
    return box(folder + QStringLiteral(" already exists. Do you want to delete it?"),
               MsgButtons::YesNo, MsgIcon::None) == MsgAnswer::Yes;
}

bool MainWindowMoverPort::stopRequested() {
    return window.boxes().allDismissed();
}

void MainWindowMoverPort::inputMissing(MissingInput input) {
    const bool address = input == MissingInput::NewAddress;
    box(address ? QStringLiteral("Give a new address.") : QStringLiteral("Give a delay in seconds"),
        MsgButtons::OK, MsgIcon::Critical);
    (address ? window.cmdNewAddress : window.cmdDelay)->setFocus();
}

void MainWindowMoverPort::undecodablePages(const QByteArrayList& names) {
    box(UndecodablePagesMessage(names), MsgButtons::OK, MsgIcon::Information);
}

void MainWindowMoverPort::runStarting(qsizetype /*count*/) {
    busy = true;
    window.setCursor(Qt::WaitCursor);
    repaint();
}

void MainWindowMoverPort::pageStarting(qsizetype index, qsizetype count) {
    window.setWindowTitle(ExactCaption(progressCaption(window.strNewAddress, index, count - 1)));
    repaintNowAndThen();
}

void MainWindowMoverPort::replacementRefused(const QString& folder, const QString& reason) {
    box(ReplacementRefusedMessage(folder, reason), MsgButtons::OK, MsgIcon::Critical);
}

void MainWindowMoverPort::runEnded(const MoverOutcome& outcome) {
    if (busy) {
        window.unsetCursor();
        busy = false;
    }
    if (outcome.end == MoverEnd::Completed) {
        end(outcome.outputFolder);
    }
}

// The folder opens and the command says it is done, in its order; a stop asked for meanwhile
// (the program ending) leaves out what the window would do next.
void MainWindowMoverPort::end(const QString& folder) {
    if (!ending.saysDoneBeforeOpening) {
        window.fileManager().openFolder(folder);
    }
    box(ending.doneMessage, MsgButtons::OK, ending.doneIcon);
    if (stopRequested()) {
        return;
    }
    if (ending.saysDoneBeforeOpening) {
        window.fileManager().openFolder(folder);
    }
    if (ending.closesMainWindow) {
        window.close();
    }
}

void MainWindowMoverPort::repaint() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    sinceRepaint.start();
}

void MainWindowMoverPort::repaintNowAndThen() {
    if (!sinceRepaint.isValid() || sinceRepaint.elapsed() >= kRepaintIntervalMs) {
        repaint();
    }
}
