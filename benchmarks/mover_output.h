#pragma once

#include <string>
#include <vector>

// The real program's output for a site, served by the server rules benchmark.
namespace mover_output {

// Runs the real program at `program` on `site` with `arguments` before the folder (its output
// replacing an earlier run's); returns the output folder, empty when the run failed.
std::string Write(const std::string& program, const std::string& site,
                  const std::vector<std::string>& arguments);

// Copies the file at `relative` in the site to the same place in its output.
void CopyBeside(const std::string& site, const std::string& output, const std::string& relative);

// Makes `copy` the output without its rules files: its folders, and hard links to its pages
// and plain files (style.css), wherever the program put the rules files.
void CopyWithoutRules(const std::string& output, const std::string& copy);

// The output's rules files (all but its pages and style.css), by name, each with how many
// there are and their size: "redirects.nginx 8.1 MB, .htaccess (100 files) 9.2 MB".
std::string RulesFilesText(const std::string& output);

} // namespace mover_output
