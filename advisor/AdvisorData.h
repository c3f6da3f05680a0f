#pragma once
// What a computed advisor table holds; shared by the solver and the cache file.

#include "advisor/Advisor.h"

#include <vector>

struct TAdvisorTable::TData {
    // The expected points still to come from the start of a turn, per state.
    std::vector<double> Values;
};
