#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The levels' places, easiest first: indexes into `difficulty` (one value for each level, in
// file order) sorted by it; equal ones keep their order.
std::vector<size_t> difficulty_order(const std::vector<double>& difficulty);

// The collection's text with its levels in `order` (indexes of its levels in file order) and
// numbered again from 1. Each level moves with all its lines, title and map untouched; what
// stands before the first level stays first.
std::string order_collection(std::string_view text, const std::vector<size_t>& order);

// The checker's table with the lines of the collection `name` put in `order` as well and given
// their new numbers, where its first line stood; every other line stays as it is.
std::string order_table_lines(const std::vector<std::string>& lines, const std::string& name,
                              const std::vector<size_t>& order);
