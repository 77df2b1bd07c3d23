#pragma once

#include "cli/options/command_line.h"
#include "cli/page_progress.h"
#include "movers/run/mover_port.h"

#include <functional>

class Console;

// A mover run as the command line shows it. Nothing is asked: the existing output folder is
// replaced only when "--replace" was given, and a failing step ends the run or is passed
// over as "--on-error" says. Failures and notices go to standard error, with the path each
// failure concerns, a redirect left out of a rules file on a line of its own, every name with
// its control characters escaped. While the pages are written, standard error shows the count,
// the total and the percentage when it is a terminal.
class ConsoleMoverPort final : public MoverPort {
public:
    // `stop` tells whether the run is asked to stop.
    ConsoleMoverPort(Console& console, const CommandLineRequest& request,
                     std::function<bool()> stop);

    StepChoice stepFailed(const FileError& error, const QString& path) override;
    bool replaceExistingFolder(const QString& folder) override;
    bool stopRequested() override { return stop(); }
    void undecodablePages(const QByteArrayList& names) override;
    void pageStarting(qsizetype index, qsizetype count) override;
    void replacementRefused(const QString& folder, const QString& reason) override;
    void redirectsLeftOut(const QList<LeftOutRedirect>& leftOut) override;

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
