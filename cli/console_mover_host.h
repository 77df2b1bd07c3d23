#pragma once

#include "cli/command_line.h"
#include "cli/page_progress.h"
#include "movers/mover_host.h"

#include <functional>

class Console;

// A mover run as the command line shows it. Nothing is asked: the existing output folder is
// replaced only when "--replace" was given, and a failing step ends the run or is passed
// over as "--on-error" says. Messages go to standard error with the path each failure
// concerns; the done message is not shown, since the command line prints its own result; no
// file manager is opened. While the pages are written, standard error shows the count, the
// total and the percentage when it is a terminal.
class ConsoleMoverHost final : public MoverHost {
public:
    // `doneMessage` is the one message of the run's kind that says it came to its end;
    // `pageCount` is the number of pages the run is to write; `stop` tells whether the run
    // is asked to stop.
    ConsoleMoverHost(Console& console, const CommandLineRequest& request, QString doneMessage,
                     qsizetype pageCount, std::function<bool()> stop);

    MsgAnswer MsgBox(const QString& text, MsgButtons buttons, MsgIcon icon) override;
    MsgAnswer stepFailed(const FileError& error, const QString& path) override;
    bool replaceExistingFolder(const QString& folder) override;
    bool stopRequested() override { return stop(); }
    // The run sets the caption once per page, as it starts the page.
    void setCaption(const QString& caption) override;
    void setBusyPointer(bool) override {}
    void setFocus(MoverControl) override {}
    void openFileManager(const QString&) override {}
    void closeMainWindow() override {}

    // Whether the run came to its end, past every step.
    bool completed() const { return done; }
    qsizetype failedSteps() const { return failures; }
    qsizetype pagesStarted() const { return progress.count(); }

private:
    Console& console;
    CommandLineRequest request;
    QString doneMessage;
    std::function<bool()> stop;
    bool done = false;
    qsizetype failures = 0;
    PageProgress progress;
};
