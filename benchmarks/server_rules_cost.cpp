// Measures what the server rules files cost each real web server per request: a redirected
// page and a plain file, asked of the server serving the program's output with the rules of
// 100,000 pages and without them, in one folder and in 100 folders. See BENCHMARKS.md.
//
//   zandrift_server_benchmarks [--requests N] [--budget SECONDS] [--listen SECONDS]
//                              [--only TEXT] [--data FOLDER] [--program PATH]
//
// --requests: requests for each of the two paths on each side (2,000); --budget: the most
// seconds the requests of one server and layout take (120), fewer requests then; --listen:
// the most seconds a server may take to listen (1,200); --only: the servers and layouts whose
// names hold TEXT; --data: make (and keep) the sites in FOLDER instead of a temporary folder
// removed at the end; --program: the program that writes the output (this build's), for
// instance an earlier build's, to compare its rules files.
#include "harness.h"
#include "mover_output.h"
#include "server_configurations.h"
#include "server_side.h"
#include "site_data.h"

#include <QCoreApplication>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <sched.h>

namespace {

constexpr int kPages = 100000;
const std::string kNewAddress = "https://new.example/";

struct Options {
    server_side::Limits limits;
    std::string only;
    std::string data;
    std::string program = ZANDRIFT_PROGRAM;
};

Options parse(int argc, char** argv) {
    Options options;
    for (int at = 1; at + 1 < argc; ++at) {
        const std::string option = argv[at];
        if (option == "--requests") {
            options.limits.requests = std::atoi(argv[++at]);
        } else if (option == "--budget") {
            options.limits.budgetSeconds = std::atof(argv[++at]);
        } else if (option == "--listen") {
            options.limits.listenSeconds = std::atof(argv[++at]);
        } else if (option == "--only") {
            options.only = argv[++at];
        } else if (option == "--data") {
            options.data = argv[++at];
        } else if (option == "--program") {
            options.program = argv[++at];
        }
    }
    return options;
}

// A way of serving the output with the rules.
struct Server {
    std::string label;
    QString program;
    RunningServer::Configure configure;
    QString rulesFile;   // at the output's top; empty: the .htaccess files where they stand
    double maxRatio = 0; // the goal for both requests' ratios; 0: reported only
};

const std::vector<Server> kServers = {
    {"Apache, .htaccess", "apache2", &ConfigureApache, {}, 0},
    {"Apache, server configuration", "apache2", &ConfigureApacheServer, "redirects.apache.conf",
     1.5},
    {"nginx", "nginx", &ConfigureNginx, "redirects.nginx", 1.5},
    {"Caddy", "caddy", &ConfigureCaddy, "redirects.caddy", 1.5},
};

// What one server and layout are asked, and where.
struct Setting {
    const Server& server;
    std::string layout;
    std::string output; // the document root with the rules
    std::string bare;   // the document root without them: the output without its rules files
    std::string page;   // the redirected page and the plain file, relative to either root
    std::string plain;
    std::string servers; // a folder for the servers' own files
};

// Keeps this process, and the servers and the program it starts, on the last processor it may
// use; returns that processor. The two servers of a row then meet the same share of a machine
// others use too: on two processors of their own, nginx's ratios moved from 0.7x to 1.4x
// between runs of the same build.
int runOnOneProcessor() {
    cpu_set_t allowed;
    CPU_ZERO(&allowed);
    sched_getaffinity(0, sizeof allowed, &allowed);
    int last = 0;
    for (int processor = 0; processor < CPU_SETSIZE; ++processor) {
        last = CPU_ISSET(processor, &allowed) ? processor : last;
    }
    cpu_set_t one;
    CPU_ZERO(&one);
    CPU_SET(last, &one);
    sched_setaffinity(0, sizeof one, &one);
    return last;
}

std::string secondsText(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, seconds < 1 ? "%.0f ms" : "%.2f s",
                  seconds < 1 ? seconds * 1e3 : seconds);
    return text;
}

