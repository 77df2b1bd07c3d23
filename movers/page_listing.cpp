#include "movers/page_listing.h"

#include "movers/path_joiners.h"

#include <QFile>

#include <algorithm>
#include <cstring>
#include <memory>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

char asciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
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

} // namespace

PageFileList ListPageFiles(const QString& folderText) {
    if (holdsWildcards(folderText) || folderText.contains(QChar(0))) {
        return {};
    }
    const QByteArray folderPath = QFile::encodeName(Module1::AddBackslash(folderText));
    const std::unique_ptr<DIR, int (*)(DIR*)> folder(opendir(folderPath.constData()), &closedir);
    if (!folder) {
        return {};
    }
    PageFileList pages;
    while (const dirent* entry = readdir(folder.get())) {
        const QByteArrayView name(entry->d_name, qsizetype(std::strlen(entry->d_name)));
        if (name.startsWith('.') || !isPageFileName(name) ||
            !isRegularFile(dirfd(folder.get()), *entry)) {
            continue;
        }
        if (name.isValidUtf8()) {
            pages.names << QString::fromUtf8(name);
        } else {
            pages.undecodable << name.toByteArray();
        }
    }
    std::sort(pages.names.begin(), pages.names.end(), [](const QString& a, const QString& b) {
        const int order = QString::compare(a, b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
    std::sort(pages.undecodable.begin(), pages.undecodable.end());
    return pages;
}
