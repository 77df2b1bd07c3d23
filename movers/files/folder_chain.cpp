#include "movers/files/folder_chain.h"

QStringList FolderChain::missing(QStringView folder) {
    if (held.empty() ? folder.isEmpty() : folder == held.back().path) {
        return {};
    }
    QStringList paths; // each folder on the way
    for (qsizetype at = 0; !folder.isEmpty() && at <= folder.size(); ++at) {
        if (at == folder.size() || folder[at] == u'/') {
            paths << folder.first(at).toString();
        }
    }
    size_t kept = 0;
    while (kept < held.size() && kept < size_t(paths.size()) &&
           held[kept].path == paths[qsizetype(kept)]) {
        ++kept;
    }
    held.erase(held.begin() + qsizetype(kept), held.end());
    return paths.mid(qsizetype(kept));
}

void FolderChain::push(QString path, OpenFolder folder) {
    held.push_back({std::move(path), std::move(folder)});
}

QString LastName(const QString& relativePath) {
    return relativePath.mid(relativePath.lastIndexOf(u'/') + 1);
}