// "123 µs (p90 145)", with the answers that were not as expected.
std::string timesText(const server_side::TimedTarget& timed, const char* expected) {
    std::string text = CountText(std::llround(Median(timed.micros))) + " µs (p90 " +
                       CountText(std::llround(Percentile(timed.micros, 90))) + ")";
    if (timed.wrong > 0) {
        text += " **WRONG**: " + CountText(timed.wrong) + " of " + CountText(timed.micros.size()) +
                " not " + expected;
    }
    return text;
}

// A new folder of the servers' own for one side.
QString serverFolder(const Setting& setting, const std::string& side) {
    const std::string folder = setting.servers + "/" + side;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return QString::fromStdString(folder);
}

// The side without rules, where the page is the mover page, and the side with them, where it
// is redirected to its new address.
std::vector<server_side::Side> sidesOf(const Setting& setting) {
    const QString output = QString::fromStdString(setting.output);
    const QStringList rules = setting.server.rulesFile.isEmpty()
                                  ? QStringList{}
                                  // Apache reads the .htaccess files where they stand
                                  : QStringList{output + "/" + setting.server.rulesFile};
    const QByteArray page = QByteArray::fromStdString("/" + setting.page);
    const server_side::Target plain{QByteArray::fromStdString("/" + setting.plain), 200};
    return {{{serverFolder(setting, "none"), QString::fromStdString(setting.bare), {}},
             {{page, 200}, plain}},
            {{serverFolder(setting, "rules"), output, rules},
             {{page, 301, QByteArray::fromStdString(kNewAddress + setting.page)}, plain}}};
}

// The row of one server and layout: both sides' figures and their ratios.
std::string row(const Setting& setting, const server_side::Figures& none,
                const server_side::Figures& rules, const Options& options) {
    const std::string name = "| " + setting.server.label + " | " + setting.layout + " | ";
    if (!none.failure.isEmpty() || !rules.failure.isEmpty()) {
        // What failed, without the server's log, which went to standard error.
        const QString failure = none.failure.isEmpty() ? "with the rules: " + rules.failure
                                                       : "without rules: " + none.failure;
        return name + failure.section(QStringLiteral(": "), 0, 1).toStdString() +
               " | | | | | | | |";
    }
    std::string text = name;
    bool met = true;
    bool wrong = false;
    for (std::size_t index = 0; index < 2; ++index) {
        const server_side::TimedTarget& without = none.targets[index];
        const server_side::TimedTarget& with = rules.targets[index];
        const double ratio = Median(with.micros) / Median(without.micros);
        met = met && ratio <= setting.server.maxRatio;
        wrong = wrong || without.wrong > 0 || with.wrong > 0;
        text += timesText(without, "200") + " → " + timesText(with, index == 0 ? "301" : "200") +
                " | " + RatioText(Median(with.micros), Median(without.micros)) + " | ";
    }
    char goal[48];
    std::snprintf(goal, sizeof goal, "≤%.2fx: %s", setting.server.maxRatio,
                  wrong ? "**WRONG ANSWERS**"
                  : met ? "met"
                        : "**missed**");
    text += (setting.server.maxRatio > 0 ? goal : "reported") + std::string(" | ") +
            MemoryText(double(none.peakKiB)) + " → " + MemoryText(double(rules.peakKiB)) + " | " +
            secondsText(none.startSeconds) + " → " + secondsText(rules.startSeconds) + " | ";
    const std::size_t sent = rules.targets[0].micros.size();
    text += CountText(sent) +
            (sent < std::size_t(options.limits.requests) ? " (capped by --budget)" : "") + " |";
    return text;
}

