// The arguments the command line takes and refuses: exit status and first line of output;
// closed standard streams.
#include "cli/options/command_line.h"
#include "cli/options/usage_text.h"
#include "command_line_fixture.h"
#include "movers/rules/server_rules.h"
#include "support/qstring_printer.h"

#include <QDir>
#include <QFile>

#include <tuple>
#include <unistd.h>

TEST_F(CommandLineTest, ArgumentsGiveTheirExitStatusAndFirstLine) {
    for (const char* name : {"b.html", "a.htm", "A.htm", "notes.txt", ".hidden.htm"}) {
        writeSitePage(QString::fromUtf8(name), "<title>x</title>");
    }
    const QByteArray undecodable = "caf\xe9.htm";
    WriteRawNamedFile(sitePath(), undecodable, "<title>x</title>");
    WriteFile(rootPath(QStringLiteral("plain.txt")), "not a folder");
    const QString site = sitePath();
    const QString file = rootPath(QStringLiteral("plain.txt"));
    const QString missing = rootPath(QStringLiteral("missing"));
    const QString url = QStringLiteral("http://new.example/");
    const QString oldUrl = QStringLiteral("http://old.example/");
    const QString onlyOne =
        QStringLiteral("Give only one of --movers, --frames, --list, --check and --verify.");
    const QString badDelay = QStringLiteral("The delay must be a whole number from 0 to 32767, ");
    const QString badRules =
        QStringLiteral("--rules takes apache, nginx, caddy, netlify, firebase and vercel, "
                       "separated by commas, ");
    const QString badOldPath = QStringLiteral(
        "--old-path takes a URL path from \"/\" without \"//\", \".\" or \"..\" parts, ");
    const QString badOldAddress = QStringLiteral("--old-address takes a full http: or https: "
                                                 "address without a query or a fragment, not ");
    const QString onlyWithRules = QStringLiteral(" goes only with --rules or --sitemaps.");
    const QStringList frames{"--frames", "--address", url};
    const QStringList check{"--check", "--address", url};
    const QStringList verify{"--verify", "--old-address", oldUrl};

    // The arguments, and the first line of standard output, exit status 0.
    const std::pair<QStringList, QString> succeeding[] = {
        {{"--help"}, "Usage: zandrift --movers --address URL --delay N [--recursive] [--map FILE]"},
        {{"--version"}, "zandrift " ZANDRIFT_VERSION},
        {{"--list", "--recursive", site}, "A.htm"},
        {{"--list", "--address", url, site}, "A.htm\thttp://new.example/A.htm"},
    };
    for (const auto& [arguments, firstLine] : succeeding) {
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        const ProgramResult result = zandrift(arguments);
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_EQ(result.outLines().value(0), firstLine);
    }
    // The arguments, and the usage error, exit status 2.
    std::vector<std::pair<QStringList, QString>> refused{
        {{"--bogus", site}, "Unknown option 'bogus'."},
        {{"--frames", "--address"}, "Missing value after '--address'."},
        {{site}, "Give one of --movers, --frames, --list, --check and --verify."},
        {{"--frames", "--list", "--address", url, site}, onlyOne},
        {{"--list", "--list", site}, "--list is given more than once."},
        {{"--frames", site}, "--address URL is missing."},
        {{"--frames", "--address", " ", site}, "The address is empty."},
        {{"--frames", "--address", url + "\nx", site},
         "The address holds a line break or another control character."},
        {{"--movers", "--address", url, site}, "--delay N is missing."},
        {{"--movers", "--address", url, "--delay", "2.5", site}, badDelay + "not '2.5'."},
        {{"--movers", "--address", url, "--delay", "40000", site}, badDelay + "not '40000'."},
        {frames + QStringList{"--delay", "3", site}, "--delay does not go with --frames."},
        {{"--list", "--replace", site}, "--replace does not go with --list."},
        {frames + QStringList{"--on-error", "retry", site},
         "--on-error takes abort or ignore, not 'retry'."},
        {frames, "FOLDER is missing."},
        {{"--list", site, "extra"}, "Unexpected argument 'extra'."},
        {{"--check", "--list", site}, onlyOne},
        {{"--check", site}, "--address URL is missing."},
        {{"--check", "--address", "", site}, "The address is empty."},
        {check + QStringList{"--delay", "3", site}, "--delay does not go with --check."},
        {check + QStringList{"--replace", site}, "--replace does not go with --check."},
        {check + QStringList{"--on-error", "ignore", site}, "--on-error does not go with --check."},
        {check, "FOLDER is missing."},
        {check + QStringList{missing}, u'\'' + missing + "' does not exist."},
        {{"--list", missing}, u'\'' + missing + "' does not exist."},
        {{"--list", file}, u'\'' + file + "' is not a folder."},
        {{"--list", "--rules", "nginx", site}, "--rules does not go with --list."},
        {{"--list", "--keep-query", site}, "--keep-query does not go with --list."},
        {check + QStringList{"--canonical", site}, "--canonical does not go with --check."},
        {frames + QStringList{"--rules", "nginx,iis", site}, badRules + "not 'iis'."},
        {frames + QStringList{"--rules", "", site}, badRules + "not ''."},
        {frames + QStringList{"--old-path", "/old/", site}, "--old-path" + onlyWithRules},
        {frames + QStringList{"--every-file", site}, "--every-file" + onlyWithRules},
        {frames + QStringList{"--rules", "nginx", "--old-path", "/a/", "--old-address",
                              "http://old.example/a/", site},
         "Give --old-path or --old-address, not both."},
        {frames + QStringList{"--rules", "nginx", "--old-address", "/a/", site},
         badOldAddress + "'/a/'."},
        {frames +
             QStringList{"--rules", "nginx", "--old-address", "http://old.example/a/?x=1", site},
         badOldAddress + "'http://old.example/a/?x=1'."},
        {frames + QStringList{"--sitemaps", site}, "--sitemaps needs --old-address."},
        {{"--frames", "--address", "/srv/new/", "--sitemaps", "--old-address", oldUrl, site},
         "--sitemaps needs an --address starting with http:// or https://."},
        {{"--list", "--every-file", site}, "--every-file does not go with --list."},
        {{"--verify", "--address", url, site}, "--old-address URL is missing."},
        {verify + QStringList{site}, "--address URL is missing."},
        {verify + QStringList{"--address", "/srv/new/", site},
         "--verify needs an --address starting with http:// or https://."},
        {{"--verify", "--old-address", "/old/", "--address", url, site},
         badOldAddress + "'/old/'."},
        {{"--verify", "--old-path", "/old/", "--address", url, site},
         "--old-path does not go with --verify."},
        {{"--verify", "--check", "--address", url, site}, onlyOne},
        {frames + QStringList{"--rules", "caddy", "--old-path", "old/", site},
         badOldPath + "not 'old/'."},
        {frames + QStringList{"--rules", "caddy", "--old-path", "/a/../b", site},
         badOldPath + "not '/a/../b'."},
    };
    // Digits alone: what a script passes is read as it is written.
    for (const char* delay : {"1e3", "5.0", "5.", "+5", " 5", "-0"}) {
        refused.push_back({{"--movers", "--address", url, "--delay", delay, site},
                           badDelay + "not '" + delay + "'."});
    }
    for (const auto& [arguments, error] : refused) {
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        const ProgramResult result = zandrift(arguments);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_EQ(result.out, QString());
        EXPECT_EQ(result.errLines(), QStringList({"zandrift: " + error,
                                                  "Try 'zandrift --help' for more information."}));
    }

    const ProgramResult list = zandrift({"--list", site});
    EXPECT_EQ(list.exitCode, 0);
    EXPECT_EQ(list.outLines(), QStringList({"A.htm", "a.htm", "b.html"}));
    EXPECT_EQ(list.errLines().value(1), "caf\\xE9.htm") << "the undecodable name on stderr";
    ::unlink((QFile::encodeName(site) + '/' + undecodable).constData());
    EXPECT_EQ(FolderEntries(site),
              QStringList({".hidden.htm", "A.htm", "a.htm", "b.html", "notes.txt"}));
}

