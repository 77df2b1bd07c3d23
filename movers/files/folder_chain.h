#pragma once

#include "movers/files/open_folder.h"

#include <QString>
#include <QStringList>

#include <vector>

// The folders on the way from a root folder to the folder of the page at hand, each held open
// from its parent's descriptor. Pages come folder by folder, so the folders of one page mostly
// serve the next as they are.
class FolderChain {
public:
    explicit FolderChain(const OpenFolder& root) : root(root) {}

    // The folders on the way to `folder` ("docs/deep", or "" for the root itself), by their paths
    // relative to the root, that are not held yet; the chain lets go of those off the way.
    QStringList missing(QStringView folder);
    // Holds the next folder on the way, opened by the caller from innermost().
    void push(QString path, OpenFolder folder);
    // The deepest folder held, or the root.
    const OpenFolder& innermost() const { return held.empty() ? root : held.back().folder; }
    void clear() { held.clear(); }

private:
    struct Held {
        QString path;
        OpenFolder folder;
    };

    const OpenFolder& root;
    std::vector<Held> held;
};

// The last part of a relative path: a page's or a folder's name.
QString LastName(const QString& relativePath);
