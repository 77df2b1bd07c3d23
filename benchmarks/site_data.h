#pragma once

#include <string>
#include <utility>

// The data the benchmarks work on, made in a folder of their own. Each maker leaves what it
// made in place and makes nothing twice, so the cases of one run share it.
class SiteData {
public:
    explicit SiteData(std::string root) : root(std::move(root)) {}

    // A site folder of `pages` pages of 8 KB (names in mixed letter case, titles at their
    // start, one in ten not ASCII) and twice as many other files.
    std::string site(int pages) const { return root + "/site-" + std::to_string(pages); }
    void makeSite(int pages) const;
    // The pages and other files of site(pages) spread over 100 folders, a hundredth in each.
    std::string treeSite(int pages) const { return root + "/tree-" + std::to_string(pages); }
    void makeTreeSite(int pages) const;
    // A move map of every page of treeSite(pages): each to a folder "renamed/" of the new site.
    std::string moveMap(int pages) const {
        return root + "/moves-" + std::to_string(pages) + ".csv";
    }
    void makeMoveMap(int pages) const;
    // The same pages, a quarter of them 64 to 200 KB, and no other files.
    std::string mixedSite(int pages) const { return root + "/mixed-" + std::to_string(pages); }
    void makeMixedSite(int pages) const;
    // `pages` small pages (a title and a line each, named page000001.htm on) in one folder,
    // or in order over `folders` folders (folder001 on), with a plain file, style.css, beside
    // the page in the middle of the site.
    std::string smallPagesSite(int pages, int folders) const {
        return root + "/small-" + std::to_string(pages) + "-in-" + std::to_string(folders);
    }
    void makeSmallPagesSite(int pages, int folders) const;
    // The path of page `number` (from 1) of such a site, relative to the site.
    static std::string smallPagePath(int number, int pages, int folders);
    // A folder that stays empty, and one for what runs leave behind, out of the way of
    // later runs.
    std::string emptyFolder() const { return root + "/empty"; }
    std::string asideFolder() const { return root + "/aside"; }
    void makeFolders() const;
    // A folder of its own for something named `name`.
    std::string folderFor(const std::string& name) const { return root + "/" + name; }

    // Single pages: 4 KB; 256 MB with the title in its first kilobyte; 256 MB whose "<title>"
    // is never closed; one whose title is 256 MB.
    std::string smallPage() const { return root + "/small-4kb.htm"; }
    std::string bigPage() const { return root + "/big-256mb.htm"; }
    std::string unclosedPage() const { return root + "/unclosed-256mb.htm"; }
    std::string longTitlePage() const { return root + "/long-title-256mb.htm"; }
    void makeTitlePages() const;
    static constexpr long long kBigSize = 256LL << 20;

private:
    std::string root;
};
