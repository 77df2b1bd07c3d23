#include "cases.h"

#include "baselines.h"
#include "core_application.h"
#include "plain_clients.h"
#include "program_side.h"
#include "web_server.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

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
    cases.push_back({.name = "title of a 256 MB page, title in its first KB",
                     .ours = titleOf("", data.bigPage(), 2001),
                     .reference = titleOf("4 KB page", data.smallPage(), 2001),
                     .maxRatio = 1.1,
                     .prepare = prepare});
    cases.push_back({.name = "title of a 256 MB page without \"</title>\" (fresh process)",
                     .ours = titleOf("", data.unclosedPage(), 1),
                     .reference = readInBlocks(data.unclosedPage()),
                     .maxRatio = 1.5,
                     .maxExtraKiB = 16 << 10,
                     .prepare = prepare});
    cases.push_back({.name = "page whose title is 256 MB (fresh process)",
                     .ours = titleOf("", data.longTitlePage(), 1),
                     .reference = readInBlocks(data.longTitlePage()),
                     .maxExtraKiB = 4 * 256 << 10,
                     .prepare = prepare});
}

void addListingCases(std::vector<Case>& cases, const SiteData& data, int pages) {
    const std::string site = data.site(pages);
    const std::string config = data.folderFor("config-keystroke-" + std::to_string(pages));
    const Side reference{"plain listing", [site](Meter& m) {
                             m.measure([&] { baseline::ListPages(site); }, 7);
                         }};
    const auto prepare = [&data, pages] {
        data.makeSite(pages);
    };
    const std::string entries = CountText(3 * pages) + " entries, " + CountText(pages) + " pages";
    cases.push_back({.name = "list " + entries,
                     .ours = {"",
                              [site](Meter& m) {
                                  program::List(m, site);
                              }},
                     .reference = reference,
                     .maxRatio = 1.3,
                     .prepare = prepare});
    cases.push_back({.name = "main window: keystroke until listed, " + entries,
                     .ours = {"",
                              [&data, site, config](Meter& m) {
                                  program::KeystrokeInMainWindow(m, site, data.emptyFolder(),
                                                                 config);
                              }},
                     .reference = reference,
                     .maxRatio = 1.8,
                     .prepare = prepare});
}

// Writes the redirect pages of a site in plain C++, with the page names listed beforehand.
Side plainRun(const std::string& site) {
    return {"plain C++", [site](Meter& m) {
                const std::vector<std::string> names = baseline::ListPages(site);
                m.measure([&] {
                    baseline::WriteRedirectPages(site, names, program::kNewAddress, program::kDelay,
                                                 site + "/zandrifts");
                });
            }};
}

// A run of the redirect pages of a site, against the plain C++ run.
Case runCase(std::string name, const std::string& site, std::function<void(Meter&)> ours,
             double maxRatio, std::function<void()> prepare) {
    return {.name = std::move(name),
            .ours = {"", std::move(ours)},
            .reference = plainRun(site),
            .maxRatio = maxRatio,
            .output = site + "/zandrifts",
            .prepare = std::move(prepare)};
}

void addRunCases(std::vector<Case>& cases, const SiteData& data, int pages) {
    const std::string site = data.site(pages);
    const std::string mixed = data.mixedSite(pages);
    const std::string runConfig = data.folderFor("config-run-" + std::to_string(pages));
    const std::string startConfig = data.folderFor("config-start-" + std::to_string(pages));
    const auto makeSite = [&data, pages] {
        data.makeSite(pages);
    };
    const std::string of = CountText(pages) + " pages";
    cases.push_back(runCase(
        "redirect pages, engine, " + of + " of 8 KB", site,
        [site](Meter& m) { program::WriteRedirectPages(m, site); }, 1.15, makeSite));
    cases.push_back(runCase(
        "redirect pages, main window, " + of + " of 8 KB", site,
        [site, runConfig](Meter& m) { program::CreateMoversInMainWindow(m, site, runConfig); },
        1.25, makeSite));
    cases.push_back(runCase(
        "redirect pages, engine, " + of + ", a quarter 64-200 KB", mixed,
        [mixed](Meter& m) { program::WriteRedirectPages(m, mixed); }, 1.3,
        [&data, pages] { data.makeMixedSite(pages); }));
    cases.push_back({.name = "start-up to first paint, stored folder of " + of,
                     .ours = {"",
                              [site, startConfig](Meter& m) {
                                  program::StartUntilFirstPaint(m, site, startConfig);
                              }},
                     .reference = {"empty folder",
                                   [&data](Meter& m) {
                                       program::StartUntilFirstPaint(
                                           m, data.emptyFolder(),
                                           data.folderFor("config-start-empty"));
                                   }},
                     .maxRatio = 1.2,
                     .prepare = makeSite});
}

