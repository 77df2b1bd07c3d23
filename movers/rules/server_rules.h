#pragma once

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

// Server-side permanent redirects (301) from the pages' old URL paths to their new addresses,
// written as rules files for each kind of web server. Each writer is a pure function of the
// site and the list of redirects.

// One page (or the folder of an index page) that moved.
struct Redirect {
    QString oldPath;    // the decoded URL path on the old server, starting with "/"; a folder's
                        // path ends in "/"
    QString newAddress; // exactly the text the mover page holds
};

// The site whose redirects a kind writes.
struct RulesSite {
    QString oldPath = QStringLiteral("/"); // where the site folder is served on the old server;
                                           // every redirect's old path starts with it
    QString outputFolder; // the output folder's path on this computer, where the files go
    // The folders of the output folder that hold pages, by their paths relative to it ("" or
    // ending in "/"); the output folder itself always. A rules file that stands with the pages
    // goes into one of them.
    QSet<QString> pageFolders = {QString()};
};

// A redirect that a file cannot hold safely, and why.
struct LeftOutRedirect {
    QString file; // the rules file's name
    QString oldPath;
    QString reason;
};

// One file of rules: its path relative to the output folder ("/" between folders, the folders
// those of the pages), and its bytes (UTF-8, LF line ends).
struct RulesFile {
    QString path;
    QByteArray bytes;
};

// What a kind writes: its files, and the redirects left out of them, in the order of the list
// given.
struct ServerRules {
    QList<RulesFile> files;
    QList<LeftOutRedirect> leftOut;
};

using ServerRulesWriter = ServerRules (*)(const RulesSite&, const QList<Redirect>&);

// One kind of rules files.
struct ServerRulesKind {
    QString name;          // as the user names it: "apache", "nginx", "caddy", "netlify", ...
    QStringList fileNames; // the names of the files it writes
    ServerRulesWriter write = nullptr;
};

// Whether a URL path is plain: it starts with "/" and has no empty, "." or ".." part before
// its end ("/docs/" and "/a.htm" are plain, "/a//b.htm" and "/a/../b.htm" are not). A server
// merges "//" and resolves "." and ".." before it matches a path, so only a plain path is
// matched as it is written.
bool IsPlainUrlPath(const QString& path);

// "<rules file> leaves out <old path>: <reason>."
QString LeftOutRedirectMessage(const LeftOutRedirect& leftOut);

// The kinds, in the order below.
const QList<ServerRulesKind>& ServerRulesKinds();

// Apache: a ".htaccess" in every folder with redirects, holding that folder's own (mod_rewrite,
// each old path compared whole with the decoded request path), for shared hosts; and
// "redirects.apache.conf" with the text map "redirects.apache.map" beside it, for the server's
// own configuration, which reads the rules once and looks each path up in the map.
ServerRules ApacheRules(const RulesSite& site, const QList<Redirect>& redirects);
// nginx "redirects.nginx": exact-match locations, for the old site's server block.
ServerRules NginxRules(const RulesSite& site, const QList<Redirect>& redirects);
// Caddy "redirects.caddy": the old paths looked up in maps, for the old site's block.
ServerRules CaddyRules(const RulesSite& site, const QList<Redirect>& redirects);
// Netlify "_redirects": forced rules with percent-encoded paths.
ServerRules NetlifyRules(const RulesSite& site, const QList<Redirect>& redirects);
// Firebase "firebase.json": the "redirects" of its "hosting", each source a glob, to merge into
// the site's own firebase.json.
ServerRules FirebaseRules(const RulesSite& site, const QList<Redirect>& redirects);
// Vercel "vercel.json": its "redirects", each source a path-to-regexp pattern, to merge into the
// site's own vercel.json.
ServerRules VercelRules(const RulesSite& site, const QList<Redirect>& redirects);
