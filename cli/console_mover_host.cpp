#include "cli/console_mover_host.h"

#include "cli/console.h"
#include "movers/undecodable_names.h"

ConsoleMoverHost::ConsoleMoverHost(Console& console, const CommandLineRequest& request,
                                   QString doneMessage, qsizetype pageCount,
                                   std::function<bool()> stop)
    : console(console), request(request), doneMessage(std::move(doneMessage)),
      stop(std::move(stop)), progress(console, pageCount) {}

MsgAnswer ConsoleMoverHost::MsgBox(const QString& text, MsgButtons buttons, MsgIcon /*icon*/) {
    if (buttons == MsgButtons::OK && text == doneMessage) {
        done = true;
        return MsgAnswer::OK;
    }
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
    ++failures;
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

void ConsoleMoverHost::setCaption(const QString& /*caption*/) {
    progress.advance();
}
