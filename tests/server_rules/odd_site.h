#pragma once

#include "movers/server_rules.h"

#include <QString>
#include <QStringList>

// A site of pages with odd names, moved to `TypedAddress()`: the one table that drives the
// rules of every kind of server.

// The address typed for the new site: a port, and a blank in its path.
QString TypedAddress();

// The URL paths at which the site is served on the old server in the tests: the root, and a
// folder below it.
const QStringList& OldSitePaths();

// The pages' paths relative to the site folder, "/" between folders.
const QStringList& OddPages();

// Each page redirected from `oldPath` (the URL path of the site folder on the old server,
// ending in "/") followed by its relative path, to the typed address, "/" and each folder and
// the page name encoded as a mover page encodes them; an index page's folder also from its
// path to the folder's new address.
QList<Redirect> OddSiteRedirects(const QString& oldPath);

// Writes the output folder into `folder` as a run would: a small page for every page of the
// table, and the rules file of `kind` for the redirects from `oldPath`. Returns what the
// writer left out.
QList<LeftOutRedirect> WriteMovedSite(const QString& folder, const ServerRulesKind& kind,
                                      const QString& oldPath);
