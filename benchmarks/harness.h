#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

// The figures of one side of a case, taken in a process of its own.
struct Sample {
    double seconds = 0;    // one run of the work (the median when it ran several times)
    double cpuSeconds = 0; // the processor time of one run, user and system (the mean)
    long peakKiB = 0;      // the process's peak resident memory while the work ran
    long extraKiB = 0;     // how far that peak rose above the memory in use before the work
};

// Measures work in the running process: time on the steady clock, memory from the kernel's
// count of the process's resident pages.
class Meter {
public:
    // Runs `work` `times` times, each after `before` (not measured); keeps the median time
    // and the peak memory of all runs.
    void measure(const std::function<void()>& work, int times = 1,
                 const std::function<void()>& before = {});
    // Takes figures measured outside this process, by a program started for the purpose.
    void record(const Sample& taken) { figures = taken; }
    const Sample& sample() const { return figures; }

private:
    Sample figures;
};

// One side of a case: its label and the work it measures.
struct Side {
    std::string label;
    std::function<void(Meter&)> run;
};

// A case: the program's side against a reference, each run in fresh processes, in turns.
// Its goals are the most ours may take: time as a multiple of the reference's, and memory
// beyond what the process held before the work; 0 for no goal. `output` is a folder the
// work leaves behind, moved aside after each run, and compared file by file with the
// reference's; `referenceOutput` is the reference's own when it writes other files elsewhere,
// so there is nothing to compare. `prepare` makes the case's data, in the parent, before the
// case's first run. `requests`, when given, is how many requests one run of either side
// makes; the figures then show requests per second too.
struct Case {
    std::string name;
    Side ours;
    Side reference;
    double maxRatio = 0;
    double maxExtraKiB = 0;
    std::string output = {};
    std::string referenceOutput = {};
    std::function<void()> prepare = {};
    int requests = 0;
};

// A program started with its standard output on a pipe.
class Child {
public:
    Child(const std::vector<std::string>& arguments, const std::vector<std::string>& environment);
    ~Child();
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    // The next line the program prints, without its line end; nothing at the end of its output.
    std::optional<std::string> readLine();
    // Waits for the program to end; returns whether it ended with exit code 0.
    bool finish();

private:
    int pid = -1;
    int output = -1;
    std::string pending;
};

// Runs the cases' sides in turns, `rounds` times each, and prints each case's figures.
// A side runs as `program --child <case> <side>` followed by `childArguments`, and prints
// its figures on its last line (see RunChildSide). What a run leaves behind is moved to a
// path starting with `asidePrefix`.
void RunCases(const std::vector<Case>& cases, int rounds, const std::string& program,
              const std::vector<std::string>& childArguments, const std::string& asidePrefix);

// In a child: runs one side of one case and prints its figures.
int RunChildSide(const std::vector<Case>& cases, int caseIndex, int side);

// The process's resident memory now, and its peak, in KiB; the peak of another process.
long ResidentKiB();
long PeakResidentKiB();
long PeakResidentKiBOf(long processId);
// The processor time the process has used so far, user and system.
double CpuSeconds();

// The value `percent` per cent of the values lie below (the higher middle one for 50), 0 for
// none.
double Percentile(std::vector<double> values, int percent);
double Median(std::vector<double> values);
// "1.23x": `ours` as a multiple of `reference`.
std::string RatioText(double ours, double reference);
// "12.3 MB" for a size in KiB.
std::string MemoryText(double kib);
// The number with a comma between each group of three digits.
std::string CountText(long long number);
// The system's load averages over 1, 5 and 15 minutes.
std::string LoadAverage();
