#include "mover_output.h"

#include "harness.h"

#include <cstdio>
#include <filesystem>
#include <map>
#include <utility>

namespace mover_output {

namespace {

// The pages and the plain file are what a server serves; every other file the program wrote
// is a rules file.
bool isRulesFile(const std::filesystem::directory_entry& entry) {
    return entry.is_regular_file() && entry.path().extension() != ".htm" &&
           entry.path().filename() != "style.css";
}

} // namespace

std::string Write(const std::string& program, const std::string& site,
                  const std::vector<std::string>& arguments) {
    std::vector<std::string> command = {program};
    command.insert(command.end(), arguments.begin(), arguments.end());
    command.insert(command.end(), {"--replace", site});
    Child run(command, {});
    while (run.readLine()) {
        // The progress lines are not needed; reading them keeps the program from blocking.
    }
    if (!run.finish()) {
        std::fprintf(stderr, "%s failed on %s\n", program.c_str(), site.c_str());
        return {};
    }
    return site + "/zandrifts";
}

void CopyBeside(const std::string& site, const std::string& output, const std::string& relative) {
    std::filesystem::copy_file(site + "/" + relative, output + "/" + relative,
                               std::filesystem::copy_options::overwrite_existing);
}

void CopyWithoutRules(const std::string& output, const std::string& copy) {
    std::filesystem::remove_all(copy);
    std::filesystem::create_directories(copy);
    for (const auto& entry : std::filesystem::recursive_directory_iterator(output)) {
        const std::filesystem::path twin = copy / entry.path().lexically_relative(output);
        if (entry.is_directory()) {
            std::filesystem::create_directory(twin);
        } else if (!isRulesFile(entry)) {
            std::filesystem::create_hard_link(entry.path(), twin);
        }
    }
}

std::string RulesFilesText(const std::string& output) {
    std::map<std::string, std::pair<int, std::uintmax_t>> files; // by name: count, bytes
    for (const auto& entry : std::filesystem::recursive_directory_iterator(output)) {
        if (isRulesFile(entry)) {
            auto& [count, bytes] = files[entry.path().filename().string()];
            ++count;
            bytes += entry.file_size();
        }
    }
    std::string text;
    for (const auto& [name, figures] : files) {
        if (!text.empty()) {
            text += ", ";
        }
        text += name;
        if (figures.first > 1) {
            text.append(" (").append(CountText(figures.first)).append(" files)");
        }
        text.append(" ").append(MemoryText(double(figures.second) / 1024));
    }
    return text;
}

} // namespace mover_output
