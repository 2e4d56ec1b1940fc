#include "level/map_validation.h"

#include <algorithm>

#include "level/map_chars.h"

namespace {

std::string board_limit() {
    return std::to_string(max_board_side) + " x " + std::to_string(max_board_side);
}

struct PieceCounts {
    int men = 0;
    int boxes = 0;
    int targets = 0;
};

// The faults in what the map holds, once its board is read.
void count_faults(const PieceCounts& counts, std::vector<MapFault>& faults) {
    if (counts.men != 1) faults.push_back({MapFault::men});
    if (counts.targets != counts.boxes) faults.push_back({MapFault::boxes_and_targets});
    if (counts.boxes == 0) faults.push_back({MapFault::no_boxes});
}

// The cell of each byte that is wall or floor; no_cell for every other byte.
struct PlainPieces {
    Cell codes[256];
    constexpr PlainPieces() : codes() {
        for (Cell& code : codes) code = Cell::no_cell;
        codes[static_cast<unsigned char>(map_char::wall)] = Cell::wall;
        codes[static_cast<unsigned char>(map_char::floor)] = Cell::floor;
    }
    Cell operator[](unsigned char piece) const { return codes[piece]; }
};
constexpr PlainPieces plain_pieces;

}  // namespace

std::string MapFault::words() const {
    switch (kind) {
        case too_large:
            return "level is larger than " + board_limit();
        case too_small:
            return "level is smaller than 3 x 3";
        case bad_line:
            return "error on line " + std::to_string(line);
        case men:
            return "there must be one guy";
        case boxes_and_targets:
            return "number of targets does not match number of boxes";
        case no_boxes:
            return "has no boxes";
        case man_outside:
            return "the man is outside the walls";
    }
    return {};
}

std::vector<MapFault> read_map(const std::vector<std::string_view>& rows, size_t width,
                               size_t height, TLevel& level, std::vector<Cell>& row_cells) {
    std::vector<MapFault> faults;
    // One long line must not make the game ask for gigabytes: the board is never made.
    if (width > static_cast<size_t>(max_board_side) ||
        height > static_cast<size_t>(max_board_side)) {
        faults.push_back({MapFault::too_large});
        return faults;
    }
    // Too small a board cannot be made; the level stays without one and is never played.
    if (level.create(static_cast<int32_t>(width), static_cast<int32_t>(height)) != 0) {
        faults.push_back({MapFault::too_small});
        return faults;
    }
    PieceCounts counts;
    for (int32_t r = 0; r < static_cast<int32_t>(height); ++r) {
        const std::string_view row = rows[r];
        const int32_t length = static_cast<int32_t>(row.size());
        const MapFault bad_line{MapFault::bad_line, r + 1};
        // An empty row would end the map where the game reads one.
        if (length == 0) faults.push_back(bad_line);
        row_cells.resize(length);
        Cell* const out = row_cells.data();
        // Pieces before the row's first wall are bad: they stand outside the level.
        const size_t first_wall = std::min(row.find(map_char::wall), row.size());
        for (int32_t c = 0; c < length; ++c) {
            const char piece = row[c];
            // Walls and floor make up most of a map, mixed at random: looking them up instead
            // of testing for them keeps the reader from stalling on every wrong guess.
            const Cell plain = plain_pieces[static_cast<unsigned char>(piece)];
            out[c] = plain;
            if (plain != Cell::no_cell) continue;
            const MapPiece meaning = map_piece(piece);
            if (static_cast<size_t>(c) > first_wall && meaning.cell != Cell::no_cell) {
                counts.men += meaning.man;
                counts.boxes += holds_box(meaning.cell);
                counts.targets += holds_target(meaning.cell);
                if (meaning.man) level.set_start(c, r);
                out[c] = meaning.cell;
            } else {
                faults.push_back(bad_line);
            }
        }
        // A row must be closed by a wall. A piece that is bad only for ending the row still
        // counted as what it is above, and is reported once.
        if (length > 0 && out[length - 1] != Cell::wall && out[length - 1] != Cell::no_cell) {
            out[length - 1] = Cell::no_cell;
            faults.push_back(bad_line);
        }
        level.set_row(r, out, length);
    }
    count_faults(counts, faults);
    level.mark_outside();
    // A gap in the wall lets the outside reach the man: he could step out but never be
    // brought back by undo, so such a level cannot be played.
    if (counts.men == 1 &&
        level.get_cell(level.get_start_column(), level.get_start_row()) == Cell::outside)
        faults.push_back({MapFault::man_outside});
    return faults;
}

std::vector<MapFault> read_map(const std::vector<std::string>& rows, TLevel& level) {
    std::vector<std::string_view> views(rows.begin(), rows.end());
    size_t width = 0;
    for (const std::string& row : rows) width = std::max(width, row.size());
    std::vector<Cell> row_cells;
    return read_map(views, width, rows.size(), level, row_cells);
}

Outcome<MapFault::Kind> check_built_level(const TLevel& level) {
    const auto fails = [](const MapFault& fault) {
        return Outcome<MapFault::Kind>::failure(fault.kind, fault.words());
    };
    if (!level.has_grid()) return fails({MapFault::too_small});
    if (level.get_width() > max_board_side || level.get_height() > max_board_side)
        return fails({MapFault::too_large});
    PieceCounts counts;
    const int32_t man_column = level.get_start_column(), man_row = level.get_start_row();
    const bool man_on_board = man_column >= 0 && man_column < level.get_width() && man_row >= 0 &&
                              man_row < level.get_height();
    counts.men = man_on_board ? 1 : 0;
    for (int32_t r = 0; r < level.get_height(); ++r) {
        for (int32_t c = 0; c < level.get_width(); ++c) {
            const Cell cell = level.get_cell(c, r);
            counts.boxes += holds_box(cell);
            counts.targets += holds_target(cell);
        }
    }
    std::vector<MapFault> faults;
    count_faults(counts, faults);
    if (faults.empty()) return {};
    return fails(faults.front());
}
