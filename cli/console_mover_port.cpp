#include "cli/console_mover_port.h"

#include "cli/console.h"
#include "movers/files/undecodable_names.h"

ConsoleMoverPort::ConsoleMoverPort(Console& console, const CommandLineRequest& request,
                                   std::function<bool()> stop)
    : console(console), request(request), stop(std::move(stop)), progress(console) {}

StepChoice ConsoleMoverPort::stepFailed(const FileError& error, const QString& path) {
    console.tell(error.message() + QStringLiteral(": ") + ReadableText(path));
    return request.onStepFailure == OnStepFailure::Ignore ? StepChoice::Ignore : StepChoice::Abort;
}

bool ConsoleMoverPort::replaceExistingFolder(const QString& folder) {
    if (!request.replace) {
        console.tell(ReadableText(folder) +
                     QStringLiteral(" already exists; give --replace to replace it."));
    }
    return request.replace;
}

void ConsoleMoverPort::undecodablePages(const QByteArrayList& names) {
    console.tell(UndecodablePagesMessage(names));
}

// The reason names the entry in the way, whose name anyone who can write in the site folder
// chooses: it is shown on one line, its control characters escaped, never sent raw.
void ConsoleMoverPort::replacementRefused(const QString& folder, const QString& reason) {
    console.tell(ReadableText(ReplacementRefusedMessage(folder, reason)));
}

void ConsoleMoverPort::redirectsLeftOut(const QList<LeftOutRedirect>& leftOut) {
    for (const LeftOutRedirect& redirect : leftOut) {
        console.tell(ReadableText(LeftOutRedirectMessage(redirect)));
    }
    leftOutCount += leftOut.size();
}

void ConsoleMoverPort::pageStarting(qsizetype index, qsizetype count) {
    progress.showPage(index + 1, count);
}
