#include "level/level.h"

#include <algorithm>
#include <utility>

int TLevel::create(int32_t new_width, int32_t new_height) {
    if (new_width < 3 || new_height < 3) return -1;
    width = new_width;
    height = new_height;
    cells.assign(static_cast<size_t>(width) * static_cast<size_t>(height), Cell::floor);
    return 0;
}

int TLevel::release() {
    if (!has_grid()) return -1;
    // Width and height go with the grid, so that nothing reads a board that is gone.
    cells.clear();
    cells.shrink_to_fit();
    width = 0;
    height = 0;
    return 0;
}

int TLevel::set_row(int32_t row, const Cell* codes, int32_t count) {
    if (row < 0 || row >= height || count < 0 || count > width) return -1;
    std::copy(codes, codes + count, cells.begin() + static_cast<size_t>(row) * width);
    return 0;
}

namespace {

using Square = std::pair<int32_t, int32_t>;

// Turns the floor joined to (column, row) into outside. Pending squares live on the heap: a
// huge open board would otherwise need one call frame per square. Each square turns outside
// as it is pushed, so none is pushed twice and the stack never outgrows the board.
void flood_outside(std::vector<Cell>& cells, int32_t width, int32_t height, int32_t column,
                   int32_t row, std::vector<Square>& pending) {
    auto visit = [&](int32_t c, int32_t r) {
        Cell& cell = cells[static_cast<size_t>(c) + static_cast<size_t>(r) * width];
        if (cell != Cell::floor) return;
        cell = Cell::outside;
        pending.emplace_back(c, r);
    };
    visit(column, row);
    while (!pending.empty()) {
        const auto [c, r] = pending.back();
        pending.pop_back();
        if (c > 0) visit(c - 1, r);
        if (r > 0) visit(c, r - 1);
        if (c < width - 1) visit(c + 1, r);
        if (r < height - 1) visit(c, r + 1);
    }
}

}  // namespace

void TLevel::fill_outside(int32_t column, int32_t row) {
    if (get_cell(column, row) != Cell::floor) return;
    std::vector<Square> pending;
    flood_outside(cells, width, height, column, row, pending);
}

void TLevel::mark_outside() {
    std::vector<Square> pending;  // shared by all the fills, so it is allocated once
    auto fill = [&](int32_t c, int32_t r) {
        if (get_cell(c, r) == Cell::floor) flood_outside(cells, width, height, c, r, pending);
    };
    for (int32_t c = 0; c < width; ++c) {
        fill(c, 0);
        fill(c, height - 1);
    }
    for (int32_t r = 1; r < height - 1; ++r) {
        fill(0, r);
        fill(width - 1, r);
    }
}

bool TLevel::is_solved() const {
    return std::find(cells.begin(), cells.end(), Cell::target) == cells.end();
}

void TPlayLevel::copy_from(const TLevel& source) {
    // Copying the fields whole gives the same board as sizing a fresh grid and copying cell by
    // cell, and a source without a board (one the import refused) gives a working level
    // without one instead of a read past its end.
    static_cast<TLevel&>(*this) = source;
    man_column = source.get_start_column();
    man_row = source.get_start_row();
}