// The program's output for a site of kPages pages in `folders` folders, served by each
// server without and with the rules; adds a row for each server measured. False when the
// program failed.
bool measureLayout(const SiteData& data, const std::string& layout, int folders,
                   const Options& options, std::vector<std::string>& rows) {
    std::vector<const Server*> servers;
    for (const Server& server : kServers) {
        if ((server.label + ", " + layout).find(options.only) != std::string::npos) {
            servers.push_back(&server);
        }
    }
    if (servers.empty()) {
        return true;
    }
    const std::string site = data.smallPagesSite(kPages, folders);
    data.makeSmallPagesSite(kPages, folders);
    const auto start = std::chrono::steady_clock::now();
    const std::string output =
        mover_output::Write(options.program, site,
                            {"--movers", "--recursive", "--rules", "apache,nginx,caddy",
                             "--address", kNewAddress, "--delay", "0"});
    if (output.empty()) {
        return false;
    }
    const double written =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const std::string page = SiteData::smallPagePath(kPages / 2, kPages, folders);
    const std::string plain = std::filesystem::path(page).replace_filename("style.css").string();
    mover_output::CopyBeside(site, output, plain);
    const std::string bare = data.folderFor("output-without-rules");
    mover_output::CopyWithoutRules(output, bare);
    std::printf("%s pages in %s: written in %s; %s\n", CountText(kPages).c_str(), layout.c_str(),
                secondsText(written).c_str(), mover_output::RulesFilesText(output).c_str());
    for (const Server* const selected : servers) {
        const Server& server = *selected;
        if (InstalledProgram(server.program).isEmpty()) {
            std::printf("%s: not installed\n", server.label.c_str());
            continue;
        }
        if (!server.rulesFile.isEmpty() &&
            !std::filesystem::exists(output + "/" + server.rulesFile.toStdString())) {
            std::printf("%s, %s: not available, the output holds no %s\n", server.label.c_str(),
                        layout.c_str(), server.rulesFile.toStdString().c_str());
            continue;
        }
        const Setting setting{server, layout, output, bare, page, plain, data.folderFor("servers")};
        const std::vector<server_side::Figures> figures = server_side::Run(
            InstalledProgram(server.program), server.configure, sidesOf(setting), options.limits);
        for (const server_side::Figures& side : figures) {
            if (!side.failure.isEmpty()) {
                std::fprintf(stderr, "%s\n", qPrintable(side.failure));
            }
        }
        rows.push_back(row(setting, figures[0], figures[1], options));
        std::printf("%s\n", rows.back().c_str());
        std::fflush(stdout);
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    const int processor = runOnOneProcessor(); // before any thread is made
    QCoreApplication application(argc, argv);
    Options options = parse(argc, argv);
    const bool temporary = options.data.empty();
    if (temporary) {
        char pattern[] = "/tmp/zandrift-server-benchmarks-XXXXXX";
        options.data = mkdtemp(pattern);
    }
    // Readable by the unprivileged user Apache serves as when started by root.
    std::filesystem::permissions(options.data, std::filesystem::perms(0755));
    const SiteData data(options.data);
    std::filesystem::create_directories(data.folderFor("servers"));

    std::printf(
        "Load average at the start %s. Client and servers on processor %d; the servers without "
        "and with the rules run at once and take turns: the redirected page of each, then the "
        "plain file of each, %s times or for %.0f s, one request at a time, each on a new "
        "connection (\"Connection: close\"), timed from connecting until the server closed it; "
        "median and 90th percentile in microseconds. Without rules the page is the mover page "
        "(200).\n",
        LoadAverage().c_str(), processor, CountText(options.limits.requests).c_str(),
        options.limits.budgetSeconds);
    std::vector<std::string> rows;
    for (const auto& [layout, folders] :
         std::vector<std::pair<std::string, int>>{{"one folder", 1}, {"100 folders", 100}}) {
        if (!measureLayout(data, layout, folders, options, rows)) {
            return 1;
        }
    }
    std::printf("\n| server | layout | redirect: no rules → rules | ratio | style.css: no rules → "
                "rules | ratio | goal | peak memory | listening after | requests of each |\n"
                "|---|---|---|---|---|---|---|---|---|---|\n");
    for (const std::string& line : rows) {
        std::printf("%s\n", line.c_str());
    }
    std::printf("Load average at the end %s\n", LoadAverage().c_str());
    if (temporary) {
        std::filesystem::remove_all(options.data);
    }
    return 0;
}
