#include "cli/command_line_run.h"

#include "cli/check/check_run.h"
#include "cli/console.h"
#include "cli/console_mover_port.h"
#include "cli/listed_inputs.h"
#include "cli/options/command_line.h"
#include "cli/options/usage_text.h"
#include "cli/stop_signals.h"
#include "cli/verify/verify_run.h"
#include "movers/files/disk_files.h"
#include "movers/files/file_name_text.h"
#include "movers/files/page_listing.h"
#include "movers/files/undecodable_names.h"
#include "movers/pages/mover_kinds.h"
#include "movers/pages/path_joiners.h"
#include "movers/run/mover_run.h"

#include <QFile>

#include <optional>
#include <system_error>

#include <unistd.h>

namespace {

// "1 page", "2 pages" and so on.
QString counted(qsizetype count, const QString& one, const QString& many) {
    return QString::number(count) + u' ' + (count == 1 ? one : many);
}

QString pages(qsizetype count) {
    return counted(count, QStringLiteral("page"), QStringLiteral("pages"));
}

// "Wrote N pages to OUTPUT", with the rules files and sitemaps written beside them and how
// many redirects they left out.
QString summary(qsizetype pagesWritten, const QString& outputFolder,
                const CommandLineRequest& request, qsizetype redirectsLeftOut) {
    QString text =
        QStringLiteral("Wrote ") + pages(pagesWritten) + QStringLiteral(" to ") + outputFolder;
    QStringList files;
    for (const ServerRulesKind& kind : request.inputs.rulesKinds) {
        files << kind.fileNames;
    }
    if (!files.isEmpty()) {
        text += QStringLiteral(", with the rules files ") + files.join(QStringLiteral(", "));
    }
    if (!request.inputs.sitemapsOldAddress.isEmpty()) {
        text += (files.isEmpty() ? QStringLiteral(", with") : QStringLiteral(", and")) +
                QStringLiteral(" the sitemaps sitemap-old.xml, sitemap-new.xml");
    }
    if (redirectsLeftOut > 0) {
        text += QStringLiteral(" (") +
                counted(redirectsLeftOut, QStringLiteral("redirect"), QStringLiteral("redirects")) +
                QStringLiteral(" left out)");
    }
    return text;
}

// Every page line of standard output reached it, or the user learns that it did not.
int printed(Console& console) {
    if (console.outputWritten()) {
        return kExitSuccess;
    }
    console.tell(QStringLiteral("Standard output could not be written."));
    return kExitFailure;
}

// The status of a command that asks about pages: success when every page's answer was the one
// hoped for and every line was printed.
int everyPageAnswered(Console& console, bool everyAnswerGood) {
    return printed(console) == kExitSuccess && everyAnswerGood ? kExitSuccess : kExitFailure;
}

int listPages(const CommandLineRequest& request, Console& console) {
    const ListedInputs listed = ListInputs(request, console);
    if (listed.exitStatus) {
        return *listed.exitStatus;
    }
    // With an address, each page's new address after a tab, so that a move can be looked over
    // before anything is written.
    const bool withAddresses = !request.inputs.newAddress.isEmpty();
    const NewAddresses addresses(listed.inputs.newAddress, listed.inputs.newPlaces);
    for (const QString& name : listed.inputs.pageNames) {
        console.print(withAddresses ? ReadableText(name) + u'\t' + ReadableText(addresses.of(name))
                                    : ReadableText(name));
    }
    return printed(console);
}

int checkPages(const CommandLineRequest& request, Console& console) {
    const ListedInputs listed = ListInputs(request, console);
    if (listed.exitStatus) {
        return *listed.exitStatus;
    }
    const CheckOutcome outcome =
        CheckPages(NewAddresses(listed.inputs.newAddress, listed.inputs.newPlaces),
                   listed.inputs.pageNames, console);
    return everyPageAnswered(console, outcome.found == outcome.checked);
}

int verifyMoves(const CommandLineRequest& request, Console& console) {
    const ListedInputs listed = ListInputs(request, console);
    if (listed.exitStatus) {
        return *listed.exitStatus;
    }
    const MoverInputs& inputs = listed.inputs;
    const bool moved = VerifyMoves(request.oldAddress, inputs.oldPath,
                                   NewAddresses(inputs.newAddress, inputs.newPlaces),
                                   inputs.pageNames + inputs.otherFiles, console);
    return everyPageAnswered(console, moved);
}

int writePages(const CommandLineRequest& request, Console& console) {
    const MoverKind kind =
        request.action == CommandLineAction::Movers ? RedirectPages() : FramedForwardPages();
    const ListedInputs listed = ListInputs(request, console);
    if (listed.exitStatus) {
        return *listed.exitStatus;
    }
    const MoverInputs& inputs = listed.inputs;
    const StopSignals stopSignals;
    ConsoleMoverPort port(console, request, [&stopSignals] { return stopSignals.received(); });
    DiskFiles files;
    const MoverOutcome outcome = MoverRun(kind, port, files).run(inputs);
    console.clearProgress();

    const QString outputFolder = ReadableText(outcome.outputFolder);
    if (outcome.end == MoverEnd::Completed && outcome.failedSteps == 0) {
        console.print(
            summary(outcome.pagesWritten, outputFolder, request, port.redirectsLeftOut()));
        // A redirect left out of a rules file is a page whose old address the server will not
        // answer as asked: the status says so, as standard error named it.
        return port.redirectsLeftOut() > 0 ? kExitFailure : printed(console);
    }
    // What is left of a run that ended early: whole pages only.
    const QString left = QString::number(outcome.pagesWritten) + QStringLiteral(" of ") +
                         pages(inputs.pageNames.size()) + QStringLiteral(" written to ") +
                         outputFolder + u'.';
    if (outcome.end == MoverEnd::Stopped) {
        console.tell(QStringLiteral("Stopped: ") + left);
        return kExitSignalBase + stopSignals.signalNumber();
    }
    if (port.pagesStarted()) {
        console.tell(left);
    }
    return kExitFailure;
}

bool openStandardStream(QFile& stream, int descriptor) {
    return stream.open(descriptor, QIODevice::WriteOnly | QIODevice::Unbuffered,
                       QFileDevice::DontCloseHandle);
}

int runOn(const QStringList& arguments, Console& console) {
    const ParsedCommandLine parsed = ParseCommandLine(arguments);
    if (!parsed.request) {
        console.tell(parsed.usageError +
                     QStringLiteral("\nTry 'zandrift --help' for more information."));
        return kExitUsage;
    }
    switch (parsed.request->action) {
    case CommandLineAction::Help:
        console.print(UsageText());
        return printed(console);
    case CommandLineAction::Version:
        console.print(QStringLiteral("zandrift " ZANDRIFT_VERSION));
        return printed(console);
    case CommandLineAction::List:
        return listPages(*parsed.request, console);
    case CommandLineAction::Check:
        return checkPages(*parsed.request, console);
    case CommandLineAction::Verify:
        return verifyMoves(*parsed.request, console);
    default:
        return writePages(*parsed.request, console);
    }
}

} // namespace

int RunCommandLine(int argc, char* argv[]) {
    QStringList arguments;
    for (int at = 0; at < argc; ++at) {
        arguments << FileNameText(argv[at]);
    }
    QFile out;
    QFile err;
    const bool errorOpened = openStandardStream(err, STDERR_FILENO);
    if (!openStandardStream(out, STDOUT_FILENO)) {
        // Nothing is done whose result could not be printed.
        if (errorOpened) {
            err.write("zandrift: Standard output could not be opened.\n");
        }
        return kExitFailure;
    }
    if (!errorOpened) {
        return kExitFailure; // no failure could be told, so nothing is done
    }
    Console console(out, err, ::isatty(STDERR_FILENO) == 1);
    return runOn(arguments, console);
}
