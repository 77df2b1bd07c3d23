// Measures the program against the least work its jobs need, case by case, each side in
// fresh processes taking turns, and prints a table of the figures. See BENCHMARKS.md.
//
//   zandrift_benchmarks [--rounds N] [--only TEXT] [--data FOLDER]
//
// --only runs the cases whose names hold TEXT; --data makes (and keeps) the data in FOLDER
// instead of a temporary folder removed at the end.
#include "cases.h"
#include "harness.h"
#include "site_data.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

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

} // namespace

int main(int argc, char** argv) {
    Options options = parse(argc, argv);
    const bool temporary = options.data.empty();
    if (temporary) {
        char pattern[] = "/tmp/zandrift-benchmarks-XXXXXX";
        options.data = mkdtemp(pattern);
    }
    const SiteData data(options.data);
    std::vector<Case> cases = AllCases(data);
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
                options.rounds, LoadAverage().c_str());
    RunCases(cases, options.rounds, "/proc/self/exe",
             {"--rounds", std::to_string(options.rounds), "--only", options.only, "--data",
              options.data},
             data.asideFolder() + "/" + std::to_string(getpid()) + "-");
    std::printf("Load average at the end %s\n", LoadAverage().c_str());
    // The outputs were kept aside so that nothing was deleted while a side was timed.
    std::filesystem::remove_all(temporary ? options.data : data.asideFolder());
    return 0;
}
