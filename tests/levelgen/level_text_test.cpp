#include "level_text.h"

#include <gtest/gtest.h>

#include "board_rows.h"
#include "level/game_format_writer.h"

TEST(FormatRows, WritesWhatItReads) {
    const std::vector<std::string> rows{"  ####", "###  #", "#@$*.#", "#  ###", "####"};
    const Puzzle puzzle = board(rows);
    EXPECT_EQ(format_rows(puzzle), rows);
    EXPECT_EQ(game_level_text(7, "Porch", format_rows(puzzle)),
              "; 7\n'Porch\n  ####\n###  #\n#@$*.#\n#  ###\n####\n\n");
}
