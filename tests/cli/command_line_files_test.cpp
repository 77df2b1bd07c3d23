// The files made from the option table by command_line_files: the manual page and the
// completion scripts name every option with its value, and the completions, run in the real
// shells, offer what each place of the command line takes.
#include "cli/options/command_line_options.h"
#include "movers/folder_tree.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <ostream>
#include <utility>

namespace {

// The files the tool writes from the manual page's template, in a temporary folder.
class CommandLineFiles : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        QProcess tool;
        tool.start(ZANDRIFT_COMMAND_LINE_FILES, {ZANDRIFT_MANUAL_TEMPLATE, folder.path()});
        ASSERT_TRUE(tool.waitForFinished());
        ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    }

    QString path(const char* name) const { return folder.filePath(QLatin1String(name)); }

    QTemporaryDir folder;
};

QStringList words(const char* text) {
    return QString::fromLatin1(text).split(u' ', Qt::SkipEmptyParts);
}

// How a file names an option, and the words of its value it shows on the same line.
struct GeneratedFile {
    const char* name;
    QString (*option)(const CommandLineOption&);
    QStringList (*value)(const CommandLineOption&);
};

} // namespace

TEST_F(CommandLineFiles, NameEveryOptionWithItsValue) {
    const auto roff = [](const CommandLineOption& option) {
        return OptionText(option).replace(u'-', QStringLiteral("\\-"));
    };
    const auto fish = [](const CommandLineOption& option) {
        return QStringLiteral("-l ") + QLatin1String(option.name);
    };
    const auto nameOrChoices = [](const CommandLineOption& option) {
        return *option.valueName != '\0' ? words(option.valueName) : Choices(option);
    };
    const auto nameAndChoices = [](const CommandLineOption& option) {
        return words(option.valueName) + Choices(option);
    };
    const GeneratedFile files[] = {
        {"zandrift.1", roff, nameOrChoices},
        {"_zandrift", OptionText, nameAndChoices},
        {"zandrift.bash", OptionText, Choices},
        {"zandrift.fish", fish, Choices},
    };
    for (const GeneratedFile& file : files) {
        const QStringList lines = QString::fromUtf8(ReadFile(path(file.name))).split(u'\n');
        for (const CommandLineOption& option : CommandLineOptions()) {
            SCOPED_TRACE(std::string(file.name) + ": " + option.name);
            const QStringList expected = QStringList(file.option(option)) + file.value(option);
            const auto holdsAll = [&expected](const QString& line) {
                return std::all_of(expected.cbegin(), expected.cend(),
                                   [&line](const QString& piece) { return line.contains(piece); });
            };
            EXPECT_TRUE(std::any_of(lines.cbegin(), lines.cend(), holdsAll))
                << "no line holds " << expected.join(u',').toStdString();
        }
    }
}

namespace {

// A shell, with the script that prints what it completes for the words after "zandrift"
// (its arguments, the file first), one a line: fish's as "completion<TAB>description", a
// folder ending in "/".
struct Shell {
    const char* program;
    const char* file;
    const char* script;
};

void PrintTo(const Shell& shell, std::ostream* out) {
    *out << shell.program;
}

class ShellCompletion : public CommandLineFiles, public testing::WithParamInterface<Shell> {};

} // namespace

TEST_P(ShellCompletion, OffersWhatEachPlaceTakes) {
    const Shell& shell = GetParam();
    if (QStandardPaths::findExecutable(QLatin1String(shell.program)).isEmpty()) {
        GTEST_SKIP() << shell.program << " is not installed";
    }
    const QTemporaryDir here;
    ASSERT_TRUE(here.isValid());
    for (const char* name : {"site", "my dir"}) {
        ASSERT_TRUE(QDir(here.path()).mkdir(QLatin1String(name)));
    }
    WriteFile(here.filePath(QStringLiteral("sitemap.htm")), "not a folder");
    // The words after "zandrift", the last one being completed, and what is offered.
    const std::pair<QStringList, QStringList> cases[] = {
        {{"--re"}, {"--recursive", "--replace"}},
        {{"--on-error", ""}, {"abort", "ignore"}},
        {{"--rules", ""}, {"apache", "caddy", "firebase", "netlify", "nginx", "vercel"}},
        {{"--rules", "nginx,c"}, {"nginx,caddy"}},
        {{"--address", ""}, {}},
        {{"--movers", "--delay", ""}, {}},
        {{"--list", "--recursive", "s"}, {"site"}},
        {{"--check", "--address", "http://new.example/", ""}, {"my dir", "site"}},
    };
    for (const auto& [given, offered] : cases) {
        SCOPED_TRACE(given.join(u' ').toStdString());
        QProcess process;
        process.setWorkingDirectory(here.path());
        process.start(QLatin1String(shell.program),
                      QStringList{"-c", shell.script, path(shell.file)} + given);
        ASSERT_TRUE(process.waitForFinished());
        EXPECT_EQ(process.readAllStandardError(), QByteArray());
        QStringList completions;
        for (const QString& line :
             QString::fromUtf8(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts)) {
            QString completion = line.section(u'\t', 0, 0);
            if (completion.endsWith(u'/')) {
                completion.chop(1);
            }
            completions << completion;
        }
        completions.sort();
        EXPECT_EQ(completions, offered);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Shells, ShellCompletion,
    testing::Values(
        Shell{"bash", "zandrift.bash",
              R"(source "$0"; COMP_WORDS=(zandrift "$@"); COMP_CWORD=$#;
                             _zandrift; printf '%s\n' "${COMPREPLY[@]}")"},
        Shell{"fish", "zandrift.fish",
              R"(source $argv[1]; complete -C (string join -- ' ' zandrift $argv[2..-1]))"}),
    [](const testing::TestParamInfo<Shell>& info) { return std::string(info.param.program); });