// A run of a whole tree against a run of the same pages and other files in one folder.
Case treeCase(const SiteData& data, int pages) {
    const std::string site = data.site(pages);
    const std::string tree = data.treeSite(pages);
    return {.name = "redirect pages, engine, whole tree of " + CountText(pages) +
                    " pages in 100 folders",
            .ours = {"",
                     [tree](Meter& m) {
                         program::WriteRedirectPages(m, tree, ListingDepth::WholeTree);
                     }},
            .reference = {"the same pages in one folder",
                          [site](Meter& m) {
                              program::WriteRedirectPages(m, site);
                          }},
            .maxRatio = 1.3,
            .output = tree + "/zandrifts",
            .referenceOutput = site + "/zandrifts",
            .prepare = [&data, pages] {
                data.makeSite(pages);
                data.makeTreeSite(pages);
            }};
}

// A run of a whole tree with a move map of every page, against the same run without it.
Case moveMapCase(const SiteData& data, int pages) {
    const std::string tree = data.treeSite(pages);
    const std::string map = data.moveMap(pages);
    return {.name = "redirect pages, command line, whole tree of " + CountText(pages) +
                    " pages with a map of every page",
            .ours = {"",
                     [tree, map](Meter& m) {
                         program::WriteTreeWithMap(m, tree, map);
                     }},
            .reference = {"the same run without a map",
                          [tree](Meter& m) {
                              program::WriteTreeWithMap(m, tree, {});
                          }},
            .maxRatio = 1.3,
            .output = tree + "/zandrifts",
            .referenceOutput = tree + "/zandrifts", // the addresses differ: nothing to compare
            .prepare = [&data, pages] {
                data.makeTreeSite(pages);
                data.makeMoveMap(pages);
            }};
}

// A plain client's HEAD requests for every page of a site, 8 at a time; ends the process
// with exit status 1 when a page was not found.
Side plainClient(std::string label, const std::string& site, const std::string& server,
                 int (*client)(int, const std::vector<std::string>&, int)) {
    return {std::move(label), [site, server, client](Meter& m) {
                EnsureCoreApplication();
                const std::vector<std::string> names = baseline::ListPages(site);
                int found = 0;
                m.measure([&] { found = client(web_server::Port(server), names, 8); });
                if (found != int(names.size())) {
                    std::fprintf(stderr, "the plain client found %d of %zu pages\n", found,
                                 names.size());
                    std::exit(1);
                }
            }};
}

// `zandrift --check` of a site's pages at nginx serving that site, against plain clients
// making the same HEAD requests: with Qt Network (the goal) and on sockets of their own.
void addCheckCases(std::vector<Case>& cases, const SiteData& data, int pages) {
    const std::string site = data.site(pages);
    const std::string server = data.folderFor("check-server");
    const auto prepare = [&data, pages, site, server] {
        data.makeSite(pages);
        web_server::Start(server, site);
    };
    const Side check{"", [site, server](Meter& m) {
                         program::CheckPages(m, site, web_server::Port(server));
                     }};
    const std::string name = "check " + CountText(pages) + " pages at a local nginx";
    cases.push_back({.name = name + ", against Qt Network",
                     .ours = check,
                     .reference = plainClient("Qt Network client, 8 at a time", site, server,
                                              plain_client::HeadRequestsWithQt),
                     .maxRatio = 1.25,
                     .prepare = prepare,
                     .requests = pages});
    cases.push_back({.name = name + ", against sockets",
                     .ours = check,
                     .reference = plainClient("socket client, 8 at a time", site, server,
                                              plain_client::HeadRequestsOnSockets),
                     .prepare = prepare,
                     .requests = pages});
}

} // namespace

std::vector<Case> AllCases(const SiteData& data) {
    std::vector<Case> cases;
    addTitleCases(cases, data);
    for (const int pages : {1000, 20000}) {
        addListingCases(cases, data, pages);
    }
    addRunCases(cases, data, 20000);
    addCheckCases(cases, data, 20000);
    addListingCases(cases, data, 100000);
    addRunCases(cases, data, 100000);
    cases.push_back(treeCase(data, 100000));
    cases.push_back(moveMapCase(data, 100000));
    return cases;
}
