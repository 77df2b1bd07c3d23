#pragma once

#include <QString>

// The completion scripts of bash, zsh and fish for zandrift, made from the option table: the
// options (with their help lines where the shell shows them), the choices of a value (each
// after a comma too, where the value is a list of them), nothing for a free value such as a
// URL, and folders where FOLDER goes.
QString BashCompletion();
QString ZshCompletion();
QString FishCompletion();
