#include "level_text.h"

#include <gtest/gtest.h>

#include <sstream>

#include "board_rows.h"

TEST(FormatRows, WritesWhatItReads) {
    const std::vector<std::string> rows{"  ####", "###  #", "#@$*.#", "#  ###", "####"};
    const Puzzle puzzle = board(rows);
    EXPECT_EQ(format_rows(puzzle), rows);
    std::ostringstream out;
    write_level(out, 7, "Porch", puzzle);
    EXPECT_EQ(out.str(), "; 7\n'Porch\n  ####\n###  #\n#@$*.#\n#  ###\n####\n\n");
}
