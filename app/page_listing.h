#pragma once

#include <QStringList>

// The names of the page files of a folder: plain files, hidden ones left out, whose names
// hold ".htm" (letters compared without regard to case). Sorted ascending without regard
// to case; names equal but for case are ordered by their exact text. A folder text holding
// wildcard characters, or naming no readable folder, lists nothing.
QStringList ListPageFiles(const QString& folderText);
