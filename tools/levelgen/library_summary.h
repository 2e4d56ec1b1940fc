#pragma once

#include <ostream>
#include <vector>

#include "level/level.h"
#include "measures_table.h"

// A page in Markdown on the levels of the table: for each collection (in the table's order) its
// levels and results, and the least, middle and largest boxes, pushes, box changes, positions
// proven and difficulty; then every level's own line. `boxes` holds each line's box count.
void write_library_summary(const std::vector<MeasuredLevel>& table, const std::vector<int>& boxes,
                           std::ostream& out);

// The boxes on the level's board, home or not.
int count_boxes(const TLevel& level);
