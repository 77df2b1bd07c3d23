#pragma once

#include "harness.h"

#include "movers/files/page_listing.h"

#include <string>

// The program's side of the cases: its own code, run as the program runs it.
namespace program {

// Lists the page files of a folder.
void List(Meter& meter, const std::string& folder);

// Changes the main window's folder text to `folder` from one naming an empty folder, as a
// keystroke does, until the page list is filled.
void KeystrokeInMainWindow(Meter& meter, const std::string& folder, const std::string& emptyFolder,
                           const std::string& configFolder);

// Writes the redirect pages of a site, of its own pages or of its whole tree, through the
// generator engine, with a host that answers every box at once and shows nothing.
void WriteRedirectPages(Meter& meter, const std::string& site,
                        ListingDepth depth = ListingDepth::Folder);

// Writes the redirect pages of a site's whole tree as "zandrift --movers --recursive" does,
// the listing included, with the move map `mapFile` ("--map") read, checked and used when given.
void WriteTreeWithMap(Meter& meter, const std::string& site, const std::string& mapFile);

// Clicks "Create Movers" in the main window, with the site's pages listed, an address and a
// delay given, until the run has ended.
void CreateMoversInMainWindow(Meter& meter, const std::string& site,
                              const std::string& configFolder);

// Checks that every page of a site is at a web server at `address`, as
// `zandrift --check --address ADDRESS SITE` does, the pages listed beforehand; ends the
// process with exit status 1 when a page was not found.
void CheckPages(Meter& meter, const std::string& site, const std::string& address);

// Verifies that every page of a site moves from `oldAddress` to `newAddress`, as
// `zandrift --verify --old-address OLD --address NEW SITE` does, the pages listed beforehand;
// ends the process with exit status 1 when a page did not move.
void VerifyMoves(Meter& meter, const std::string& site, const std::string& oldAddress,
                 const std::string& newAddress);

// Reads a page's title `times` times.
void ReadTitle(Meter& meter, const std::string& path, int times);

// Starts the program with `storedFolder` in its settings, until its main window is first
// painted.
void StartUntilFirstPaint(Meter& meter, const std::string& storedFolder,
                          const std::string& configFolder);

// The new address and the delay the benchmarks' pages carry.
inline const std::string kNewAddress = "https://new.example.org/";
constexpr int kDelay = 3;

} // namespace program
