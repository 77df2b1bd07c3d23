#pragma once

#include "running_server.h"

// The configurations the real servers are started with: each serves `site.root` on
// 127.0.0.1:port with the rules file `site.rulesFile` read as the webmaster is told to read it.

// Apache as on a shared host: the .htaccess stands with the pages ("AllowOverride FileInfo").
QStringList ConfigureApache(quint16 port, const ServedSite& site);
// nginx: the old site's server block includes the file.
QStringList ConfigureNginx(quint16 port, const ServedSite& site);
// Caddy: the old site's block imports the file.
QStringList ConfigureCaddy(quint16 port, const ServedSite& site);
