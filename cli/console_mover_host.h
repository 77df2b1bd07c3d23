#pragma once

#include "cli/command_line.h"
#include "cli/page_progress.h"
#include "movers/mover_host.h"

#include <functional>

class Console;

// A mover run as the command line shows it. Nothing is asked: the existing output folder is
// replaced only when "--replace" was given, and a failing step ends the run or is passed
// over as "--on-error" says. Messages go to standard error with the path each failure
// concerns, a redirect left out of a rules file on a line of its own, every name with its
// control characters escaped; the done message is not shown, since the command line prints
// its own result; no file manager is opened. While the pages are written, standard error
// shows the count, the total and the percentage when it is a terminal.
class ConsoleMoverHost final : public MoverHost {
public:
    // `stop` tells whether the run is asked to stop.
    ConsoleMoverHost(Console& console, const CommandLineRequest& request,
                     std::function<bool()> stop);

    MsgAnswer MsgBox(const QString& text, MsgButtons buttons, MsgIcon icon) override;
    MsgAnswer stepFailed(const FileError& error, const QString& path) override;
    bool replaceExistingFolder(const QString& folder) override;
    void replacementRefused(const QString& folder, const QString& reason) override;
    void redirectsLeftOut(const QList<LeftOutRedirect>& leftOut) override;
    void runDone(const QString&, MsgIcon) override {}
    bool stopRequested() override { return stop(); }
    void pageStarting(qsizetype index, qsizetype count) override;
    void setBusyPointer(bool) override {}
    void setFocus(MoverControl) override {}
    void openFileManager(const QString&) override {}
    void closeMainWindow() override {}

    // Whether the run started writing any page.
    bool pagesStarted() const { return progress.count() > 0; }
    // How many redirects the rules files left out, all kinds together.
    qsizetype redirectsLeftOut() const { return leftOutCount; }

private:
    Console& console;
    CommandLineRequest request;
    std::function<bool()> stop;
    PageProgress progress;
    qsizetype leftOutCount = 0;
};