// "--help" from the option table: for each action the options it needs, the others it takes
// in brackets and FOLDER, wrapped before column 80; then a line for each option.
TEST(CommandLineUsage, ComesFromTheOptionTable) {
    const QStringList lines = UsageText().split(u'\n');
    EXPECT_EQ(
        lines.mid(0, 13),
        QStringList({
            "Usage: zandrift --movers --address URL --delay N [--recursive] [--map FILE]",
            "                [--rules LIST] [--every-file] [--old-path PATH]",
            "                [--old-address URL] [--sitemaps] [--replace]",
            "                [--on-error abort|ignore] [--keep-query] [--canonical] FOLDER",
            "       zandrift --frames --address URL [--recursive] [--map FILE] [--rules LIST]",
            "                [--every-file] [--old-path PATH] [--old-address URL]",
            "                [--sitemaps] [--replace] [--on-error abort|ignore]",
            "                [--keep-query] [--canonical] FOLDER",
            "       zandrift --list [--address URL] [--recursive] [--map FILE] FOLDER",
            "       zandrift --check --address URL [--recursive] [--map FILE] FOLDER",
            "       zandrift --verify --address URL --old-address URL [--recursive]",
            "                [--map FILE] [--every-file] FOLDER",
            "       zandrift --help | --version",
        }));
    for (const char* line : {
             "  --movers                 Write redirect pages into FOLDER/zandrifts.",
             "  --address URL            The site's new address, used as given (no control "
             "characters).",
             "  --on-error abort|ignore  At a failing step end the run (abort, the default) or go "
             "on.",
             "  --version                Print the version and exit.",
         }) {
        EXPECT_TRUE(lines.contains(QString::fromUtf8(line))) << line;
    }
}

