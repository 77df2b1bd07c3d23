#pragma once

#include "running_server.h"

// The configurations the real servers are started with: each serves `site.root` on
// 127.0.0.1:port and reads the rules files `site.rulesFiles` as the webmaster is told to.

// Apache as on a shared host: the .htaccess files stand with the pages and are read for them
// ("AllowOverride FileInfo"); the rules files are not read.
QStringList ConfigureApache(quint16 port, const ServedSite& site);
// Apache with the rules in its own configuration: each rules file is included at the server's
// level, and no .htaccess is read.
QStringList ConfigureApacheServer(quint16 port, const ServedSite& site);
// nginx: the old site's server block includes each file.
QStringList ConfigureNginx(quint16 port, const ServedSite& site);
// nginx over TLS, offering HTTP/2, with the certificate and key the test made in the site's
// folder (cert.pem, key.pem); each request's protocol and connection number logged in its
// access.log, a line each.
QStringList ConfigureNginxHttp2(quint16 port, const ServedSite& site);
// Caddy: the old site's block imports each file, and serves the files.
QStringList ConfigureCaddy(quint16 port, const ServedSite& site);
// Firebase's open-source server superstatic, run by Node.js: the "redirects" of each file's
// "hosting" merged into one configuration, as the webmaster merges them into firebase.json.
QStringList ConfigureSuperstatic(quint16 port, const ServedSite& site);
