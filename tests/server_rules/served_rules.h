#pragma once

#include "running_server.h"

#include "movers/server_rules.h"

#include <QStringList>

// The rules file of the kind named `kind`, written for the odd site served at each of
// `OldSitePaths()`, read by the real server `program` started with `configure`: every old
// path of the site, as a browser requests it, with and without a query string, is answered
// 301 with exactly its new address and the query; the pages the writer leaves out
// (`leftOutPages`, relative paths) and paths beside the rules (another case, a longer name,
// another file of a folder) are not redirected.
void ExpectServedRules(const QString& program, const QString& kind,
                       RunningServer::Configure configure, const QStringList& leftOutPages = {});

// The kind of rules file named `name` ("apache", ...).
const ServerRulesKind& RulesKind(const QString& name);
