#include "app/page_listing.h"

#include "movers/path_joiners.h"

#include <QDirIterator>

#include <algorithm>

namespace {

// The "*.htm*" rule: any text, ".htm", any text, letters compared without regard to case.
// Matched here rather than by a name filter, which costs a regular expression per entry.
bool isPageFileName(const QString& name) {
    return name.contains(QLatin1String(".htm"), Qt::CaseInsensitive);
}

} // namespace

QStringList ListPageFiles(const QString& folderText) {
    if (folderText.contains(u'*') || folderText.contains(u'?')) {
        return {};
    }
    QStringList names;
    QDirIterator entries(Module1::AddBackslash(folderText), QDir::Files);
    while (entries.hasNext()) {
        entries.next();
        if (isPageFileName(entries.fileName())) {
            names << entries.fileName();
        }
    }
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int order = QString::compare(a, b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
    return names;
}
