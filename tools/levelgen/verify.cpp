#include "verify.h"

#include <ostream>

#include "level/collection.h"
#include "solver/layout_checks.h"

namespace {

int count_boxes(const TLevel& level) {
    int boxes = 0;
    for (int32_t row = 0; row < level.get_height(); ++row) {
        for (int32_t column = 0; column < level.get_width(); ++column) {
            const Cell cell = level.get_cell(column, row);
            boxes += cell == Cell::box || cell == Cell::box_on_target;
        }
    }
    return boxes;
}

// Solves one level and writes the rest of its line. True when it is proven solvable.
bool prove_level(const TLevel& level, const SolveLimits& limits, std::ostream& out) {
    const std::string fault = level_layout_fault(level);
    if (!fault.empty()) {
        out << "FAULT " << fault << '\n';
        return false;
    }
    const SolveResult solved = solve_level(level, Optimise::pushes, limits);
    out << level.get_width() << "x" << level.get_height() << ", " << count_boxes(level)
        << " boxes: ";
    switch (solved.status) {
        case SolveStatus::solved:
            out << solved.pushes << " pushes";
            break;
        case SolveStatus::unsolvable:
            out << "UNSOLVABLE";
            break;
        case SolveStatus::unknown:
        case SolveStatus::found:
            out << "NOT PROVEN";
            break;
        case SolveStatus::invalid:
            out << "FAULT " << solved.reason;
            break;
    }
    out << " (" << solved.positions << " positions)\n";
    return solved.status == SolveStatus::solved;
}

}  // namespace

bool verify_file(const std::string& path, const SolveLimits& limits, std::ostream& out) {
    TLevelCollection collection;
    std::string text;
    const int imported = import_path(collection, path, text);
    if (imported == -1) {
        out << path << ": cannot open\n";
        return false;
    }
    bool all_fine = true;
    for (const std::string& fault : file_layout_faults(text)) {
        out << path << ": " << fault << '\n';
        all_fine = false;
    }
    if (imported != 0) {
        out << path << ": the game rejects this file (its faults are on standard error)\n";
        return false;
    }
    for (int32_t index = 0; index < collection.level_count(); ++index) {
        // A level the game accepted always has its board.
        const TLevel& level = *collection.get_level(index);
        out << path << ": level " << index + 1 << " " << level.get_title() << ": ";
        all_fine = prove_level(level, limits, out) && all_fine;
    }
    return all_fine;
}
