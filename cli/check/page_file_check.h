#pragma once

#include "cli/check/page_answer.h"

#include <QString>

// Whether a new address is a web address, whose pages are asked of its web server: one
// starting "http:" or "https:" (in any letter case). Any other address names a place on this
// computer, as the address box allows.
bool IsWebAddress(const QString& address);

// The file a page is at when the new address names a place on this computer. For a "file:"
// address it is the local file of the page's new address (PageAddress), its percent-encoding
// decoded, as a browser opens it; the host "localhost" is this computer, as no host is. For
// a folder path it is the path with a trailing "/" ensured (AddSlash) followed by the page's
// relative path, its names as they are; a relative folder path is taken from the current
// folder.
QString PageFile(const QString& address, const QString& relativePath);

// Whether a page's file is there: a regular file, or a link to one. If not, why: the
// system's reason ("No such file or directory"), or "not a file" for a folder or another
// kind of entry.
PageAnswer CheckPageFile(const QString& path);
