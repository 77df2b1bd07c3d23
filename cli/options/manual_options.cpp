#include "cli/options/manual_options.h"

#include "cli/options/command_line_options.h"

namespace {

// Text to be printed as it is written: each "-" as "\-", the hyphen-minus a reader can type
// (a plain "-" may be printed as a hyphen).
QString roffLiteral(QString text) {
    return text.replace(u'-', QStringLiteral("\\-"));
}

// The option in bold and its value's name in italics (".BI \-\-address " URL""), or its
// choices in bold between roman bars (".BR "\-\-on\-error abort" | ignore").
QString heading(const CommandLineOption& option) {
    const QString name = roffLiteral(OptionText(option));
    if (option.value == OptionValue::None) {
        return QStringLiteral(".B ") + name;
    }
    if (option.value == OptionValue::OneOf) {
        const QStringList choices = Choices(option);
        QString text = QStringLiteral(".BR \"") + name + u' ' + roffLiteral(choices.first()) + u'"';
        for (const QString& choice : choices.mid(1)) {
            text += QStringLiteral(" | ") + roffLiteral(choice);
        }
        return text;
    }
    return QStringLiteral(".BI ") + name + QStringLiteral(" \" ") +
           roffLiteral(QLatin1String(option.valueName)) + u'"';
}

} // namespace

QString ManualOptions() {
    QString text;
    for (const CommandLineOption& option : CommandLineOptions()) {
        text += QStringLiteral(".TP\n") + heading(option) + QLatin1String(option.manual);
    }
    return text;
}
