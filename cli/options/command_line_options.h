#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <span>

// What the command line asks for.
enum class CommandLineAction { Movers, Frames, List, Check, Verify, Help, Version };

// A set of actions, one bit each.
using ActionSet = unsigned;

constexpr ActionSet ActionBit(CommandLineAction action) {
    return 1U << static_cast<unsigned>(action);
}

// What an option's value is: none (a switch), free text, a file's path, one of its choices, or
// its choices separated by commas.
enum class OptionValue { None, Text, File, OneOf, ListOf };

// One option of the command line: what the parser reads, the line "--help" shows, the text
// of the manual page and what the shells complete.
struct CommandLineOption {
    const char* name; // without the leading "--"
    // The action the option names, if it names one. An action `alone` takes nothing else, not
    // even FOLDER, and is done whatever else is given.
    std::optional<CommandLineAction> action = std::nullopt;
    bool alone = false;
    ActionSet goesWith = 0; // the actions it may be given with
    ActionSet neededBy = 0; // the actions it must be given with
    OptionValue value = OptionValue::None;
    const char* valueName = ""; // of a Text, File or ListOf value, as the help names it
    const char* choices = "";   // of a OneOf or ListOf value, separated by blanks
    const char* help;           // the line of "--help"
    const char* manual;         // the manual page's text, in roff, between line breaks
};

// Every option, in the order of "--help" and of the manual page.
std::span<const CommandLineOption> CommandLineOptions();

// The option of that name, which the table holds.
const CommandLineOption& CommandLineOptionNamed(QStringView name);

// The one argument besides the options: the site folder.
inline constexpr char kFolderArgument[] = "FOLDER";

// "--name".
QString OptionText(const CommandLineOption& option);

// The choices of a OneOf or ListOf value; none for the others.
QStringList Choices(const CommandLineOption& option);

// The value as the help names it: its name, or a OneOf's choices as "abort|ignore"; empty
// for a switch.
QString ValueName(const CommandLineOption& option);

// The option with its value's name, as the help shows it: "--address URL".
QString OptionWithValue(const CommandLineOption& option);
