#pragma once

#include "movers/mover_pages.h"
#include "movers/page_listing.h"
#include "movers/server_rules.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// What the command line asks for.
enum class CommandLineAction { Movers, Frames, List, Check, Help, Version };

// What a run does when one of its steps fails: end there, or go on with the next step.
enum class OnStepFailure { Abort, Ignore };

struct CommandLineRequest {
    CommandLineAction action = CommandLineAction::Help;
    QString folder;  // the site folder, absolute and clean
    QString address; // the new address, as given
    std::int16_t delay = 0;
    bool replace = false;
    OnStepFailure onStepFailure = OnStepFailure::Abort;
    ListingDepth depth = ListingDepth::Folder; // WholeTree with "--recursive"
    QList<ServerRulesKind> rulesKinds;         // "--rules", in the order given, each once
    QString oldPath = QStringLiteral("/");     // "--old-path", ending in "/"
    PageExtras pageExtras;                     // "--keep-query", "--canonical"
};

// A command line read: the request, or the one-line reason why it is unusable.
struct ParsedCommandLine {
    std::optional<CommandLineRequest> request;
    QString usageError;
};

// Reads the program's arguments (the program name first). "--help" and "--version" win over
// everything else; otherwise exactly one of
// "--movers", "--frames", "--list" and "--check" is needed, with only the options that belong
// to it, each at most once, and one existing folder. An address is refused when it is blank or
// holds a control character (a line break above all), which would break the one-line page.
// "--rules" takes kinds of rules files by name, separated by commas; "--old-path" a URL path from
// "/", percent-decoded once, and only with "--rules". "--delay" takes ASCII digits alone.
ParsedCommandLine ParseCommandLine(const QStringList& arguments);

// The usage forms and one line per option, as "--help" prints them.
QString UsageText();
