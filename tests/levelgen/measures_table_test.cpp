// Reading the checker's table back, and a collection put in order by it.
#include "measures_table.h"

#include <gtest/gtest.h>

#include <sstream>

#include "order_levels.h"

TEST(MeasuresTable, ReadsLevelLinesAndPassesOverTheRest) {
    std::istringstream table(
        "levels/Docks\t3\t'Quay\toptimal\t40\t12\t12\t1500\t0.010\tuRRdL\t4\t6\t7\t30\t5\t6.00\t2\n"
        "levels/Docks\t4\t'Far\tunknown\t\t\t30\t99\t10.000\t\t\t\t\t\t\t\t\n"
        "a line of words\n"
        "levels/"
        "Docks\tx\t'Bad\toptimal\t40\t12\t12\t1500\t0.010\tuRRdL\t4\t6\t7\t30\t5\t6.00\t2\n");
    const auto levels = read_measures_table(table);
    ASSERT_EQ(levels.size(), 2u);
    EXPECT_EQ(levels[0].title, "'Quay");
    EXPECT_EQ(levels[0].positions, 1500);
    EXPECT_EQ(levels[0].solution, "uRRdL");
    EXPECT_EQ(levels[0].box_lines, 7);
    EXPECT_EQ(levels[0].floor_per_box(), 6.0);
    EXPECT_EQ(levels[0].idle, 2);
    EXPECT_EQ(levels[1].result, "unknown");
    EXPECT_EQ(levels[1].pushes, 0);
    EXPECT_EQ(levels[1].bound, 30);
    EXPECT_EQ(collection_name(levels[0].file), "Docks");
    // Every box change weighs two pushes, every power of ten of positions ten.
    EXPECT_NEAR(difficulty(levels[0]), 12 + 2 * 4 + 10 * 3.17638, 1e-3);
}

TEST(OrderLevels, MovesWholeLevelsAndTheirTableLinesAndNumbersThemAgain) {
    const std::string text =
        "A heading\n\n"
        "; 1\n'Hard\n#####\n#@$.#\n#####\n\n"
        "; 2\n'Easy\n####\n#@*#\n####\n\n"
        "; 3\n\n\n######\n#@ $.#\n######";
    const std::vector<size_t> order = difficulty_order({3, 1, 2});
    EXPECT_EQ(order_collection(text, order),
              "A heading\n\n"
              "; 1\n'Easy\n####\n#@*#\n####\n\n"
              "; 2\n\n\n######\n#@ $.#\n######\n\n"
              "; 3\n'Hard\n#####\n#@$.#\n#####\n\n");
    // Equal difficulties keep the file's order.
    EXPECT_EQ(difficulty_order({1, 1, 1}), (std::vector<size_t>{0, 1, 2}));

    const std::vector<std::string> table = {
        "levels/Other\t1\t'A\toptimal\t1\t1\t1\t1\t0\tR\t0\t1\t1\t3\t1\t3.00\t0",
        "levels/Rooms\t1\t'Hard\toptimal\t1\t1\t1\t1\t0\tR\t0\t1\t1\t3\t1\t3.00\t0",
        "levels/Rooms\t2\t'Easy\toptimal\t1\t1\t1\t1\t0\tR\t0\t1\t1\t3\t1\t3.00\t0",
        "levels/Rooms\t3\t\toptimal\t1\t1\t1\t1\t0\tR\t0\t1\t1\t3\t1\t3.00\t0",
        "levels/Zed\t1\t'Z\toptimal\t1\t1\t1\t1\t0\tR\t0\t1\t1\t3\t1\t3.00\t0"};
    EXPECT_EQ(order_table_lines(table, "Rooms", order),
              table[0] + "\n" +
                  "levels/Rooms\t1\t'Easy\toptimal\t1\t1\t1\t1\t0\tR\t0\t1\t1\t3\t1\t3.00\t0\n" +
                  "levels/Rooms\t2\t\toptimal\t1\t1\t1\t1\t0\tR\t0\t1\t1\t3\t1\t3.00\t0\n" +
                  "levels/Rooms\t3\t'Hard\toptimal\t1\t1\t1\t1\t0\tR\t0\t1\t1\t3\t1\t3.00\t0\n" +
                  table[4] + "\n");
}
