#pragma once

#include "movers/pages/new_addresses.h"
#include "movers/rules/server_rules.h"

#include <QStringList>

// The redirects of the pages a run wrote (and of any other files), in their order. Each is
// redirected from its old URL path, `oldPath` (the site folder's path on the old server, ending
// in "/") followed by its path relative to the site folder, to its new address exactly as its
// mover page holds it. The first index page of a folder ("index.htm" or "index.html", in any
// case) also redirects the folder's own path, ending in "/", to the folder's new address
// (NewAddresses::ofFolder).
QList<Redirect> PageRedirects(const QString& oldPath, const NewAddresses& addresses,
                              const QStringList& pages);
