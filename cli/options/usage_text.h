#pragma once

#include <QString>

// What "--help" prints: the usage forms, one line per option and the exit statuses, all from
// the option table.
QString UsageText();
