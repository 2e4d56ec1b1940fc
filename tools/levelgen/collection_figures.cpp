#include "collection_figures.h"

#include <algorithm>

double median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double nearest_rank_percentile(std::vector<double> values, int percent) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    // The rank is ceil(percent / 100 * n), counted from 1.
    const size_t rank = (static_cast<size_t>(percent) * values.size() + 99) / 100;
    return values[std::max<size_t>(rank, 1) - 1];
}