// The values the completions offer are the values the parser takes: every choice of the table,
// and for --rules every kind of rules file.
TEST_F(CommandLineTest, TakesEveryChoiceTheTableOffers) {
    QStringList kinds;
    for (const ServerRulesKind& kind : ServerRulesKinds()) {
        kinds << kind.name;
    }
    EXPECT_EQ(Choices(CommandLineOptionNamed(u"rules")), kinds);
    for (const CommandLineOption& option : CommandLineOptions()) {
        for (const QString& choice : Choices(option)) {
            const ParsedCommandLine parsed =
                ParseCommandLine({"zandrift", "--frames", "--address", "http://new.example/",
                                  OptionText(option), choice, sitePath()});
            EXPECT_TRUE(parsed.request) << parsed.usageError.toStdString();
        }
    }
}

// --old-path is decoded once, as an address bar shows a path, then checked as a plain path;
// a fault quotes it as given.
TEST_F(CommandLineTest, OldPathIsPercentDecodedOnce) {
    const QString badEscape = QStringLiteral(
        "--old-path takes \"%\" only before two hexadecimal digits (\"%\" itself is %25), not ");
    const QString notUtf8 =
        QStringLiteral("--old-path takes escapes that decode to UTF-8 text, not ");
    const QString control = QStringLiteral(
        "--old-path takes no line break or other control character, escaped or not, not ");
    const QString notPlain = QStringLiteral(
        "--old-path takes a URL path from \"/\" without \"//\", \".\" or \"..\" parts, not ");
    // The path given, and the old path taken or the usage error.
    const std::pair<QString, QString> cases[] = {
        {"/my%20shop", "/my shop/"},
        {"/50%25/%C3%9Cber/", "/50%/Über/"},
        {"/Über/", "/Über/"},
        {"/%2525/", "/%25/"},
        {"/%2e%2E/", notPlain + "'/%2e%2E/'."},
        {"%EF%BB%BF/old/", notPlain + "'%EF%BB%BF/old/'."},
        {"/50%/", badEscape + "'/50%/'."},
        {"/%4", badEscape + "'/%4'."},
        {"/caf%E9/", notUtf8 + "'/caf%E9/'."},
        {"/%ED%A0%80/", notUtf8 + "'/%ED%A0%80/'."},
        {"/caf%C3", notUtf8 + "'/caf%C3'."},
        {"/a%0Ab/", control + "'/a%0Ab/'."},
        {"/a%E2%80%A8/", control + "'/a%E2%80%A8/'."},
        {"/a\tb/", control + "'/a\\x09b/'."},
    };
    for (const auto& [given, expected] : cases) {
        SCOPED_TRACE(given.toStdString());
        const ParsedCommandLine parsed =
            ParseCommandLine({"zandrift", "--frames", "--address", "http://new.example/", "--rules",
                              "nginx", "--old-path", given, sitePath()});
        EXPECT_EQ(parsed.request ? parsed.request->inputs.oldPath : parsed.usageError, expected);
    }
}

// A standard stream closed by the caller (`zandrift --list site >&-`): a result that cannot be
// printed is a failure told on standard error; without standard error the run still goes on
// and its exit status tells how it went.
TEST_F(CommandLineTest, AClosedStandardStreamIsToldOrLeftOutButNeverHidesAFailure) {
    writeSitePage(QStringLiteral("a.htm"), "<title>A</title>");
    const QString output = sitePath(QStringLiteral("framedforward"));
    const QString notWritten = QStringLiteral("zandrift: Standard output could not be written.\n");
    const QStringList frames = {QStringLiteral("--frames"), QStringLiteral("--address"),
                                QStringLiteral("http://new.example/"), sitePath()};
    // The stream closed, the arguments, the exit status, standard output and standard error.
    const std::tuple<int, QStringList, int, QString, QString> cases[] = {
        {STDOUT_FILENO, {QStringLiteral("--list"), sitePath()}, 1, {}, notWritten},
        {STDOUT_FILENO, frames, 1, {}, notWritten},
        {STDERR_FILENO, frames, 0, "Wrote 1 page to " + output + u'\n', {}},
    };
    for (const auto& [stream, arguments, exitCode, out, err] : cases) {
        SCOPED_TRACE(arguments.join(u' ').toStdString() +
                     (stream == STDOUT_FILENO ? " >&-" : " 2>&-"));
        ASSERT_TRUE(QDir(output).removeRecursively());
        QProcess program;
        program.setChildProcessModifier([closed = stream] { ::close(closed); });
        StartZandrift(program, arguments, rootPath(QStringLiteral("home")));
        const ProgramResult result = FinishZandrift(program);
        EXPECT_EQ(result.exitCode, exitCode);
        EXPECT_EQ(result.out, out);
        EXPECT_EQ(result.err, err);
        if (arguments == frames) { // nothing meant for the closed stream went into the page
            EXPECT_EQ(FolderEntries(output), QStringList(QStringLiteral("a.htm")));
            EXPECT_EQ(ReadFile(output + QStringLiteral("/a.htm")),
                      "<html><head><title>A</title><frameset rows=\"100%\"><frame "
                      "src=\"http://new.example/a.htm\" name=\"redirect\"></frameset>\r\n");
        }
    }
}
