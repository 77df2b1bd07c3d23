#pragma once

#include "movers/pages/new_addresses.h"

#include <QString>
#include <QStringList>

class Console;

// How a check of the pages at the new address went.
struct CheckOutcome {
    qsizetype found = 0;
    qsizetype checked = 0;
};

// Checks that every page, given by its path relative to the site folder, is at its new
// address (NewAddresses, the move map's or the same path): asked of the web server for a web
// address (PageCheck), looked for as a file for any other (PageFile). Prints a line on standard
// output for each page not found, in the order of `relativePaths` whatever order the answers come
// in: the relative path, the new address and why, separated by tabs; then "N of M pages found at
// the new address". Shows the progress while the answers come in. Writes nothing.
CheckOutcome CheckPages(const NewAddresses& newAddresses, const QStringList& relativePaths,
                        Console& console);
