#include "gfx/board.h"

namespace {

bool is_wall(const TLevel& level, int column, int row) {
    return level.get_cell(column, row) == Cell::wall;
}

}  // namespace

int tile_for_cell(const TLevel& level, int column, int row) {
    const Cell cell = level.get_cell(column, row);
    if (cell != Cell::wall) return static_cast<int>(cell);
    // Only the row decides: a horizontal run of walls reads as one wall, a column of walls
    // stays a stack of single blocks. Beyond the board's edge counts as no wall.
    const bool wall_left = column > 0 && is_wall(level, column - 1, row);
    const bool wall_right = column < level.get_width() - 1 && is_wall(level, column + 1, row);
    if (wall_left && wall_right) return static_cast<int>(Cell::wall_join_both);
    if (wall_left) return static_cast<int>(Cell::wall_join_left);
    if (wall_right) return static_cast<int>(Cell::wall_join_right);
    return static_cast<int>(Cell::wall);
}

int draw_board(SDL_Surface* screen, const TSkin& skin, const TPlayLevel& level, int title_height,
               int status_height) {
    const int columns = level.get_width();
    const int rows = level.get_height();
    const int tile_width = skin.tile_width();
    const int tile_height = skin.tile_height();
    // 64-bit: a board from a level file may be of any size. Division truncates toward zero.
    const long long left =
        (static_cast<long long>(screen->w) - static_cast<long long>(columns) * tile_width) / 2;
    const long long top = (static_cast<long long>(screen->h) - title_height - status_height -
                           static_cast<long long>(rows) * tile_height) /
                              2 +
                          title_height;
    if (left < 0 || top < 0) return -1;

    const int x0 = static_cast<int>(left);
    const int y0 = static_cast<int>(top);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            skin.draw_tile(tile_for_cell(level, column, row), screen, x0 + column * tile_width,
                           y0 + row * tile_height);
        }
    }
    const int man_column = level.get_man_column();
    const int man_row = level.get_man_row();
    const Cell under_man = level.get_cell(man_column, man_row);
    const Cell man_tile = under_man == Cell::target ? Cell::man_on_target : Cell::man;
    skin.draw_tile(static_cast<int>(man_tile), screen, x0 + man_column * tile_width,
                   y0 + man_row * tile_height);
    return 0;
}
