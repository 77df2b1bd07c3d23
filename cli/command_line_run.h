#pragma once

// The exit status of the command line.
enum ExitStatus : int {
    kExitSuccess = 0, // every page was written or found, every old address moves, or what was
                      // asked was printed
    kExitFailure = 1, // the run ended early, a step failed, a rules file left out a redirect, a
                      // page was not found, or an old address does not move permanently
    kExitUsage = 2,   // the arguments cannot be used
    // Added to the number of the signal that stopped a run (130 for SIGINT, 143 for SIGTERM),
    // as shells report a program that signal ended.
    kExitSignalBase = 128,
};

// Runs the command line on the program's arguments (the program name first) with the
// process's standard output and standard error, and gives the exit status. Each argument is
// taken with every character it holds, a byte order mark at its start too, so a folder or an
// address is the one given. Needs only a QCoreApplication: no window, no display, no settings
// store.
int RunCommandLine(int argc, char* argv[]);
