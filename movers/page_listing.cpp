#include "movers/page_listing.h"

#include "movers/path_joiners.h"

#include <QFile>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

char asciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

bool isAscii(QByteArrayView name) {
    return std::all_of(name.begin(), name.end(), [](char c) { return uchar(c) < 0x80; });
}

// The "*.htm*" rule on a raw name: any bytes, ".htm", any bytes, letters compared without
// regard to case. The bytes of ".htm" never occur inside a multi-byte UTF-8 character, so
// the raw test agrees with the test on the decoded name.
bool isPageFileName(QByteArrayView name) {
    constexpr QByteArrayView kPattern = ".htm";
    const auto hit = std::search(name.begin(), name.end(), kPattern.begin(), kPattern.end(),
                                 [](char a, char b) { return asciiLower(a) == b; });
    return hit != name.end();
}

// Whether the entry is a regular file after following links. The entry's type from the
// folder is enough except for links and file systems that do not report it.
bool isRegularFile(int folder, const dirent& entry) {
    if (entry.d_type == DT_REG) {
        return true;
    }
    if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN) {
        return false;
    }
    struct stat status {};
    return fstatat(folder, entry.d_name, &status, 0) == 0 && S_ISREG(status.st_mode);
}

bool holdsWildcards(const QString& folderText) {
    return folderText.contains(u'*') || folderText.contains(u'?');
}

// A name to be sorted, and whether it is all ASCII.
struct SortName {
    QString name;
    bool ascii = false;
};

// Orders names without regard to case as QString::compare with Qt::CaseInsensitive does,
// names equal but for case by their exact text. Between two ASCII names, which most page names
// are, letter case is folded by hand, which gives the same order at a fraction of the cost.
bool sortsBefore(const SortName& a, const SortName& b) {
    int order = 0;
    if (a.ascii && b.ascii) {
        const qsizetype common = std::min(a.name.size(), b.name.size());
        const QChar* one = a.name.constData();
        const QChar* other = b.name.constData();
        for (qsizetype at = 0; at < common && order == 0; ++at) {
            order = asciiLower(one[at].toLatin1()) - asciiLower(other[at].toLatin1());
        }
        if (order == 0) {
            order = a.name.size() == b.name.size() ? 0 : (a.name.size() < b.name.size() ? -1 : 1);
        }
    } else {
        order = QString::compare(a.name, b.name, Qt::CaseInsensitive);
    }
    return order != 0 ? order < 0 : a.name < b.name;
}

// Calls `take` with the raw name of each page file of the folder a folder text names.
template <typename Take> void forEachPageFile(const QString& folderText, Take take) {
    if (holdsWildcards(folderText) || folderText.contains(QChar(0))) {
        return;
    }
    const QByteArray folderPath = QFile::encodeName(Module1::AddBackslash(folderText));
    const std::unique_ptr<DIR, int (*)(DIR*)> folder(opendir(folderPath.constData()), &closedir);
    if (!folder) {
        return;
    }
    while (const dirent* entry = readdir(folder.get())) {
        const QByteArrayView name(entry->d_name, qsizetype(std::strlen(entry->d_name)));
        if (!name.startsWith('.') && isPageFileName(name) &&
            isRegularFile(dirfd(folder.get()), *entry)) {
            take(name);
        }
    }
}

} // namespace

PageFileList ListPageFiles(const QString& folderText) {
    PageFileList pages;
    std::vector<SortName> names;
    forEachPageFile(folderText, [&](QByteArrayView name) {
        if (name.isValidUtf8()) {
            names.push_back({QString::fromUtf8(name), isAscii(name)});
        } else {
            pages.undecodable << name.toByteArray();
        }
    });
    std::sort(names.begin(), names.end(), sortsBefore);
    pages.names.reserve(qsizetype(names.size()));
    for (SortName& name : names) {
        pages.names << std::move(name.name);
    }
    std::sort(pages.undecodable.begin(), pages.undecodable.end());
    return pages;
}

QByteArrayList UndecodablePageFiles(const QString& folderText) {
    QByteArrayList undecodable;
    forEachPageFile(folderText, [&](QByteArrayView name) {
        if (!name.isValidUtf8()) {
            undecodable << name.toByteArray();
        }
    });
    std::sort(undecodable.begin(), undecodable.end());
    return undecodable;
}
