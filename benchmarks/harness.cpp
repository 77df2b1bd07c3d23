#include "harness.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <utility>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A field of a process's status in /proc ("self" for this process).
long statusFieldKiB(const std::string& process, const char* field) {
    std::ifstream status("/proc/" + process + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0) {
            return std::atol(line.c_str() + std::strlen(field));
        }
    }
    return 0;
}

// Lets the peak resident memory start again from what is resident now.
void resetPeakResident() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

std::string timeText(double seconds) {
    char text[32];
    if (seconds >= 1) {
        std::snprintf(text, sizeof text, "%.2f s", seconds);
    } else if (seconds >= 1e-3) {
        std::snprintf(text, sizeof text, "%.1f ms", seconds * 1e3);
    } else {
        std::snprintf(text, sizeof text, "%.1f µs", seconds * 1e6);
    }
    return text;
}

Sample runSide(const std::string& program, int caseIndex, int side,
               const std::vector<std::string>& childArguments) {
    std::vector<std::string> arguments = {program, "--child", std::to_string(caseIndex),
                                          std::to_string(side)};
    arguments.insert(arguments.end(), childArguments.begin(), childArguments.end());
    Child child(arguments, {});
    std::string last;
    while (const std::optional<std::string> line = child.readLine()) {
        last = *line;
    }
    Sample sample;
    if (!child.finish() ||
        std::sscanf(last.c_str(), "%lf %lf %ld %ld", &sample.seconds, &sample.cpuSeconds,
                    &sample.peakKiB, &sample.extraKiB) != 4) {
        std::fprintf(stderr, "case %d side %d failed\n", caseIndex, side);
    }
    return sample;
}

std::string contents(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Whether two folders hold the same files, byte for byte.
bool sameFiles(const std::string& one, const std::string& other) {
    std::size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(one)) {
        const std::filesystem::path twin = other / entry.path().filename();
        if (!std::filesystem::exists(twin) || contents(entry.path()) != contents(twin)) {
            return false;
        }
        ++files;
    }
    return files == std::size_t(std::distance(std::filesystem::directory_iterator(other),
                                              std::filesystem::directory_iterator()));
}

// Writes `folder`'s files out and drops them from memory, so that the next side neither
// shares the disk with their writing nor waits for the kernel to reclaim the memory they
// hold: outputs kept aside otherwise fill the memory after a few runs of 100,000 pages.
void settle(const std::string& folder) {
    sync();
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        const int file = entry.is_regular_file() ? open(entry.path().c_str(), O_RDONLY) : -1;
        if (file >= 0) {
            posix_fadvise(file, 0, 0, POSIX_FADV_DONTNEED);
            close(file);
        }
    }
}

struct Figures {
    std::vector<double> ours, reference, oursCpu, referenceCpu, peaks, extras;
};

// " (N/s)": the case's requests per second in `seconds`; nothing for a case without requests.
std::string rateText(const Case& benchmark, double seconds) {
    if (benchmark.requests == 0 || seconds <= 0) {
        return {};
    }
    char text[32];
    std::snprintf(text, sizeof text, " (%.0f/s)", benchmark.requests / seconds);
    return text;
}

std::string row(const Case& benchmark, const Figures& figures) {
    const double ours = Median(figures.ours);
    const double reference = Median(figures.reference);
    const double extra = Median(figures.extras);
    std::ostringstream text;
    text << "| " << benchmark.name << " | " << timeText(ours) << rateText(benchmark, ours) << " | "
         << benchmark.reference.label << " " << timeText(reference)
         << rateText(benchmark, reference) << " | " << RatioText(ours, reference) << " | "
         << RatioText(Median(figures.oursCpu), Median(figures.referenceCpu)) << " | ";
    if (benchmark.maxRatio > 0) {
        char goal[48];
        std::snprintf(goal, sizeof goal, "≤%.2fx %s", benchmark.maxRatio,
                      ours <= benchmark.maxRatio * reference ? "met" : "MISSED");
        text << goal;
    }
    if (benchmark.maxExtraKiB > 0) {
        text << (benchmark.maxRatio > 0 ? "; " : "") << "extra ≤"
             << MemoryText(benchmark.maxExtraKiB)
             << (extra <= benchmark.maxExtraKiB ? " met" : " MISSED");
    }
    text << " | " << MemoryText(Median(figures.peaks)) << " | " << MemoryText(extra) << " |";
    return text.str();
}

} // namespace

