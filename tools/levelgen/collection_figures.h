#pragma once

#include <vector>

// How a collection's levels spread, as the library page gives them and the library is held to:
// the median of its levels, and the nearest-rank percentile (the least value that at least that
// share of the levels do not exceed). Both are 0 for no values.
double median(std::vector<double> values);
double nearest_rank_percentile(std::vector<double> values, int percent);
