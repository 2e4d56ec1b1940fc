#pragma once

#include <string>
#include <string_view>
#include <vector>

// The collection's text with its levels sorted by `difficulty` (one value for each level, in
// file order; equal ones keep their order) and numbered again from 1. Each level moves with all
// its lines, title and map untouched; what stands before the first level stays first.
std::string order_collection(std::string_view text, const std::vector<double>& difficulty);
