#include "baselines.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <strings.h>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace baseline {

namespace {

bool isPageName(const char* name) {
    for (const char* at = name; *at != '\0'; ++at) {
        if (strncasecmp(at, ".htm", 4) == 0) {
            return true;
        }
    }
    return false;
}

// The position of the first `tag` (lower case) in `text`, letters in any case; npos if none.
std::size_t findTag(const std::string& text, const char* tag) {
    const std::size_t length = std::strlen(tag);
    for (std::size_t at = text.find('<'); at != std::string::npos; at = text.find('<', at + 1)) {
        if (text.size() - at >= length && strncasecmp(text.c_str() + at, tag, length) == 0) {
            return at;
        }
    }
    return std::string::npos;
}

// The page's title: the text between its first "<title>" and first "</title>" with line
// breaks flattened, or the path when it has none.
std::string readTitle(const std::string& path) {
    const int file = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    std::string head;
    std::size_t close = std::string::npos;
    char block[4096];
    for (ssize_t count = 0; file >= 0 && close == std::string::npos &&
                            (count = read(file, block, sizeof block)) > 0;) {
        head.append(block, std::size_t(count));
        close = findTag(head, "</title>");
    }
    if (file >= 0) {
        ::close(file);
    }
    const std::size_t open = findTag(head, "<title>");
    if (close == std::string::npos || open == std::string::npos || close <= open + 7) {
        return path;
    }
    std::string title;
    for (std::size_t at = open + 7; at < close; ++at) {
        if (head[at] != '\r') {
            title += head[at] == '\n' ? ' ' : head[at];
        }
    }
    return title.empty() ? path : title;
}

std::string encodedName(const std::string& name) {
    std::string encoded;
    for (const unsigned char c : name) {
        if (c < 0x20 || c >= 0x7F || std::strchr("%#?\"<>\\", c) != nullptr) {
            char escape[4];
            std::snprintf(escape, sizeof escape, "%%%02X", c);
            encoded += escape;
        } else {
            encoded += char(c);
        }
    }
    return encoded;
}

bool writeFile(const std::string& path, const std::string& temporary, const std::string& bytes) {
    const int file = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (file < 0) {
        return false;
    }
    const bool written = write(file, bytes.data(), bytes.size()) == ssize_t(bytes.size());
    return (close(file) == 0) && written && rename(temporary.c_str(), path.c_str()) == 0;
}

} // namespace

std::vector<std::string> ListPages(const std::string& folder) {
    std::vector<std::string> names;
    DIR* directory = opendir(folder.c_str());
    if (directory == nullptr) {
        return names;
    }
    while (const dirent* entry = readdir(directory)) {
        if (entry->d_name[0] == '.' || !isPageName(entry->d_name)) {
            continue;
        }
        struct stat status {};
        if (entry->d_type == DT_REG || ((entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) &&
                                        fstatat(dirfd(directory), entry->d_name, &status, 0) == 0 &&
                                        S_ISREG(status.st_mode))) {
            names.emplace_back(entry->d_name);
        }
    }
    closedir(directory);
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const int order = strcasecmp(a.c_str(), b.c_str());
        return order != 0 ? order < 0 : a < b;
    });
    return names;
}

void WriteRedirectPages(const std::string& siteFolder, const std::vector<std::string>& names,
                        const std::string& newAddress, int delay, const std::string& outputFolder) {
    mkdir(outputFolder.c_str(), 0777);
    const std::string base =
        newAddress.empty() || newAddress.back() == '/' || newAddress.back() == '\\'
            ? newAddress
            : newAddress + '/';
    const std::string temporary = outputFolder + "/.page.tmp";
    std::string page;
    for (const std::string& name : names) {
        const std::string title = readTitle(siteFolder + '/' + name);
        const std::string address = base + encodedName(name);
        page.clear();
        page.append("<html><head><title>").append(title).append("</title>");
        page.append("<META HTTP-EQUIV=\"Refresh\" CONTENT=\"").append(std::to_string(delay));
        page.append(";URL=").append(address).append("\"></head><body><h1>").append(title);
        page.append("</h1><hr>You are redirected to <a href=\"").append(address).append("\">");
        page.append(address).append("</a><br>Please update your bookmarks.</body></html>\r\n");
        writeFile(outputFolder + '/' + name, temporary, page);
    }
}

long long ReadInBlocks(const std::string& path) {
    const int file = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (file < 0) {
        return 0;
    }
    static char block[64 * 1024];
    long long total = 0;
    for (ssize_t count = 0; (count = read(file, block, sizeof block)) > 0;) {
        total += count;
    }
    close(file);
    return total;
}

} // namespace baseline
