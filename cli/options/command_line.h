#pragma once

#include "cli/options/command_line_options.h"
#include "movers/run/mover_port.h"

#include <QString>
#include <QStringList>

#include <optional>

// What a run does when one of its steps fails: end there, or go on with the next step.
enum class OnStepFailure { Abort, Ignore };

// A command line's request: the action, what a mover run reads (the page names are listed
// when the run starts), and what only the command line has.
struct CommandLineRequest {
    CommandLineAction action = CommandLineAction::Help;
    // The site folder, absolute and clean; the new address, as given; the delay ("--delay");
    // the depth ("--recursive"); the rules kinds ("--rules", in the order given, each once); the
    // old path ("--old-path", ending in "/"); the page extras ("--keep-query", "--canonical").
    MoverInputs inputs;
    QString mapFile; // "--map": the move map, read when the pages are listed
    // "--old-address": where the site folder is served today, ending in "/"
    QString oldAddress = {};
    bool everyFile = false; // "--every-file": the rules redirect the site's other files too
    bool replace = false;
    OnStepFailure onStepFailure = OnStepFailure::Abort;
};

// A command line read: the request, or the one-line reason why it is unusable.
struct ParsedCommandLine {
    std::optional<CommandLineRequest> request;
    QString usageError;
};

// Reads the program's arguments (the program name first). "--help" and "--version" win over
// everything else; otherwise exactly one of "--movers", "--frames", "--list", "--check" and
// "--verify" is needed, with only the options that belong to it, each at most once, and one
// existing folder. An address is refused when it is blank or
// holds a control character (a line break above all), which would break the one-line page.
// "--rules" takes kinds of rules files by name, separated by commas; "--old-path" a URL path from
// "/", percent-decoded once, or "--old-address" the full address whose path it is, and only with
// "--rules" or "--sitemaps", which needs "--old-address" and a web address; "--every-file" goes
// only with them too. "--verify" needs "--old-address" and a web address. "--delay" takes ASCII
// digits alone.
ParsedCommandLine ParseCommandLine(const QStringList& arguments);
