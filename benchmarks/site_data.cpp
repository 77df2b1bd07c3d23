#include "site_data.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>

namespace {

// Ordinary page text: paragraphs with a few tags, one line each.
const std::string kParagraph = "<p>Our opening hours change in <b>spring</b>; see the "
                               "<a href=\"hours.htm\">hours</a> page for the new times.</p>\n";

std::string pageName(int index) {
    static const char* const stems[] = {"index",   "About", "news",    "Products",
                                        "CONTACT", "faq",   "Gallery", "team"};
    static const char* const extensions[] = {".htm", ".html", ".HTM", ".Html"};
    return std::string(stems[index % 8]) + "-" + std::to_string(index) +
           extensions[(index / 8) % 4];
}

std::string pageText(int index, std::size_t size) {
    const std::string title =
        (index % 10 == 0 ? "Caf\xC3\xA9 " : "Page ") + std::to_string(index) + " of the site";
    std::string text = "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">\n<title>" + title +
                       "</title>\n</head><body>\n";
    while (text.size() + kParagraph.size() + 15 < size) {
        text += kParagraph;
    }
    return text + "</body></html>\n";
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// Writes a page of `size` bytes made of `head`, ordinary page text and `tail`.
void writeBigPage(const std::string& path, const std::string& head, const std::string& tail,
                  long long size) {
    std::string block;
    while (block.size() < (1U << 20)) {
        block += kParagraph;
    }
    std::ofstream file(path, std::ios::binary);
    file << head;
    for (long long written = 0; written < size;) {
        const std::size_t part = std::size_t(std::min<long long>(size - written, block.size()));
        file.write(block.data(), std::streamsize(part));
        written += part;
    }
    file << tail;
}

// Makes what `make` makes unless it was made before, by this run or an earlier one on the
// same folder.
void makeOnce(const std::string& what, const std::function<void()>& make) {
    const std::string mark = what + ".made";
    if (!std::filesystem::exists(mark)) {
        make();
        writeFile(mark, "");
    }
}

// Writes page `index` of a site of 8 KB pages, and its two other files, into `folder`.
void writeSitePage(const std::string& folder, int index) {
    writeFile(folder + '/' + pageName(index), pageText(index, 8192));
    writeFile(folder + "/image-" + std::to_string(index) + ".png", "");
    writeFile(folder + "/style-" + std::to_string(index) + ".css", "");
}

// The folder of page `index` in a tree of `pages` pages, relative to the tree.
std::string treeFolder(int index, int pages) {
    constexpr int kFolders = 100;
    return "part-" + std::to_string(index * kFolders / pages);
}

} // namespace

void SiteData::makeSite(int pages) const {
    const std::string folder = site(pages);
    makeOnce(folder, [&] {
        std::filesystem::create_directories(folder);
        for (int index = 0; index < pages; ++index) {
            writeSitePage(folder, index);
        }
    });
}

void SiteData::makeTreeSite(int pages) const {
    const std::string tree = treeSite(pages);
    makeOnce(tree, [&] {
        for (int index = 0; index < pages; ++index) {
            const std::string folder = tree + '/' + treeFolder(index, pages);
            std::filesystem::create_directories(folder);
            writeSitePage(folder, index);
        }
    });
}

void SiteData::makeMoveMap(int pages) const {
    makeOnce(moveMap(pages), [&] {
        std::string rows = "old,new\n";
        for (int index = 0; index < pages; ++index) {
            const std::string path = treeFolder(index, pages) + '/' + pageName(index);
            rows += path + ",renamed/" + path + '\n';
        }
        writeFile(moveMap(pages), rows);
    });
}

void SiteData::makeMixedSite(int pages) const {
    const std::string folder = mixedSite(pages);
    makeOnce(folder, [&] {
        std::filesystem::create_directories(folder);
        for (int index = 0; index < pages; ++index) {
            const std::size_t size =
                index % 4 == 0 ? (64 << 10) + std::size_t(index) * 7919 % (136 << 10) : 8192;
            writeFile(folder + '/' + pageName(index), pageText(index, size));
        }
    });
}

std::string SiteData::smallPagePath(int number, int pages, int folders) {
    char name[32];
    std::snprintf(name, sizeof name, "page%06d.htm", number);
    if (folders <= 1) {
        return name;
    }
    char folder[32];
    std::snprintf(folder, sizeof folder, "folder%03d/", (number - 1) / (pages / folders) + 1);
    return folder + std::string(name);
}

void SiteData::makeSmallPagesSite(int pages, int folders) const {
    const std::string site = smallPagesSite(pages, folders);
    makeOnce(site, [&] {
        for (int number = 1; number <= pages; ++number) {
            const std::filesystem::path page = site + "/" + smallPagePath(number, pages, folders);
            std::filesystem::create_directories(page.parent_path());
            const std::string title = "Page " + std::to_string(number);
            writeFile(page, "<!DOCTYPE html>\n<html><head><title>" + title +
                                "</title></head>\n<body><p>" + title +
                                " of the site.</p></body></html>\n");
        }
        const std::filesystem::path middle = site + "/" + smallPagePath(pages / 2, pages, folders);
        writeFile(middle.parent_path() / "style.css", "body { font-family: serif; }\n");
    });
}

void SiteData::makeFolders() const {
    std::filesystem::create_directories(emptyFolder());
    std::filesystem::create_directories(asideFolder());
}

void SiteData::makeTitlePages() const {
    makeOnce(root + "/title-pages", [this] {
        writeFile(smallPage(), pageText(1, 4096));
        writeBigPage(bigPage(), "<html><head><title>A big page</title></head>\n<body>\n",
                     "</body></html>\n", kBigSize);
        writeBigPage(unclosedPage(), "<html><head><title>Never closed\n", "</body></html>\n",
                     kBigSize);
        writeBigPage(longTitlePage(), "<html><head><title>", "</title></head></html>\n", kBigSize);
    });
}
