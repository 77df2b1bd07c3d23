#pragma once

#include "movers/pages/new_addresses.h"

#include <QString>
#include <QStringList>

class Console;

// Verifies that every page (or file), given by its path relative to the site folder, moves
// permanently from its old address (`oldSite`, a full address, with the path `oldPath`, decoded
// and ending in "/", followed by the page's path) to its new address (NewAddresses, the move
// map's or the same path), as MoveCheck asks. Prints a line on standard output for each old
// address that does not, in the order of `relativePaths` whatever order the answers come in:
// the relative path, the old address and what is wrong, separated by tabs; then "N of M old
// addresses move permanently to their new page", and, when any does not, the count of each kind
// of fault (MoveFaultCounts). Shows the progress while the answers come in. Writes nothing.
// Returns whether every old address moves permanently.
bool VerifyMoves(const QString& oldSite, const QString& oldPath, const NewAddresses& newAddresses,
                 const QStringList& relativePaths, Console& console);
