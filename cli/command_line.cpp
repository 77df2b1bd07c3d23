#include "cli/command_line.h"

#include "cli/percent_decoding.h"
#include "movers/undecodable_names.h"
#include "movers/whole_number.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <array>

namespace {

// The actions an option belongs to, as bits; an action's own option belongs to none.
enum ActionBits : unsigned {
    kNone = 0,
    kMovers = 1,
    kFrames = 2,
    kList = 4,
    kCheck = 8,
    kRuns = kMovers | kFrames,
};

// One option of the command line: its name, its value's name in the help, the actions it
// belongs to and its line of help.
struct OptionDefinition {
    const char* name;
    const char* valueName; // empty for a switch
    unsigned belongsTo;
    const char* description;
};

constexpr std::array<OptionDefinition, 15> kOptions{{
    {"movers", "", kNone, "Write redirect pages into FOLDER/zandrifts."},
    {"frames", "", kNone, "Write framed-forwarding pages into FOLDER/framedforward."},
    {"list", "", kNone, "Print the page files a run would take, one per line."},
    {"check", "", kNone, "Print the pages not found at the new address; write nothing."},
    {"address", "URL", kRuns | kCheck,
     "The site's new address, used as given (no control characters)."},
    {"delay", "N", kMovers, "Seconds before a redirect page moves on: a whole number 0..32767."},
    {"recursive", "", kRuns | kList | kCheck,
     "Take the pages of subfolders too (a run mirrors the tree in its output)."},
    {"rules", "LIST", kRuns,
     "Server rules files to write too: apache,nginx,caddy,netlify,firebase,vercel."},
    {"old-path", "PATH", kRuns, "With --rules: FOLDER's URL path on the old server (/)."},
    {"replace", "", kRuns,
     "Replace an existing output folder of plain files (folders: --recursive)."},
    {"on-error", "abort|ignore", kRuns,
     "At a failing step end the run (abort, the default) or go on."},
    {"keep-query", "", kRuns, "A script carries the visitor's ?query and #fragment along."},
    {"canonical", "", kRuns, "Each page names its new address as its canonical address."},
    {"help", "", kNone, "Print this help and exit."},
    {"version", "", kNone, "Print the version and exit."},
}};

struct ActionOption {
    const char* name;
    CommandLineAction action;
    unsigned bit;
};

constexpr std::array<ActionOption, 4> kActions{{
    {"movers", CommandLineAction::Movers, kMovers},
    {"frames", CommandLineAction::Frames, kFrames},
    {"list", CommandLineAction::List, kList},
    {"check", CommandLineAction::Check, kCheck},
}};

QString optionText(const char* name) {
    return QStringLiteral("--") + QLatin1String(name);
}

// A value as it can be quoted in a one-line message: control characters escaped.
QString quoted(const QString& value) {
    return u'\'' + ReadableText(value) + u'\'';
}

ParsedCommandLine accepted(const CommandLineRequest& request) {
    return {request, {}};
}

ParsedCommandLine actionAlone(CommandLineAction action) {
    CommandLineRequest request;
    request.action = action;
    return accepted(request);
}

ParsedCommandLine refused(const QString& reason) {
    return {std::nullopt, reason};
}

bool breaksTheLine(QChar character) {
    return character.category() == QChar::Other_Control ||
           character.category() == QChar::Separator_Line ||
           character.category() == QChar::Separator_Paragraph;
}

QString addressFault(const QString& address) {
    if (address.trimmed().isEmpty()) {
        return QStringLiteral("The address is empty.");
    }
    if (std::any_of(address.cbegin(), address.cend(), breaksTheLine)) {
        return QStringLiteral("The address holds a line break or another control character.");
    }
    return {};
}

QString folderFault(const QString& folder) {
    const QFileInfo info(folder);
    if (!info.exists()) {
        return quoted(folder) + QStringLiteral(" does not exist.");
    }
    if (!info.isDir()) {
        return quoted(folder) + QStringLiteral(" is not a folder.");
    }
    return {};
}

QString repeatedOption(const QStringList& names) {
    for (const QString& name : names) {
        if (names.count(name) > 1) {
            return QStringLiteral("--") + name + QStringLiteral(" is given more than once.");
        }
    }
    return {};
}

// The options that do not belong to the action.
QString strayOption(const QCommandLineParser& parser, const ActionOption& action) {
    for (const OptionDefinition& option : kOptions) {
        if (option.belongsTo != kNone && (option.belongsTo & action.bit) == 0 &&
            parser.isSet(QLatin1String(option.name))) {
            return optionText(option.name) + QStringLiteral(" does not go with ") +
                   optionText(action.name) + u'.';
        }
    }
    return {};
}

// The delay a "--delay" text gives: ASCII digits alone, so that a script's value is read as
// it is written (no sign, blank, decimal point or exponent), from 0 to 32767 as in the
// window's delay box.
std::optional<std::int16_t> delayOf(const QString& text) {
    const bool digitsAlone =
        !text.isEmpty() &&
        std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    return digitsAlone ? Module1::ParseDelay(text) : std::nullopt;
}

// The options of a run or a check: the address, the delay of redirect pages, and what to do
// at a failure. Fills `request`; returns the fault found, if any.
QString readRunOptions(const QCommandLineParser& parser, CommandLineRequest& request) {
    if (!parser.isSet(QStringLiteral("address"))) {
        return QStringLiteral("--address URL is missing.");
    }
    request.address = parser.value(QStringLiteral("address"));
    if (const QString fault = addressFault(request.address); !fault.isEmpty()) {
        return fault;
    }
    if (request.action == CommandLineAction::Movers) {
        if (!parser.isSet(QStringLiteral("delay"))) {
            return QStringLiteral("--delay N is missing.");
        }
        const QString delayText = parser.value(QStringLiteral("delay"));
        const std::optional<std::int16_t> delay = delayOf(delayText);
        if (!delay) {
            return QStringLiteral("The delay must be a whole number from 0 to 32767, not ") +
                   quoted(delayText) + u'.';
        }
        request.delay = *delay;
    }
    request.replace = parser.isSet(QStringLiteral("replace"));
    request.pageExtras = {.keepQuery = parser.isSet(QStringLiteral("keep-query")),
                          .canonical = parser.isSet(QStringLiteral("canonical"))};
    if (parser.isSet(QStringLiteral("on-error"))) {
        const QString onError = parser.value(QStringLiteral("on-error"));
        if (onError != QStringLiteral("abort") && onError != QStringLiteral("ignore")) {
            return QStringLiteral("--on-error takes abort or ignore, not ") + quoted(onError) +
                   u'.';
        }
        request.onStepFailure =
            onError == QStringLiteral("ignore") ? OnStepFailure::Ignore : OnStepFailure::Abort;
    }
    return {};
}

// The kinds of rules files a "--rules" list names, in its order, each once.
QString readRulesKinds(const QString& list, QList<ServerRulesKind>& kinds) {
    for (const QString& name : list.split(u',')) {
        const QList<ServerRulesKind>& known = ServerRulesKinds();
        const auto kind =
            std::find_if(known.cbegin(), known.cend(),
                         [&](const ServerRulesKind& each) { return each.name == name; });
        if (kind == known.cend()) {
            QStringList names;
            for (const ServerRulesKind& each : known) {
                names << each.name;
            }
            return QStringLiteral("--rules takes %1 and %2, separated by commas, not ")
                       .arg(names.mid(0, names.size() - 1).join(QStringLiteral(", ")),
                            names.back()) +
                   quoted(name) + u'.';
        }
        if (std::none_of(kinds.cbegin(), kinds.cend(),
                         [&](const ServerRulesKind& each) { return each.name == name; })) {
            kinds << *kind;
        }
    }
    return {};
}

// The old path "--old-path" gives, as an address bar shows it: percent-decoded once, then a
// plain path (IsPlainUrlPath) without a control character or line break, so the servers
// match it as it is written. Fills `oldPath`, ending in "/"; returns the fault found, if any.
QString readOldPath(const QString& given, QString& oldPath) {
    const PercentDecoded decoded = DecodePercentEncoding(given);
    switch (decoded.fault) {
    case PercentDecoded::Fault::BadEscape:
        return QStringLiteral("--old-path takes \"%\" only before two hexadecimal digits (\"%\" "
                              "itself is %25), not ") +
               quoted(given) + u'.';
    case PercentDecoded::Fault::NotUtf8:
        return QStringLiteral("--old-path takes escapes that decode to UTF-8 text, not ") +
               quoted(given) + u'.';
    case PercentDecoded::Fault::None:
        break;
    }
    const QString& path = decoded.text;
    if (std::any_of(path.cbegin(), path.cend(), breaksTheLine)) {
        return QStringLiteral("--old-path takes no line break or other control character, "
                              "escaped or not, not ") +
               quoted(given) + u'.';
    }
    if (!IsPlainUrlPath(path)) {
        return QStringLiteral("--old-path takes a URL path from \"/\" without \"//\", "
                              "\".\" or \"..\" parts, not ") +
               quoted(given) + u'.';
    }
    oldPath = path.endsWith(u'/') ? path : path + u'/';
    return {};
}

// The rules files and the old path, with the folder's subfolders or without. Fills `request`;
// returns the fault found, if any.
QString readTreeOptions(const QCommandLineParser& parser, CommandLineRequest& request) {
    if (parser.isSet(QStringLiteral("recursive"))) {
        request.depth = ListingDepth::WholeTree;
    }
    if (parser.isSet(QStringLiteral("rules"))) {
        if (const QString fault =
                readRulesKinds(parser.value(QStringLiteral("rules")), request.rulesKinds);
            !fault.isEmpty()) {
            return fault;
        }
    }
    if (parser.isSet(QStringLiteral("old-path"))) {
        if (request.rulesKinds.isEmpty()) {
            return QStringLiteral("--old-path goes only with --rules.");
        }
        return readOldPath(parser.value(QStringLiteral("old-path")), request.oldPath);
    }
    return {};
}

ParsedCommandLine readAction(const QCommandLineParser& parser, const ActionOption& action) {
    CommandLineRequest request;
    request.action = action.action;
    if (const QString fault = strayOption(parser, action); !fault.isEmpty()) {
        return refused(fault);
    }
    if (action.action != CommandLineAction::List) {
        if (const QString fault = readRunOptions(parser, request); !fault.isEmpty()) {
            return refused(fault);
        }
    }
    if (const QString fault = readTreeOptions(parser, request); !fault.isEmpty()) {
        return refused(fault);
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty()) {
        return refused(QStringLiteral("FOLDER is missing."));
    }
    if (positional.size() > 1) {
        return refused(QStringLiteral("Unexpected argument ") + quoted(positional.at(1)) + u'.');
    }
    if (const QString fault = folderFault(positional.front()); !fault.isEmpty()) {
        return refused(fault);
    }
    request.folder = QDir(positional.front()).absolutePath();
    return accepted(request);
}

} // namespace

ParsedCommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    for (const OptionDefinition& option : kOptions) {
        parser.addOption(QCommandLineOption(QLatin1String(option.name),
                                            QLatin1String(option.description),
                                            QLatin1String(option.valueName)));
    }
    if (!parser.parse(arguments)) {
        return refused(parser.errorText());
    }
    if (parser.isSet(QStringLiteral("help"))) {
        return actionAlone(CommandLineAction::Help);
    }
    if (parser.isSet(QStringLiteral("version"))) {
        return actionAlone(CommandLineAction::Version);
    }
    if (const QString fault = repeatedOption(parser.optionNames()); !fault.isEmpty()) {
        return refused(fault);
    }
    const auto given = [&parser](const ActionOption& action) {
        return parser.isSet(QLatin1String(action.name));
    };
    const auto action = std::find_if(kActions.cbegin(), kActions.cend(), given);
    if (action == kActions.cend()) {
        return refused(QStringLiteral("Give one of --movers, --frames, --list and --check."));
    }
    if (std::count_if(kActions.cbegin(), kActions.cend(), given) > 1) {
        return refused(QStringLiteral("Give only one of --movers, --frames, --list and --check."));
    }
    return readAction(parser, *action);
}

QString UsageText() {
    QString text = QStringLiteral(
        "Usage: zandrift --movers --address URL --delay N [--recursive] [--rules LIST]\n"
        "                [--old-path PATH] [--replace] [--on-error abort|ignore]\n"
        "                [--keep-query] [--canonical] FOLDER\n"
        "       zandrift --frames --address URL [--recursive] [--rules LIST]\n"
        "                [--old-path PATH] [--replace] [--on-error abort|ignore]\n"
        "                [--keep-query] [--canonical] FOLDER\n"
        "       zandrift --list [--recursive] FOLDER\n"
        "       zandrift --check --address URL [--recursive] FOLDER\n"
        "       zandrift --help | --version\n"
        "Without arguments zandrift opens its window.\n"
        "\n"
        "Options:\n");
    for (const OptionDefinition& option : kOptions) {
        QString names = optionText(option.name);
        if (*option.valueName != '\0') {
            names += u' ' + QLatin1String(option.valueName);
        }
        text += QStringLiteral("  ") + names.leftJustified(25) + QLatin1String(option.description) +
                u'\n';
    }
    text += QStringLiteral("\nExit status: 0 when every page was written, 1 when the run ended "
                           "early, a step failed\nor a rules file left out a redirect, 2 for bad "
                           "usage, 128 + N when signal N\n"
                           "stopped the run (130 for Ctrl+C).\nWith --check: 0 when every "
                           "page was found at the new address, 1 when any was not.");
    return text;
}
