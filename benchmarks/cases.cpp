#include "cases.h"

#include "baselines.h"
#include "core_application.h"
#include "mover_output.h"
#include "plain_clients.h"
#include "program_side.h"
#include "web_server.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
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
        [site](Meter& m) { program::WriteRedirectPages(m, site); }, 0.8, makeSite));
    cases.push_back(runCase(
        "redirect pages, main window, " + of + " of 8 KB", site,
        [site, runConfig](Meter& m) { program::CreateMoversInMainWindow(m, site, runConfig); }, 0.8,
        makeSite));
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

// The address of the server started in `server`: https, with its certificate trusted by this
// process, when it has one.
std::string addressOf(const std::string& server) {
    const std::string port = std::to_string(web_server::Port(server));
    if (!std::filesystem::exists(server + "/cert.pem")) {
        return "http://127.0.0.1:" + port + "/";
    }
    TrustCertificate(server + "/cert.pem");
    return "https://127.0.0.1:" + port + "/";
}

using PlainClient = int (*)(const std::string&, const std::vector<std::string>&, int);

// A plain client's requests for every page of a site at a server, `atATime` pages under way;
// ends the process with exit status 1 when a page did not pass.
Side plainClient(std::string label, const std::string& site, const std::string& server,
                 PlainClient client, int atATime) {
    return {std::move(label), [site, server, client, atATime](Meter& m) {
                EnsureCoreApplication();
                const std::vector<std::string> names = baseline::ListPages(site);
                const std::string address = addressOf(server);
                int passed = 0;
                m.measure([&] { passed = client(address, names, atATime); });
                if (passed != int(names.size())) {
                    std::fprintf(stderr, "%d of %zu pages passed the plain client\n", passed,
                                 names.size());
                    std::exit(1);
                }
            }};
}

// The check of a site's pages at the server started in `server`.
Side check(std::string label, const std::string& site, const std::string& server) {
    return {std::move(label), [site, server](Meter& m) {
                program::CheckPages(m, site, addressOf(server));
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
    const std::string name = "check " + CountText(pages) + " pages at a local nginx";
    cases.push_back({.name = name + ", against Qt Network",
                     .ours = check("", site, server),
                     .reference = plainClient("Qt Network client, 8 at a time", site, server,
                                              plain_client::HeadRequestsWithQt, 8),
                     .maxRatio = 1.25,
                     .prepare = prepare,
                     .requests = pages});
    cases.push_back({.name = name + ", against sockets",
                     .ours = check("", site, server),
                     .reference = plainClient("socket client, 8 at a time", site, server,
                                              plain_client::HeadRequestsOnSockets, 8),
                     .prepare = prepare,
                     .requests = pages});
}

// `zandrift --verify` of a site's pages at nginx serving the site with the program's own
// redirects.nginx, the new address being /new/ on the same server, against a plain Qt client
// asking the same: a GET of each old address, then a HEAD of where it redirects.
void addVerifyCase(std::vector<Case>& cases, const SiteData& data, int pages) {
    const std::string site = data.site(pages);
    const std::string server = data.folderFor("verify-server");
    const auto rules = [site, server](int port) {
        const std::string output = mover_output::Write(
            ZANDRIFT_PROGRAM, site,
            {"--movers", "--rules", "nginx", "--old-path", "/", "--address",
             "http://127.0.0.1:" + std::to_string(port) + "/new/", "--delay", "0"});
        // Moved out of the way of the page runs, which write the same folder.
        const std::string kept = server + "/rules-" + std::to_string(port);
        std::filesystem::rename(output, kept);
        return "    include " + kept + "/redirects.nginx;\n    location /new/ { alias " + site +
               "/; }\n";
    };
    cases.push_back(
        {.name = "verify " + CountText(pages) + " moved pages at a local nginx, against Qt Network",
         .ours = {"",
                  [site, server](Meter& m) {
                      const std::string address = addressOf(server);
                      program::VerifyMoves(m, site, address, address + "new/");
                  }},
         .reference = plainClient("Qt Network client, 6 at a time", site, server,
                                  plain_client::MovesWithQt, 6),
         .maxRatio = 1.25,
         .prepare =
             [&data, pages, site, server, rules] {
                 data.makeSite(pages);
                 web_server::Start(server, site, {.server = rules});
             },
         .requests = 2 * pages});
}

// `zandrift --check` of a site's pages at nginx over TLS, offering HTTP/2, that waits 20 ms
// before each answer: against a plain Qt client with 32 requests under way over HTTP/2 (the
// goal), and against the same check at a second nginx like it but without HTTP/2, which the
// check asks 6 at a time on 6 connections, as it asked every server before it used HTTP/2.
void addSlowHttpsCases(std::vector<Case>& cases, const SiteData& data, int pages) {
    const std::string site = data.site(pages);
    const std::string http2 = data.folderFor("https-http2-server");
    const std::string http1 = data.folderFor("https-http1-server");
    // nginx in `server` listening with `listen`, with a certificate of its own for 127.0.0.1,
    // which the sides trust (addressOf).
    const auto start = [site](const std::string& server, const std::string& listen) {
        const auto tls = [server](int) {
            std::filesystem::create_directories(server);
            Child({"/usr/bin/openssl", "req", "-x509", "-newkey", "ec", "-pkeyopt",
                   "ec_paramgen_curve:prime256v1", "-nodes", "-days", "1", "-subj", "/CN=127.0.0.1",
                   "-addext", "subjectAltName=IP:127.0.0.1", "-keyout", server + "/key.pem", "-out",
                   server + "/cert.pem"},
                  {})
                .finish();
            return "    ssl_certificate " + server + "/cert.pem;\n    ssl_certificate_key " +
                   server + "/key.pem;\n    location / { echo_sleep 0.02; echo_exec @file; }\n" +
                   "    location @file {}\n";
        };
        web_server::Start(server, site,
                          {.listen = listen,
                           .top = "load_module /usr/lib/nginx/modules/ngx_http_echo_module.so;\n",
                           .server = tls});
    };
    const std::string name =
        "check " + CountText(pages) + " pages at a local HTTPS nginx with HTTP/2, 20 ms an answer";
    cases.push_back({.name = name + ", against Qt Network",
                     .ours = check("", site, http2),
                     .reference = plainClient("Qt Network client, 32 at a time over HTTP/2", site,
                                              http2, plain_client::HeadRequestsWithQt, 32),
                     .maxRatio = 1.25,
                     .prepare =
                         [&data, pages, http2, start] {
                             data.makeSite(pages);
                             start(http2, " ssl http2");
                         },
                     .requests = pages});
    cases.push_back({.name = name + ", against HTTP/1.1",
                     .ours = check("", site, http2),
                     .reference = check("the check without HTTP/2 (6 connections)", site, http1),
                     .maxRatio = 0.25,
                     .prepare =
                         [&data, pages, http1, http2, start] {
                             data.makeSite(pages);
                             start(http2, " ssl http2");
                             start(http1, " ssl");
                         },
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
    addVerifyCase(cases, data, 20000);
    addSlowHttpsCases(cases, data, 20000);
    addListingCases(cases, data, 100000);
    addRunCases(cases, data, 100000);
    cases.push_back(treeCase(data, 100000));
    cases.push_back(moveMapCase(data, 100000));
    return cases;
}
