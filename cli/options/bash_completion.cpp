#include "cli/options/shell_completions.h"

#include "cli/options/command_line_options.h"

#include <QStringList>

namespace {

// The `case` branch of an option that takes a value, on the word after it: its choices (after
// the last comma, for a list), files for a file's path, or nothing.
QString valueBranch(const CommandLineOption& option) {
    const QString choices = u'\'' + Choices(option).join(u' ') + u'\'';
    QString offer;
    if (option.value == OptionValue::OneOf) {
        offer = QStringLiteral("mapfile -t COMPREPLY < <(compgen -W ") + choices +
                QStringLiteral(" -- \"$cur\"); ");
    } else if (option.value == OptionValue::ListOf) {
        offer =
            QStringLiteral("mapfile -t COMPREPLY < <(compgen -P \"${cur%\"${cur##*,}\"}\" -W ") +
            choices + QStringLiteral(" -- \"${cur##*,}\"); ");
    } else if (option.value == OptionValue::File) {
        offer = QStringLiteral(
            "compopt -o filenames 2>/dev/null; mapfile -t COMPREPLY < <(compgen -f -- \"$cur\"); ");
    }
    return QStringLiteral("    ") + OptionText(option) + QStringLiteral(") ") + offer +
           QStringLiteral("return ;;\n");
}

} // namespace

QString BashCompletion() {
    QStringList names;
    QString branches;
    for (const CommandLineOption& option : CommandLineOptions()) {
        names << OptionText(option);
        if (option.value != OptionValue::None) {
            branches += valueBranch(option);
        }
    }
    names.sort();
    return QStringLiteral(
               "# bash completion for zandrift, made from the program's option table.\n"
               "_zandrift() {\n"
               "    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}\n"
               "    COMPREPLY=()\n"
               "    case $prev in\n"
               "%1"
               "    esac\n"
               "    if [[ $cur == -* ]]; then\n"
               "        mapfile -t COMPREPLY < <(compgen -W '%2' -- \"$cur\")\n"
               "    else\n"
               "        # FOLDER, quoted as a file name by bash\n"
               "        compopt -o filenames 2>/dev/null\n"
               "        mapfile -t COMPREPLY < <(compgen -d -- \"$cur\")\n"
               "    fi\n"
               "}\n"
               "complete -F _zandrift zandrift\n")
        .arg(branches, names.join(u' '));
}
