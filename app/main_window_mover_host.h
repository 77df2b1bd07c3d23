#pragma once

#include "movers/mover_host.h"

#include <QElapsedTimer>

class frmMain;

// The main window as a mover run sees it. Each page starting shows in the caption as
// "Zandrift - <new address> - <page>/<last page>", counted from 0. While the run lasts the
// window system repaints the window now and then, so the hourglass and the counting caption
// are seen, while all user input waits until the run is over.
class MainWindowMoverHost final : public MoverHost {
public:
    explicit MainWindowMoverHost(frmMain& window);

    MsgAnswer MsgBox(const QString& text, MsgButtons buttons, MsgIcon icon) override;
    void pageStarting(qsizetype index, qsizetype count) override;
    void setBusyPointer(bool busy) override;
    void setFocus(MoverControl control) override;
    void openFileManager(const QString& folder) override;
    void closeMainWindow() override;
    // A run stops once the program is ending, which dismisses the boxes for good.
    bool stopRequested() override;

private:
    void repaint();
    void repaintNowAndThen();

    frmMain& window;
    QElapsedTimer sinceRepaint;
};
