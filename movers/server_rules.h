#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Server-side permanent redirects (301) from the pages' old URL paths to their new addresses,
// written as one rules file per kind of web server. Each writer is a pure function of the list.

// One page (or the folder of an index page) that moved.
struct Redirect {
    QString oldPath;    // the decoded URL path on the old server, starting with "/"; a folder's
                        // path ends in "/"
    QString newAddress; // exactly the text the mover page holds
};

// A redirect that a kind of file cannot hold safely, and why.
struct LeftOutRedirect {
    QString oldPath;
    QString reason;
};

// A rules file's bytes (UTF-8, LF line ends) and the redirects left out of it, both in the
// order of the list given.
struct ServerRules {
    QByteArray bytes;
    QList<LeftOutRedirect> leftOut;
};

using ServerRulesWriter = ServerRules (*)(const QList<Redirect>&);

// One kind of rules file.
struct ServerRulesKind {
    QString name;     // as the user names it: "apache", "nginx", "caddy", "netlify"
    QString fileName; // the file written into the output folder
    ServerRulesWriter write = nullptr;
};

// Whether a URL path is plain: it starts with "/" and has no empty, "." or ".." part before
// its end ("/docs/" and "/a.htm" are plain, "/a//b.htm" and "/a/../b.htm" are not). A server
// merges "//" and resolves "." and ".." before it matches a path, so only a plain path is
// matched as it is written.
bool IsPlainUrlPath(const QString& path);

// "<rules file> leaves out <old path>: <reason>."
QString LeftOutRedirectMessage(const QString& rulesFile, const LeftOutRedirect& leftOut);

// The four kinds, in the order above.
const QList<ServerRulesKind>& ServerRulesKinds();

// Apache ".htaccess": mod_rewrite, each old path compared whole with the decoded request path.
ServerRules ApacheRules(const QList<Redirect>& redirects);
// nginx "redirects.nginx": exact-match locations, for the old site's server block.
ServerRules NginxRules(const QList<Redirect>& redirects);
// Caddy "redirects.caddy": anchored path_regexp matchers, for the old site's block.
ServerRules CaddyRules(const QList<Redirect>& redirects);
// Netlify "_redirects": forced rules with percent-encoded paths.
ServerRules NetlifyRules(const QList<Redirect>& redirects);
