#pragma once

#include "movers/files/open_folder.h"
#include "movers/files/page_listing.h"

#include <QByteArrayList>
#include <QString>

#include <vector>

// A folder inside an output folder that replacing it deletes: its plain files, then its own
// subfolders, then itself.
struct ReplacedSubfolder {
    QByteArray name;
    QByteArrayList fileNames;                  // in byte order
    std::vector<ReplacedSubfolder> subfolders; // in byte order
};

// What replacing an existing output folder would delete. A folder is replaced only when it
// is a real folder, not a link, and holds nothing but plain files, or for an output folder of
// a whole tree plain files and real folders holding the same, at any depth. The folder is held
// open from the moment it is checked, so its files are deleted from the folder that was checked
// whatever is put in its place meanwhile; its subfolders are opened from it, never through a
// link.
struct FolderReplacement {
    QString refusal;          // why the folder cannot be replaced; empty when it can
    OpenFolder folder;        // the folder, open, when it can
    QByteArrayList fileNames; // the names of the plain files to delete, in byte order
    std::vector<ReplacedSubfolder> subfolders; // in byte order; only for a whole tree

    bool refused() const { return !refusal.isEmpty(); }
};

// The replacement of the folder `name` in the open folder `parent`: of a folder's pages, or
// of a whole tree's. The first entry that keeps it from being replaced, in byte order and
// depth first, is named in the refusal.
FolderReplacement PlanFolderReplacement(const OpenFolder& parent, const QByteArray& name,
                                        ListingDepth depth = ListingDepth::Folder);
