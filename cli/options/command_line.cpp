#include "cli/options/command_line.h"

#include "cli/options/percent_decoding.h"
#include "movers/files/control_characters.h"
#include "movers/files/undecodable_names.h"
#include "movers/pages/new_addresses.h"
#include "movers/pages/path_joiners.h"
#include "movers/pages/whole_number.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include <algorithm>
#include <span>

namespace {

// A value as it can be quoted in a one-line message: control characters escaped.
QString quoted(const QString& value) {
    return u'\'' + ReadableText(value) + u'\'';
}

// "a, b and c".
QString joinedWithAnd(const QStringList& names) {
    return names.mid(0, names.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ") +
           names.back();
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

QString addressFault(const QString& address) {
    if (address.trimmed().isEmpty()) {
        return QStringLiteral("The address is empty.");
    }
    if (HoldsLineBreakOrControl(address)) {
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

// The options that do not go with the action.
QString strayOption(const QCommandLineParser& parser, const CommandLineOption& action) {
    for (const CommandLineOption& option : CommandLineOptions()) {
        if (!option.action && (option.goesWith & ActionBit(*action.action)) == 0 &&
            parser.isSet(QLatin1String(option.name))) {
            return OptionText(option) + QStringLiteral(" does not go with ") + OptionText(action) +
                   u'.';
        }
    }
    return {};
}

// "--name VALUE is missing." when the action needs the option and it is not given.
QString missingOption(const QCommandLineParser& parser, CommandLineAction action,
                      QStringView name) {
    const CommandLineOption& option = CommandLineOptionNamed(name);
    if ((option.neededBy & ActionBit(action)) == 0 || parser.isSet(name.toString())) {
        return {};
    }
    return OptionWithValue(option) + QStringLiteral(" is missing.");
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
    if (const QString fault = missingOption(parser, request.action, u"address"); !fault.isEmpty()) {
        return fault;
    }
    if (parser.isSet(QStringLiteral("address"))) {
        request.inputs.newAddress = parser.value(QStringLiteral("address"));
        if (const QString fault = addressFault(request.inputs.newAddress); !fault.isEmpty()) {
            return fault;
        }
    }
    request.mapFile = parser.value(QStringLiteral("map"));
    if (const QString fault = missingOption(parser, request.action, u"delay"); !fault.isEmpty()) {
        return fault;
    }
    if (parser.isSet(QStringLiteral("delay"))) {
        const QString delayText = parser.value(QStringLiteral("delay"));
        const std::optional<std::int16_t> delay = delayOf(delayText);
        if (!delay) {
            return QStringLiteral("The delay must be a whole number from 0 to 32767, not ") +
                   quoted(delayText) + u'.';
        }
        request.inputs.delay = *delay;
        request.inputs.delayGiven = true;
    }
    request.replace = parser.isSet(QStringLiteral("replace"));
    request.inputs.pageExtras = {.keepQuery = parser.isSet(QStringLiteral("keep-query")),
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
            return QStringLiteral("--rules takes ") +
                   joinedWithAnd(Choices(CommandLineOptionNamed(u"rules"))) +
                   QStringLiteral(", separated by commas, not ") + quoted(name) + u'.';
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
    if (HoldsLineBreakOrControl(path)) {
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

// The address "--old-address" gives: a full http: or https: address without a query or a
// fragment, whose path is the old path. Fills the old path and the old address, both ending in
// "/"; returns the fault found, if any.
QString readOldAddress(const QString& given, CommandLineRequest& request) {
    const QUrl address(given, QUrl::StrictMode);
    if (!address.isValid() || !IsFullWebAddress(given) || address.host().isEmpty() ||
        address.hasQuery() || address.hasFragment() || HoldsLineBreakOrControl(given)) {
        return QStringLiteral("--old-address takes a full http: or https: address without a query "
                              "or a fragment, not ") +
               quoted(given) + u'.';
    }
    const QString path = address.path(QUrl::FullyEncoded);
    if (const QString fault =
            readOldPath(path.isEmpty() ? QStringLiteral("/") : path, request.inputs.oldPath);
        !fault.isEmpty()) {
        return fault;
    }
    request.oldAddress = Module1::AddSlash(given);
    return {};
}

// What redirects the run writes: the rules files, the sitemaps, the old path or address, every
// file or the pages alone. Fills `request`; returns the fault found, if any.
QString readRedirectOptions(const QCommandLineParser& parser, CommandLineRequest& request) {
    MoverInputs& inputs = request.inputs;
    if (parser.isSet(QStringLiteral("rules"))) {
        if (const QString fault =
                readRulesKinds(parser.value(QStringLiteral("rules")), inputs.rulesKinds);
            !fault.isEmpty()) {
            return fault;
        }
    }
    const bool sitemaps = parser.isSet(QStringLiteral("sitemaps"));
    const bool redirects = !inputs.rulesKinds.isEmpty() || sitemaps;
    const bool verify = request.action == CommandLineAction::Verify;
    for (const char* option : {"old-path", "old-address", "every-file"}) {
        if (parser.isSet(QLatin1String(option)) && !redirects && !verify) {
            return QStringLiteral("--%1 goes only with --rules or --sitemaps.")
                .arg(QLatin1String(option));
        }
    }
    request.everyFile = parser.isSet(QStringLiteral("every-file"));
    if (parser.isSet(QStringLiteral("old-path")) && parser.isSet(QStringLiteral("old-address"))) {
        return QStringLiteral("Give --old-path or --old-address, not both.");
    }
    if (parser.isSet(QStringLiteral("old-path"))) {
        return readOldPath(parser.value(QStringLiteral("old-path")), inputs.oldPath);
    }
    if (const QString fault = missingOption(parser, request.action, u"old-address");
        !fault.isEmpty()) {
        return fault;
    }
    if (parser.isSet(QStringLiteral("old-address"))) {
        if (const QString fault =
                readOldAddress(parser.value(QStringLiteral("old-address")), request);
            !fault.isEmpty()) {
            return fault;
        }
    }
    if (sitemaps && request.oldAddress.isEmpty()) {
        return QStringLiteral("--sitemaps needs --old-address.");
    }
    for (const char* option : {"sitemaps", "verify"}) {
        if (parser.isSet(QLatin1String(option)) && !IsFullWebAddress(inputs.newAddress)) {
            return QStringLiteral("--%1 needs an --address starting with http:// or https://.")
                .arg(QLatin1String(option));
        }
    }
    if (sitemaps) {
        inputs.sitemapsOldAddress = request.oldAddress;
    }
    return {};
}

// The rules files and the old path, with the folder's subfolders or without. Fills `request`;
// returns the fault found, if any.
QString readTreeOptions(const QCommandLineParser& parser, CommandLineRequest& request) {
    if (parser.isSet(QStringLiteral("recursive"))) {
        request.inputs.depth = ListingDepth::WholeTree;
    }
    return readRedirectOptions(parser, request);
}

// The actions that take a folder, as "--movers, --frames, --list, --check and --verify".
QString actionNames() {
    QStringList names;
    for (const CommandLineOption& option : CommandLineOptions()) {
        if (option.action && !option.alone) {
            names << OptionText(option);
        }
    }
    return joinedWithAnd(names);
}

ParsedCommandLine readAction(const QCommandLineParser& parser, const CommandLineOption& action) {
    CommandLineRequest request;
    request.action = *action.action;
    if (const QString fault = strayOption(parser, action); !fault.isEmpty()) {
        return refused(fault);
    }
    if (const QString fault = readRunOptions(parser, request); !fault.isEmpty()) {
        return refused(fault);
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
    request.inputs.siteFolder = QDir(positional.front()).absolutePath();
    return accepted(request);
}

} // namespace

ParsedCommandLine ParseCommandLine(const QStringList& arguments) {
    const std::span<const CommandLineOption> options = CommandLineOptions();
    QCommandLineParser parser;
    for (const CommandLineOption& option : options) {
        parser.addOption(QCommandLineOption(QLatin1String(option.name), QLatin1String(option.help),
                                            ValueName(option)));
    }
    if (!parser.parse(arguments)) {
        return refused(parser.errorText());
    }
    for (const CommandLineOption& option : options) {
        if (option.alone && parser.isSet(QLatin1String(option.name))) {
            return actionAlone(*option.action);
        }
    }
    if (const QString fault = repeatedOption(parser.optionNames()); !fault.isEmpty()) {
        return refused(fault);
    }
    const auto given = [&parser](const CommandLineOption& option) {
        return option.action && !option.alone && parser.isSet(QLatin1String(option.name));
    };
    const auto action = std::find_if(options.begin(), options.end(), given);
    if (action == options.end()) {
        return refused(QStringLiteral("Give one of ") + actionNames() + u'.');
    }
    if (std::count_if(options.begin(), options.end(), given) > 1) {
        return refused(QStringLiteral("Give only one of ") + actionNames() + u'.');
    }
    return readAction(parser, *action);
}
