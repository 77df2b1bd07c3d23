#pragma once

#include <string>
#include <vector>

// The real program's output for a site, served by the server rules benchmark.
namespace mover_output {

// Runs the real program on `site` with `arguments` before the folder (its output replacing
// an earlier run's); returns the output folder, empty when the run failed.
std::string Write(const std::string& site, const std::vector<std::string>& arguments);

// Copies the file at `relative` in the site to the same place in its output.
void CopyBeside(const std::string& site, const std::string& output, const std::string& relative);

// The files named `name` anywhere in a folder, renamed aside while this object lives: the
// output served without the .htaccess files, wherever the program put them.
class HiddenFiles {
public:
    HiddenFiles(const std::string& folder, const std::string& name);
    ~HiddenFiles();
    HiddenFiles(const HiddenFiles&) = delete;
    HiddenFiles& operator=(const HiddenFiles&) = delete;

private:
    std::vector<std::string> hidden;
};

// The files of the output other than its pages and style.css, by name, each with how many
// there are and their size: "redirects.nginx 8.1 MB, .htaccess (100 files) 9.2 MB".
std::string RulesFilesText(const std::string& output);

} // namespace mover_output
