#pragma once

#include "harness.h"
#include "site_data.h"

#include <vector>

// Every case, with its goal: titles, then page lists and runs at 1,000, 20,000 and 100,000
// pages, and a whole tree of 100,000 pages against the same pages in one folder. The same data
// gives the same cases, in the same order, in every process.
std::vector<Case> AllCases(const SiteData& data);
