#pragma once

#include <QString>

// The entries of the manual page's OPTIONS section, in roff, from the option table: for each
// option a tagged paragraph headed by the option and its value, then its text.
QString ManualOptions();
