#pragma once

#include "movers/server_rules.h"

#include <QStringList>

// The redirects of the pages a run wrote, in their order. Each page is redirected from its old
// URL path, `oldPath` (the site folder's path on the old server, ending in "/") followed by
// its path relative to the site folder, to its new address exactly as its mover page holds
// it. The first index page of a folder ("index.htm" or "index.html", in any case) also
// redirects the folder's own path, ending in "/", to the folder's new address: the new
// address with "/" ensured, the folder's encoded relative path and "/".
QList<Redirect> PageRedirects(const QString& oldPath, const QString& newAddress,
                              const QStringList& pages);
