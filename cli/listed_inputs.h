#pragma once

#include "cli/options/command_line.h"

#include <optional>

class Console;

// A command line's inputs completed from the site folder: its page files (with "--recursive"
// its tree's), with "--every-file" its other files, and with "--map" each page's new place.
// Names that are not UTF-8 are told on standard error. When the folder cannot be read (exit
// status 1) or the map cannot be used (exit status 2, with the file, the line and the reason),
// `exitStatus` holds the status, the user was told why, and nothing is to be done.
struct ListedInputs {
    MoverInputs inputs;
    std::optional<int> exitStatus;
};

ListedInputs ListInputs(const CommandLineRequest& request, Console& console);
