#pragma once

#include "movers/rules/server_rules.h"

// The sitemaps of a move, for search engines: "sitemap-old.xml" with every old address that is
// redirected, so that the redirects are found soon, and "sitemap-new.xml" with every new address
// on the new address's own host (a page the move map sends to another host is in neither).
// Sitemaps protocol 0.9: UTF-8, a "urlset" in its namespace, one "url"/"loc" an address, each
// absolute, percent-encoded as a browser sends it and entity-escaped. A file holds at most
// `limits.addresses` addresses and `limits.bytes` bytes; beyond that the addresses go into
// numbered files ("sitemap-old-1.xml", ...) and the unnumbered one is their sitemap index, which
// names them where they stand: beside the old pages at the old address, and at the new address.
struct SitemapLimits {
    qsizetype addresses = 50000;
    qsizetype bytes = 50 * 1024 * 1024;
};

// `oldAddress`: where the site folder is served today, a full address ending in "/";
// `newAddress`: the new address; `redirects`: the run's redirects, their old paths from the
// old address's path.
QList<RulesFile> Sitemaps(const QString& oldAddress, const QString& newAddress,
                          const QList<Redirect>& redirects, const SitemapLimits& limits = {});
