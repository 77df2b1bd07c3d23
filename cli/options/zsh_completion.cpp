#include "cli/options/shell_completions.h"

#include "cli/options/command_line_options.h"

namespace {

// Text inside a single-quoted word of zsh, as an explanation in brackets of _arguments.
QString explanation(const char* text) {
    return QString::fromLatin1(text)
        .replace(u'\'', QStringLiteral("'\\''"))
        .replace(u'[', QStringLiteral("\\["))
        .replace(u']', QStringLiteral("\\]"));
}

// The option's word for _arguments: "--name=[help]:VALUE:action" for one with a value
// (given after "=" or as the next word), an action alone excluding everything else.
QString argumentsWord(const CommandLineOption& option) {
    QString text = QStringLiteral("  '");
    if (option.alone) {
        text += QStringLiteral("(- :)");
    }
    text += OptionText(option);
    if (option.value != OptionValue::None) {
        text += u'=';
    }
    text += u'[' + explanation(option.help) + u']';
    const QString choices = Choices(option).join(u' ');
    if (option.value == OptionValue::Text) {
        text += u':' + ValueName(option) + QStringLiteral(": ");
    } else if (option.value == OptionValue::File) {
        text += u':' + ValueName(option) + QStringLiteral(":_files");
    } else if (option.value == OptionValue::OneOf) {
        text += u':' + ValueName(option) + QStringLiteral(":(") + choices + u')';
    } else if (option.value == OptionValue::ListOf) {
        text += u':' + ValueName(option) + QStringLiteral(":_sequence compadd - ") + choices;
    }
    return text + QStringLiteral("' \\\n");
}

} // namespace

QString ZshCompletion() {
    QString text = QStringLiteral("#compdef zandrift\n"
                                  "# zsh completion for zandrift, made from the program's option "
                                  "table.\n"
                                  "\n"
                                  "_arguments \\\n");
    for (const CommandLineOption& option : CommandLineOptions()) {
        text += argumentsWord(option);
    }
    return text + QStringLiteral("  ':") + QLatin1String(kFolderArgument) +
           QStringLiteral(":_directories'\n");
}
