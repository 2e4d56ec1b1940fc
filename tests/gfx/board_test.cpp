#include "gfx/board.h"

#include <string>
#include <vector>

#include "level/level.h"
#include "screen_test.h"
#include "support/board_text.h"

namespace {

using BoardTest = ScreenTest;

TPlayLevel floor_level(int columns, int rows) {
    return board_from(std::vector<std::string>(rows, "@" + std::string(columns - 1, ' ')));
}

TEST_F(BoardTest, BoardIsCentredInThePlayAreaOrNotDrawnAtAll) {
    TSkin skin;
    load_flat_skin(skin, 50);
    const Uint32 empty = map(screen, black);
    // {columns, rows, expected left, expected top}
    const int cases[][4] = {{10, 8, 150, 105}, {16, 10, 0, 55}, {3, 3, 325, 230}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c[0]) + " x " + std::to_string(c[1]));
        fill(screen, black);
        ASSERT_EQ(draw_board(screen, skin, floor_level(c[0], c[1]), 50, 40), 0);
        const int right = c[2] + c[0] * 50 - 1;
        const int bottom = c[3] + c[1] * 50 - 1;
        EXPECT_EQ(pixel(screen, right, bottom), map(screen, slot_colour(0)));
        EXPECT_NE(pixel(screen, c[2], c[3]), empty);
        EXPECT_EQ(pixel(screen, c[2], c[3] - 1), empty);
        EXPECT_EQ(pixel(screen, right, bottom + 1), empty);
        EXPECT_EQ(painted_columns(screen, c[3], 1, empty), std::make_pair(c[2], right));
    }
    // In a window one pixel wider than the board, the odd pixel is dropped on the right.
    reopen(801, 600);
    fill(screen, black);
    ASSERT_EQ(draw_board(screen, skin, floor_level(16, 3), 50, 40), 0);
    EXPECT_EQ(painted_columns(screen, 300, 1, empty), std::make_pair(0, 799));

    reopen(800, 600);
    load_flat_skin(skin, 12);
    fill(screen, black);
    SurfacePtr before = snapshot(screen);
    // (800 - 67 x 12) / 2 = -2; and 51 rows are 102 pixels taller than the play area.
    EXPECT_EQ(draw_board(screen, skin, floor_level(67, 10), 50, 40), -1);
    EXPECT_EQ(draw_board(screen, skin, floor_level(10, 51), 50, 40), -1);
    EXPECT_TRUE(same_pixels(screen, before.get(), "board-outside"));
    // 50 rows overflow by 90 pixels only: drawn from row 5, cut at the window's edges.
    EXPECT_EQ(draw_board(screen, skin, floor_level(3, 50), 50, 40), 0);
}

TEST_F(BoardTest, CellsGetTheirTilesTheManLastAndOutsideShowsWhatIsBehind) {
    TSkin skin;
    load_flat_skin(skin, 10);
    // Walls join only along their row; the board's edges count as no wall.
    TPlayLevel level = board_from({
        "#####-#",
        "#+*$#-#",
        "## ####",
    });
    const int expected[3][7] = {
        {8, 9, 9, 9, 10, 0, 7}, {7, 6, 4, 3, 7, 0, 7}, {8, 10, 1, 8, 9, 9, 10}};
    const SDL_Color behind{7, 7, 7, 0};
    const int x0 = (800 - 70) / 2;
    const int y0 = (600 - 90 - 30) / 2 + 50;
    auto tile_at = [&](int column, int row) {
        return pixel(screen, x0 + column * 10 + 5, y0 + row * 10 + 5);
    };
    auto colour_of = [&](int tile) {
        return map(screen, tile == 0 ? behind : slot_colour(tile - 1));
    };

    fill(screen, behind);
    ASSERT_EQ(draw_board(screen, skin, level, 50, 40), 0);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 7; ++column) {
            EXPECT_EQ(tile_at(column, row), colour_of(expected[row][column]))
                << "column " << column << ", row " << row;
        }
    }
    // Once he steps off the target onto floor, the man is tile 5 and the target shows again.
    level.set_man(2, 2);
    ASSERT_EQ(draw_board(screen, skin, level, 50, 40), 0);
    EXPECT_EQ(tile_at(2, 2), colour_of(5));
    EXPECT_EQ(tile_at(1, 1), colour_of(2));
}

}  // namespace
