#include "cli/options/shell_completions.h"

#include "cli/options/command_line_options.h"

namespace {

// Text as a single-quoted word of fish.
QString quoted(const QString& text) {
    return u'\'' +
           QString(text)
               .replace(u'\\', QStringLiteral("\\\\"))
               .replace(u'\'', QStringLiteral("\\'")) +
           u'\'';
}

// The choices offered for the option's value: its choices, or those after the last comma of a
// list (fish's own __fish_complete_list); none for a switch or a free value.
QString arguments(const CommandLineOption& option) {
    const QStringList choices = Choices(option);
    if (option.value == OptionValue::OneOf) {
        return QStringLiteral(" -a ") + quoted(choices.join(u' '));
    }
    if (option.value == OptionValue::ListOf) {
        return QStringLiteral(" -a ") +
               quoted(QStringLiteral("(__fish_complete_list , \"string split , ") +
                      choices.join(u',') + QStringLiteral("\")"));
    }
    return {};
}

} // namespace

QString FishCompletion() {
    QString text = QStringLiteral(
        "# fish completion for zandrift, made from the program's option table.\n"
        "# FOLDER: folders, and no other files.\n"
        "complete -c zandrift -f -a '(__fish_complete_directories (commandline -ct))'\n");
    for (const CommandLineOption& option : CommandLineOptions()) {
        // -x: the option takes a value, and no file is offered for it; -r -F: a file's path.
        text += QStringLiteral("complete -c zandrift -l ") + QLatin1String(option.name) +
                (option.value == OptionValue::None   ? QString()
                 : option.value == OptionValue::File ? QStringLiteral(" -r -F")
                                                     : QStringLiteral(" -x")) +
                arguments(option) + QStringLiteral(" -d ") + quoted(QLatin1String(option.help)) +
                u'\n';
    }
    return text;
}
