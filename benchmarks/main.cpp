// Measures the program against the least work its jobs need, case by case, each side in
// fresh processes taking turns, and prints a table of the figures. See BENCHMARKS.md.
//
//   zandrift_benchmarks [--rounds N] [--only TEXT] [--data FOLDER]
//
// --only runs the cases whose names hold TEXT; --data makes (and keeps) the data in FOLDER
// instead of a temporary folder removed at the end.
#include "baselines.h"
#include "harness.h"
#include "program_side.h"
#include "site_data.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Options {
    int rounds = 5;
    std::string only;
    std::string data;
    int childCase = -1;
    int childSide = 0;
};

Options parse(int argc, char** argv) {
    Options options;
    for (int at = 1; at + 1 < argc; ++at) {
        const std::string option = argv[at];
        if (option == "--rounds") {
            options.rounds = std::atoi(argv[++at]);
        } else if (option == "--only") {
            options.only = argv[++at];
        } else if (option == "--data") {
            options.data = argv[++at];
        } else if (option == "--child" && at + 2 < argc) {
            options.childCase = std::atoi(argv[++at]);
            options.childSide = std::atoi(argv[++at]);
        }
    }
    return options;
}

// The system's load averages over 1, 5 and 15 minutes.
std::string loadAverage() {
    std::ifstream file("/proc/loadavg");
    std::string one, five, fifteen;
    file >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

// The number with a comma between each group of three digits.
std::string count(int number) {
    const std::string digits = std::to_string(number);
    std::string text;
    for (std::size_t at = 0; at < digits.size(); ++at) {
        if (at > 0 && (digits.size() - at) % 3 == 0) {
            text += ',';
        }
        text += digits[at];
    }
    return text;
}

// Sides that read one page; each reads it once first, unmeasured, so that both find it in
// the page cache.
Side titleOf(std::string label, std::string page, int times) {
    return {std::move(label), [page, times](Meter& m) {
                baseline::ReadInBlocks(page);
                program::ReadTitle(m, page, times);
            }};
}

Side readInBlocks(std::string page) {
    return {"read in 64 KB blocks", [page](Meter& m) {
                baseline::ReadInBlocks(page);
                m.measure([&] { baseline::ReadInBlocks(page); });
            }};
}

void addTitleCases(std::vector<Case>& cases, const SiteData& data) {
    const auto prepare = [&data] {
        data.makeTitlePages();
    };
    cases.push_back({"title of a 256 MB page, title in its first KB",
                     titleOf("", data.bigPage(), 2001),
                     titleOf("4 KB page", data.smallPage(), 2001), 1.1, 0, "", prepare});
    cases.push_back({"title of a 256 MB page without \"</title>\" (fresh process)",
                     titleOf("", data.unclosedPage(), 1), readInBlocks(data.unclosedPage()), 1.5,
                     16 << 10, "", prepare});
    cases.push_back({"page whose title is 256 MB (fresh process)",
                     titleOf("", data.longTitlePage(), 1), readInBlocks(data.longTitlePage()), 0,
                     4 * 256 << 10, "", prepare});
}

void addListingCases(std::vector<Case>& cases, const SiteData& data, int pages) {
    const std::string site = data.site(pages);
    const auto prepare = [&data, pages] {
        data.makeSite(pages);
    };
    const Side reference{"plain listing", [site](Meter& m) {
                             m.measure([&] { baseline::ListPages(site); }, 7);
                         }};
    const std::string entries = count(3 * pages) + " entries, " + count(pages) + " pages";
    cases.push_back({"list " + entries,
                     {"",
                      [site](Meter& m) {
                          program::List(m, site);
                      }},
                     reference,
                     1.3,
                     0,
                     "",
                     prepare});
    cases.push_back({"main window: keystroke until listed, " + entries,
                     {"",
                      [&data, site, pages](Meter& m) {
                          program::KeystrokeInMainWindow(
                              m, site, data.emptyFolder(),
                              data.folderFor("config-keystroke-" + std::to_string(pages)));
                      }},
                     reference,
                     1.8,
                     0,
                     "",
                     prepare});
}

void addRunCases(std::vector<Case>& cases, const SiteData& data, int pages) {
    const std::string site = data.site(pages);
    const std::string mixed = data.mixedSite(pages);
    const auto writeSite = [](const std::string& folder) {
        return Side{"plain C++", [folder](Meter& m) {
                        const std::vector<std::string> names = baseline::ListPages(folder);
                        m.measure([&] {
                            baseline::WriteRedirectPages(folder, names, program::kNewAddress,
                                                         program::kDelay, folder + "/zandrifts");
                        });
                    }};
    };
    const std::string of = count(pages) + " pages";
    cases.push_back({"redirect pages, engine, " + of + " of 8 KB",
                     {"",
                      [site](Meter& m) {
                          program::WriteRedirectPages(m, site);
                      }},
                     writeSite(site),
                     1.15,
                     0,
                     site + "/zandrifts",
                     [&data, pages] {
                         data.makeSite(pages);
                     }});
    cases.push_back({"redirect pages, main window, " + of + " of 8 KB",
                     {"",
                      [&data, site, pages](Meter& m) {
                          program::CreateMoversInMainWindow(
                              m, site, data.folderFor("config-run-" + std::to_string(pages)));
                      }},
                     writeSite(site),
                     1.25,
                     0,
                     site + "/zandrifts",
                     [&data, pages] {
                         data.makeSite(pages);
                     }});
    cases.push_back({"redirect pages, engine, " + of + ", a quarter 64-200 KB",
                     {"",
                      [mixed](Meter& m) {
                          program::WriteRedirectPages(m, mixed);
                      }},
                     writeSite(mixed),
                     1.3,
                     0,
                     mixed + "/zandrifts",
                     [&data, pages] {
                         data.makeMixedSite(pages);
                     }});
    cases.push_back({"start-up to first paint, stored folder of " + of,
                     {"",
                      [&data, site, pages](Meter& m) {
                          program::StartUntilFirstPaint(
                              m, site, data.folderFor("config-start-" + std::to_string(pages)));
                      }},
                     {"empty folder",
                      [&data](Meter& m) {
                          program::StartUntilFirstPaint(m, data.emptyFolder(),
                                                        data.folderFor("config-start-empty"));
                      }},
                     1.2,
                     0,
                     "",
                     [&data, pages] {
                         data.makeSite(pages);
                     }});
}

std::vector<Case> allCases(const SiteData& data) {
    std::vector<Case> cases;
    addTitleCases(cases, data);
    for (const int pages : {1000, 20000}) {
        addListingCases(cases, data, pages);
    }
    addRunCases(cases, data, 20000);
    addListingCases(cases, data, 100000);
    addRunCases(cases, data, 100000);
    return cases;
}

} // namespace

int main(int argc, char** argv) {
    Options options = parse(argc, argv);
    const bool temporary = options.data.empty();
    if (temporary) {
        char pattern[] = "/tmp/zandrift-benchmarks-XXXXXX";
        options.data = mkdtemp(pattern);
    }
    const SiteData data(options.data);
    std::vector<Case> cases = allCases(data);
    std::erase_if(cases,
                  [&](const Case& c) { return c.name.find(options.only) == std::string::npos; });
    if (options.childCase >= 0) {
        return RunChildSide(cases, options.childCase, options.childSide);
    }

    data.makeFolders();
    const std::string runtime = data.folderFor("runtime");
    mkdir(runtime.c_str(), 0700);
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    std::printf("Each figure is the median of %d runs, each in a fresh process; load average "
                "at the start %s\n",
                options.rounds, loadAverage().c_str());
    RunCases(cases, options.rounds, "/proc/self/exe",
             {"--rounds", std::to_string(options.rounds), "--only", options.only, "--data",
              options.data},
             data.asideFolder() + "/" + std::to_string(getpid()) + "-");
    std::printf("Load average at the end %s\n", loadAverage().c_str());
    if (temporary) {
        std::filesystem::remove_all(options.data);
    }
    return 0;
}
