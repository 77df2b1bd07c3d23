#include "movers/page_listing.h"

#include "movers/folder_reader.h"
#include "movers/path_joiners.h"

#include <QFile>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include <dirent.h>
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
    const char* end = name.data() + name.size();
    for (const char* dot = name.data(); end - dot >= 4; ++dot) {
        dot = static_cast<const char*>(std::memchr(dot, '.', size_t(end - dot - 3)));
        if (dot == nullptr) {
            return false;
        }
        if (asciiLower(dot[1]) == 'h' && asciiLower(dot[2]) == 't' && asciiLower(dot[3]) == 'm') {
            return true;
        }
    }
    return false;
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

// Sorts names as QString::compare with Qt::CaseInsensitive orders them, names equal but for
// case by their exact text. Most page names are ASCII; for two of them that order is the
// order of their lower-cased bytes, which are kept one after another in one buffer, their
// first eight also in one number that settles most comparisons. Any other pair is compared
// by QString::compare.
class NameSorter {
public:
    void add(QByteArrayView utf8) {
        if (!isAscii(utf8)) {
            names.push_back({QString::fromUtf8(utf8), 0, -1, 0});
            return;
        }
        const auto keyAt = std::uint32_t(keys.size());
        keys.append(utf8.data(), size_t(utf8.size()));
        std::transform(keys.begin() + keyAt, keys.end(), keys.begin() + keyAt, asciiLower);
        std::uint64_t head = 0;
        for (qsizetype at = 0; at < 8; ++at) {
            head = head << 8 | (at < utf8.size() ? uchar(keys[keyAt + size_t(at)]) : 0);
        }
        names.push_back(
            {QString::fromLatin1(utf8), head, std::int64_t(keyAt), std::uint32_t(utf8.size())});
    }

    QStringList sorted() {
        std::sort(names.begin(), names.end(),
                  [this](const Name& a, const Name& b) { return before(a, b); });
        QStringList texts;
        texts.reserve(qsizetype(names.size()));
        for (Name& name : names) {
            texts << std::move(name.text);
        }
        return texts;
    }

private:
    struct Name {
        QString text;
        std::uint64_t head; // the first eight lower-cased bytes, the first most significant
        std::int64_t keyAt; // where its lower-cased bytes begin in `keys`; -1 when not ASCII
        std::uint32_t keySize;
    };

    std::string_view key(const Name& name) const {
        return std::string_view(keys).substr(size_t(name.keyAt), name.keySize);
    }

    bool before(const Name& a, const Name& b) const {
        int order = 0;
        if (a.keyAt < 0 || b.keyAt < 0) {
            order = QString::compare(a.text, b.text, Qt::CaseInsensitive);
        } else if (a.head != b.head) {
            order = a.head < b.head ? -1 : 1;
        } else {
            order = key(a).compare(key(b));
        }
        return order != 0 ? order < 0 : a.text < b.text;
    }

    std::string keys;
    std::vector<Name> names;
};

// Calls `take` with the raw name of each page file the reader finds; gives the system's error
// number when the folder cannot be read to its end, 0 when it was.
template <typename Take> int forEachPageFile(FolderReader& folder, Take take) {
    while (const dirent* entry = folder.next()) {
        const QByteArrayView name(entry->d_name, qsizetype(std::strlen(entry->d_name)));
        if (!name.startsWith('.') && isPageFileName(name) &&
            isRegularFile(folder.descriptor(), *entry)) {
            take(name);
        }
    }
    return folder.error();
}

} // namespace

PageFileList ListPageFiles(const QString& folderText) {
    if (holdsWildcards(folderText) || folderText.contains(QChar(0))) {
        return {};
    }
    FolderReader folder(QFile::encodeName(Module1::AddBackslash(folderText)));
    PageFileList pages;
    NameSorter names;
    pages.readError = forEachPageFile(folder, [&](QByteArrayView name) {
        if (name.isValidUtf8()) {
            names.add(name);
        } else {
            pages.undecodable << name.toByteArray();
        }
    });
    if (pages.readError != 0) {
        return {{}, {}, pages.readError};
    }
    pages.names = names.sorted();
    std::sort(pages.undecodable.begin(), pages.undecodable.end());
    return pages;
}

QByteArrayList UndecodablePageFiles(const OpenFolder& folder) {
    FolderReader reader(folder);
    QByteArrayList undecodable;
    if (forEachPageFile(reader, [&](QByteArrayView name) {
            if (!name.isValidUtf8()) {
                undecodable << name.toByteArray();
            }
        }) != 0) {
        return {};
    }
    std::sort(undecodable.begin(), undecodable.end());
    return undecodable;
}
