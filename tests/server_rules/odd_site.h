#pragma once

#include "movers/rules/page_redirects.h"

#include <QHash>
#include <QMap>
#include <QStringList>
#include <QUrl>

// A site of pages with odd names (odd_site.cpp), the one table that drives the rules of every
// kind of server, moved to this address: a port, and a blank in its path.
inline const QString kTypedAddress = QStringLiteral("https://new.example:8443/new site");
// The URL paths at which the site is served on the old server: the root, and a folder below.
inline const QStringList kOldSitePaths{QStringLiteral("/"), QStringLiteral("/old/site/")};

// The pages' paths relative to the site folder, "/" between folders.
const QStringList& OddPages();

// The redirects of the site's pages when the site stood at `oldPath`.
inline QList<Redirect> OddSiteRedirects(const QString& oldPath) {
    return PageRedirects(oldPath, NewAddresses(kTypedAddress), OddPages());
}

// The request target a browser sends for a decoded path: each UTF-8 byte but the unreserved
// characters and "/" as "%" and two upper-case hex digits.
inline QByteArray BrowserPath(const QString& path) {
    return QUrl::toPercentEncoding(path, "/");
}

// Paths beside the site's pages that no rule may redirect (relative to the old path): another
// case, a longer name, another file of a folder, a folder without an index page, and what the
// names "{draft}.htm" and "time 10:30.htm" would match if a host read them as patterns.
inline const QStringList kBesidePaths{"CASE.htm",   "Case.htmx", "docs/style.css",
                                      "docs/deep/", "draft.htm", "time 10x.htm"};

// The new address with each of `characters` after its host percent-encoded, as a host that
// cannot hold them raw sends or names it.
QString EncodedInPath(const QString& address, const QString& characters);

// What the real program made of the site.
struct MovedSite {
    QString output;                     // its output folder: the pages and the rules files
    QMap<QString, QStringList> leftOut; // by rules file, the old paths it left out
};

// Makes the site folder `folder` with a page for every one of `pages` (relative paths) and runs
// the real program on it as a webmaster would: "zandrift --movers --recursive --rules
// apache,nginx,caddy,netlify,firebase,vercel [--old-path PATH] OPTIONS --address ADDRESS
// --delay 0 FOLDER", the old path given unless it is "/", the delay unless OPTIONS give one.
// Expects a run that wrote every page (a name holding ".htm") and every rules file, and named on
// standard error each redirect a file left out, with exit status 1 when it did.
MovedSite MoveSite(const QString& folder, const QStringList& pages, const QString& oldPath,
                   const QString& address = kTypedAddress, const QStringList& options = {});
// MoveSite of the table's pages.
MovedSite MoveOddSite(const QString& folder, const QString& oldPath);

// A site moved as sites move: pages renamed and merged into other folders, one moved to another
// host, a picture and a document of odd names among its other files, all in a move map.
struct RenamedSite {
    QStringList pages;
    QStringList files; // besides the pages
    QHash<QString, QString> places;

    // Writes the move map into `folder` and gives the options of a run that uses it, redirects
    // every file and writes the sitemaps of the old address "http://old.example/".
    QStringList options(const QString& folder) const;
    // The redirects its rules must hold when it is served at the root.
    QList<Redirect> redirects() const;
};
const RenamedSite& TheRenamedSite();
