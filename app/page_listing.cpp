#include "app/page_listing.h"

#include "movers/path_joiners.h"

#include <QDir>

#include <algorithm>

QStringList ListPageFiles(const QString& folderText) {
    if (folderText.contains(u'*') || folderText.contains(u'?')) {
        return {};
    }
    const QDir folder(Module1::AddBackslash(folderText));
    QStringList names = folder.entryList({QStringLiteral("*.htm*")}, QDir::Files, QDir::NoSort);
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int order = QString::compare(a, b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
    return names;
}
