#include "cli/console_mover_host.h"

#include "cli/console.h"
#include "movers/undecodable_names.h"

ConsoleMoverHost::ConsoleMoverHost(Console& console, const CommandLineRequest& request,
                                   std::function<bool()> stop)
    : console(console), request(request), stop(std::move(stop)), progress(console) {}

MsgAnswer ConsoleMoverHost::MsgBox(const QString& text, MsgButtons buttons, MsgIcon /*icon*/) {
    console.tell(text);
    switch (buttons) {
    case MsgButtons::YesNo:
        return MsgAnswer::No;
    case MsgButtons::AbortRetryIgnore:
        return MsgAnswer::Abort;
    default:
        return MsgAnswer::OK;
    }
}

MsgAnswer ConsoleMoverHost::stepFailed(const FileError& error, const QString& path) {
    console.tell(error.message() + QStringLiteral(": ") + ReadableText(path));
    return request.onStepFailure == OnStepFailure::Ignore ? MsgAnswer::Ignore : MsgAnswer::Abort;
}

bool ConsoleMoverHost::replaceExistingFolder(const QString& folder) {
    if (!request.replace) {
        console.tell(ReadableText(folder) +
                     QStringLiteral(" already exists; give --replace to replace it."));
    }
    return request.replace;
}

// The reason names the entry in the way, whose name anyone who can write in the site folder
// chooses: it is shown on one line, its control characters escaped, never sent raw.
void ConsoleMoverHost::replacementRefused(const QString& folder, const QString& reason) {
    console.tell(ReadableText(ReplacementRefusedMessage(folder, reason)));
}

void ConsoleMoverHost::redirectsLeftOut(const QList<LeftOutRedirect>& leftOut) {
    for (const LeftOutRedirect& redirect : leftOut) {
        console.tell(ReadableText(LeftOutRedirectMessage(redirect)));
    }
    leftOutCount += leftOut.size();
}

void ConsoleMoverHost::pageStarting(qsizetype index, qsizetype count) {
    progress.showPage(index + 1, count);
}