void Meter::measure(const std::function<void()>& work, int times,
                    const std::function<void()>& before) {
    const long resident = ResidentKiB();
    resetPeakResident();
    std::vector<double> seconds;
    const double cpuBefore = CpuSeconds();
    for (int run = 0; run < times; ++run) {
        if (before) {
            before();
        }
        const auto start = std::chrono::steady_clock::now();
        work();
        seconds.push_back(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    figures.seconds = Median(seconds);
    figures.cpuSeconds = (CpuSeconds() - cpuBefore) / times;
    figures.peakKiB = PeakResidentKiB();
    figures.extraKiB = std::max(0L, figures.peakKiB - resident);
}

Child::Child(const std::vector<std::string>& arguments,
             const std::vector<std::string>& environment) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        return;
    }
    pid = fork();
    if (pid == 0) {
        dup2(pipeEnds[1], STDOUT_FILENO);
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        for (const std::string& variable : environment) {
            putenv(const_cast<char*>(variable.c_str()));
        }
        std::vector<char*> argv;
        for (const std::string& argument : arguments) {
            argv.push_back(const_cast<char*>(argument.c_str()));
        }
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(pipeEnds[1]);
    output = pipeEnds[0];
}

Child::~Child() {
    finish();
}

std::optional<std::string> Child::readLine() {
    for (;;) {
        const std::size_t end = pending.find('\n');
        if (end != std::string::npos) {
            std::string line = pending.substr(0, end);
            pending.erase(0, end + 1);
            return line;
        }
        char buffer[4096];
        const ssize_t count = output < 0 ? 0 : read(output, buffer, sizeof buffer);
        if (count <= 0) {
            return pending.empty() ? std::nullopt : std::optional(std::exchange(pending, {}));
        }
        pending.append(buffer, std::size_t(count));
    }
}

bool Child::finish() {
    if (output >= 0) {
        close(std::exchange(output, -1));
    }
    int status = 0;
    if (pid <= 0 || waitpid(std::exchange(pid, -1), &status, 0) < 0) {
        return false;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void RunCases(const std::vector<Case>& cases, int rounds, const std::string& program,
              const std::vector<std::string>& childArguments, const std::string& asidePrefix) {
    std::vector<std::string> rows;
    for (std::size_t index = 0; index < cases.size(); ++index) {
        const Case& benchmark = cases[index];
        if (benchmark.prepare) {
            benchmark.prepare();
        }
        sync(); // data just made is written out before any side is timed
        const auto aside = [&](int round, int side) {
            return asidePrefix + std::to_string(index) + "-" + std::to_string(round) + "-" +
                   std::to_string(side);
        };
        Figures figures;
        for (int round = 0; round < rounds; ++round) {
            // Each round swaps which side goes first, so both meet the same load.
            for (const int side : round % 2 == 0 ? std::vector{0, 1} : std::vector{1, 0}) {
                const Sample sample = runSide(program, int(index), side, childArguments);
                (side == 0 ? figures.ours : figures.reference).push_back(sample.seconds);
                (side == 0 ? figures.oursCpu : figures.referenceCpu).push_back(sample.cpuSeconds);
                if (side == 0) {
                    figures.peaks.push_back(double(sample.peakKiB));
                    figures.extras.push_back(double(sample.extraKiB));
                }
                const std::string& output = side == 1 && !benchmark.referenceOutput.empty()
                                                ? benchmark.referenceOutput
                                                : benchmark.output;
                if (!output.empty()) {
                    std::filesystem::rename(output, aside(round, side));
                    settle(aside(round, side));
                }
            }
            if (round == 0 && !benchmark.output.empty() && benchmark.referenceOutput.empty() &&
                !sameFiles(aside(0, 0), aside(0, 1))) {
                std::printf("The two sides of \"%s\" wrote different files.\n",
                            benchmark.name.c_str());
            }
        }
        rows.push_back(row(benchmark, figures));
        std::printf("%s\n", rows.back().c_str());
        std::fflush(stdout);
    }
    std::printf("\n| case | Zandrift | reference | ratio | CPU ratio | goal | peak memory | "
                "extra memory |\n|---|---|---|---|---|---|---|---|\n");
    for (const std::string& line : rows) {
        std::printf("%s\n", line.c_str());
    }
}

int RunChildSide(const std::vector<Case>& cases, int caseIndex, int side) {
    if (caseIndex < 0 || std::size_t(caseIndex) >= cases.size()) {
        return 2;
    }
    const Case& benchmark = cases[std::size_t(caseIndex)];
    Meter meter;
    (side == 0 ? benchmark.ours : benchmark.reference).run(meter);
    const Sample& sample = meter.sample();
    std::printf("%.9f %.9f %ld %ld\n", sample.seconds, sample.cpuSeconds, sample.peakKiB,
                sample.extraKiB);
    std::fflush(stdout);
    return 0;
}

long ResidentKiB() {
    return statusFieldKiB("self", "VmRSS:");
}

long PeakResidentKiB() {
    return statusFieldKiB("self", "VmHWM:");
}

long PeakResidentKiBOf(long processId) {
    return statusFieldKiB(std::to_string(processId), "VmHWM:");
}

double Percentile(std::vector<double> values, int percent) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() * std::size_t(percent) / 100];
}

double Median(std::vector<double> values) {
    return Percentile(std::move(values), 50);
}

std::string RatioText(double ours, double reference) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2fx", reference > 0 ? ours / reference : 0);
    return text;
}

std::string MemoryText(double kib) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f MB", kib / 1024);
    return text;
}

std::string CountText(long long number) {
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

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& time) {
        return time.tv_sec + time.tv_usec / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

std::string LoadAverage() {
    std::ifstream file("/proc/loadavg");
    std::string one, five, fifteen;
    file >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}
