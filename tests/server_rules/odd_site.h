#pragma once

#include "movers/server_rules.h"

#include <QMap>
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

// What the real program made of the site.
struct MovedSite {
    QString output;                     // its output folder: the pages and the four rules files
    QMap<QString, QStringList> leftOut; // by rules file, the old paths it left out
};

// Makes the site folder `folder` with a page for every page of the table and runs the real
// program on it as a webmaster would: "zandrift --movers --recursive --rules
// apache,nginx,caddy,netlify [--old-path PATH] --address ADDRESS --delay 0 FOLDER", the old
// path given unless it is "/". Expects a run that wrote every page and every rules file, and
// named on standard error each redirect a file left out.
MovedSite MoveOddSite(const QString& folder, const QString& oldPath);
