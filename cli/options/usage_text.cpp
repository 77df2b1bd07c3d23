#include "cli/options/usage_text.h"

#include "cli/options/command_line_options.h"

#include <QStringList>

namespace {

constexpr qsizetype kWidth = 80; // the usage forms are wrapped before passing it

constexpr QLatin1String kFirstLead("Usage: zandrift");
constexpr QLatin1String kLead("       zandrift"); // as wide as the first

// The words of an action's usage form: its option, the options it needs, the others it takes
// in brackets, then FOLDER.
QStringList formWords(const CommandLineOption& action) {
    const ActionSet bit = ActionBit(*action.action);
    QStringList needed{OptionText(action)};
    QStringList optional;
    for (const CommandLineOption& option : CommandLineOptions()) {
        if ((option.neededBy & bit) != 0) {
            needed << OptionWithValue(option);
        } else if ((option.goesWith & bit) != 0) {
            optional << u'[' + OptionWithValue(option) + u']';
        }
    }
    return needed + optional + QStringList(QLatin1String(kFolderArgument));
}

// The words after the lead, joined by blanks, wrapped where the next word would pass kWidth
// (a line holds one word at least); a continuation starts below the first word.
QString wrapped(QLatin1String lead, const QStringList& words) {
    const QString continuation(kFirstLead.size(), u' ');
    QString text;
    QString line = lead;
    for (const QString& word : words) {
        if (line.size() > lead.size() && line.size() + 1 + word.size() > kWidth) {
            text += line + u'\n';
            line = continuation;
        }
        line += u' ' + word;
    }
    return text + line + u'\n';
}

// A form for each action that takes options and FOLDER, then the actions alone on one line.
QString usageForms() {
    QString text;
    QStringList alone;
    for (const CommandLineOption& option : CommandLineOptions()) {
        if (option.alone) {
            alone << OptionText(option);
        } else if (option.action) {
            text += wrapped(text.isEmpty() ? kFirstLead : kLead, formWords(option));
        }
    }
    return text + kLead + u' ' + alone.join(QStringLiteral(" | ")) + u'\n';
}

} // namespace

QString UsageText() {
    QString text = usageForms() + QStringLiteral("Without arguments zandrift opens its window.\n"
                                                 "\n"
                                                 "Options:\n");
    for (const CommandLineOption& option : CommandLineOptions()) {
        text += QStringLiteral("  ") + OptionWithValue(option).leftJustified(25) +
                QLatin1String(option.help) + u'\n';
    }
    text += QStringLiteral("\nExit status: 0 when every page was written, 1 when the run ended "
                           "early, a step failed\nor a rules file left out a redirect, 2 for bad "
                           "usage, 128 + N when signal N\n"
                           "stopped the run (130 for Ctrl+C).\nWith --check: 0 when every "
                           "page was found at the new address, 1 when any was not.");
    return text;
}
