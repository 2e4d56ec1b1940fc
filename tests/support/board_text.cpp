#include "support/board_text.h"

#include "level/map_chars.h"

namespace {

// Beside the map's own characters, the pictures draw what only a built board holds.
constexpr char outside_piece = '-';
constexpr char no_cell_piece = '!';

MapPiece picture_piece(char c) {
    if (c == outside_piece) return {Cell::outside, false};
    if (c == no_cell_piece) return {Cell::no_cell, false};
    return map_piece(c);
}

char picture_char(Cell cell, bool man) {
    // The man stands only on floor or a target; anywhere else he is a fault to show.
    if (man && cell != Cell::floor && cell != Cell::target) return '?';
    if (cell == Cell::outside) return outside_piece;
    if (cell == Cell::no_cell) return no_cell_piece;
    const char c = map_char_of(cell, man);
    return c == '\0' ? '?' : c;
}

}  // namespace

TPlayLevel board_from(const Picture& rows) {
    TPlayLevel level;
    level.create(rows[0].size(), rows.size());
    for (size_t r = 0; r < rows.size(); ++r) {
        for (size_t c = 0; c < rows[r].size(); ++c) {
            const MapPiece piece = picture_piece(rows[r][c]);
            if (piece.man) {
                level.set_man(c, r);
                level.set_start(c, r);
            }
            level.set_cell(c, r, piece.cell);
        }
    }
    return level;
}

Picture picture_of(const TLevel& level, int man_column, int man_row) {
    Picture rows(level.get_height(), std::string(level.get_width(), '?'));
    for (int r = 0; r < level.get_height(); ++r) {
        for (int c = 0; c < level.get_width(); ++c) {
            const bool man = c == man_column && r == man_row;
            rows[r][c] = picture_char(level.get_cell(c, r), man);
        }
    }
    return rows;
}

Picture picture_of(const TLevel& level) {
    return picture_of(level, -1, -1);
}

Picture picture_of(const TPlayLevel& level) {
    return picture_of(level, level.get_man_column(), level.get_man_row());
}

Imported import_text(const std::string& text) {
    ParsedCollection parsed = parse_collection(text);
    Imported in;
    for (const LevelDiagnostic& diagnostic : parsed.diagnostics)
        in.messages += import_message("test", diagnostic);
    in.result = in.collection.take("test", std::move(parsed));
    return in;
}
