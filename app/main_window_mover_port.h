#pragma once

#include "app/mover_command.h"
#include "movers/run/mover_port.h"

#include <QElapsedTimer>

class frmMain;

// A mover run as the main window shows it: each question and notice in a box without a title
// of its own; the focus on the button that gives a missing input; the hourglass from the start
// of the writing to the end of the run; each page starting in the caption as "Zandrift - <new
// address> - <page>/<last page>", counted from 0; and a run that went past every step ended as
// the command ends it. While the run lasts the window system repaints the window now and
// then, so the hourglass and the counting caption are seen, while all user input waits until
// the run is over. A run stops once the program is ending, which dismisses the boxes for good.
class MainWindowMoverPort final : public MoverPort {
public:
    MainWindowMoverPort(frmMain& window, MoverEnding ending);

    StepChoice stepFailed(const FileError& error, const QString& path) override;
    bool replaceExistingFolder(const QString& folder) override;
    bool stopRequested() override;
    void inputMissing(MissingInput input) override;
    void undecodablePages(const QByteArrayList& names) override;
    void runStarting(qsizetype count) override;
    void pageStarting(qsizetype index, qsizetype count) override;
    void replacementRefused(const QString& folder, const QString& reason) override;
    void runEnded(const MoverOutcome& outcome) override;

private:
    MsgAnswer box(const QString& text, MsgButtons buttons, MsgIcon icon);
    void end(const QString& folder);
    void repaint();
    void repaintNowAndThen();

    frmMain& window;
    MoverEnding ending;
    bool busy = false;
    QElapsedTimer sinceRepaint;
};
