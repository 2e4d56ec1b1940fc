#include <gtest/gtest.h>

#include "support/board_text.h"

TEST(LevelBoard, CreateGetAndSetStayOnTheBoard) {
    TLevel level;
    EXPECT_EQ(level.release(), -1);
    ASSERT_EQ(level.create(4, 3), 0);
    EXPECT_EQ(picture_of(level), Picture(3, "    "));
    level.set_cell(1, 1, Cell::wall);
    EXPECT_EQ(level.create(2, 5), -1);
    EXPECT_EQ(level.create(5, 2), -1);
    for (auto [c, r] : {std::pair{-1, 0}, {0, -1}, {4, 0}, {0, 3}}) {
        EXPECT_EQ(level.get_cell(c, r), Cell::no_cell) << c << "," << r;
        EXPECT_EQ(level.set_cell(c, r, Cell::box), -1) << c << "," << r;
    }
    EXPECT_EQ(picture_of(level), Picture({"    ", " #  ", "    "}));
    EXPECT_EQ(level.release(), 0);
    EXPECT_EQ(level.get_cell(0, 0), Cell::no_cell);
}

TEST(LevelBoard, MarkOutsideFloodsOnlyFloorJoinedToTheBorder) {
    // Closed walls keep their inside; a gap lets the outside in up to targets, boxes and
    // no-cell squares, which it never changes.
    const std::pair<Picture, Picture> cases[] = {
        {{"  #### ", "### .# ", "#  $ ##", "#######"},
         {"--####-", "### .#-", "#  $ ##", "#######"}},
        {{"## ###", "#    #", "# #$.#", "#!   #", "######"},
         {"##-###", "#----#", "#-#$.#", "#!   #", "######"}},
    };
    for (const auto& [before, after] : cases) {
        TLevel level = board_from(before);
        level.mark_outside();
        EXPECT_EQ(picture_of(level), after);
    }
}

TEST(LevelBoard, FillOnAHugeOpenBoardNeedsNoDeepCallStack) {
    TLevel level;
    ASSERT_EQ(level.create(2000, 2000), 0);
    level.fill_outside(1000, 1000);
    EXPECT_EQ(level.get_cell(0, 0), Cell::outside);
    EXPECT_EQ(level.get_cell(1999, 1999), Cell::outside);
}

TEST(LevelBoard, WorkingCopyIsSeparateAndStartsOnTheStartSquare) {
    TLevel source = board_from({"######", "#.$ .#", "######"});
    source.set_start(3, 1);
    source.set_title("'Seven");
    TPlayLevel play = board_from({"###", "#@#", "###"});
    play.copy_from(source);
    EXPECT_EQ(play.get_title(), "'Seven");
    play.set_cell(1, 1, Cell::box_on_target);
    EXPECT_FALSE(play.is_solved());  // one target still empty
    EXPECT_EQ(picture_of(play), Picture({"######", "#*$@.#", "######"}));
    EXPECT_EQ(picture_of(source), Picture({"######", "#.$ .#", "######"}));
    play.set_cell(4, 1, Cell::floor);
    EXPECT_TRUE(play.is_solved());

    play.copy_from(TLevel());  // a level the import could not build has no board to copy
    EXPECT_FALSE(play.has_grid());
}
