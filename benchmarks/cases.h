#pragma once

#include "harness.h"
#include "site_data.h"

#include <vector>

// Every case, with its goal: titles, then page lists and runs at 1,000, 20,000 and 100,000
// pages. The same data gives the same cases, in the same order, in every process.
std::vector<Case> AllCases(const SiteData& data);
