#pragma once

#include <string>
#include <vector>

// The least work each job needs, in plain C++ without Qt: what the program is measured
// against. They handle the benchmarks' own data (ASCII names, pages of UTF-8), not every
// page a user may have.
namespace baseline {

// The regular files of a folder (after following links) whose names do not start with "."
// and hold ".htm" in any letter case; sorted without regard to case, equal names by bytes.
std::vector<std::string> ListPages(const std::string& folder);

// Writes one redirect page for each page name into `outputFolder`, which it creates: the
// title read from the page up to its first "</title>", the page built in one buffer and
// written to a temporary file in the output folder that is then renamed into place.
void WriteRedirectPages(const std::string& siteFolder, const std::vector<std::string>& names,
                        const std::string& newAddress, int delay, const std::string& outputFolder);

// Reads a whole file in blocks of 64 KB; gives the number of bytes read.
long long ReadInBlocks(const std::string& path);

} // namespace baseline
