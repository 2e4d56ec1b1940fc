#include "level/rules.h"

#include <gtest/gtest.h>

#include <cctype>
#include <climits>
#include <cstdlib>
#include <random>

#include "level/move_letters.h"
#include "support/board_text.h"

TEST(LevelRules, EveryResultAndWhatItDoes) {
    struct Case {
        Picture before;
        int32_t direction, result;
        Picture after;  // empty: unchanged
    };
    const Case cases[] = {
        {{"#####", "#@ .#", "#####"}, dir_right, move_step, {"#####", "# @.#", "#####"}},
        {{"#####", "# @.#", "#####"}, dir_right, move_step, {"#####", "#  +#", "#####"}},
        {{"#####", "#  +#", "#####"}, dir_left, move_step, {"#####", "# @.#", "#####"}},
        {{"#####", "#@$.#", "#####"}, dir_right, move_push, {"#####", "# @*#", "#####"}},
        {{"######", "#@* .#", "######"}, dir_right, move_push, {"######", "# +$.#", "######"}},
        {{"  @", "  $", "   "}, dir_down, move_push, {"   ", "  @", "  $"}},
        {{"#####", "#@ .#", "#####"}, dir_left, move_blocked, {}},
        {{"#-###", "#@ .#", "#####"}, dir_up, move_blocked, {}},
        {{"  @", "  $", "   "}, dir_up, move_blocked, {}},
        {{"#####", "# @$#", "#####"}, dir_right, move_box_blocked, {}},
        {{"######", "#@$* #", "######"}, dir_right, move_box_blocked, {}},
        {{"######", "#@$-.#", "######"}, dir_right, move_box_blocked, {}},
        {{" @ ", " $ ", " ! "}, dir_down, move_box_blocked, {}},
        {{"$@ ", "   ", "   "}, dir_left, move_box_blocked, {}},
    };
    for (const Case& test : cases) {
        TPlayLevel level = board_from(test.before);
        SCOPED_TRACE(test.before[1] + " direction " + std::to_string(test.direction));
        EXPECT_EQ(move(level, test.direction), test.result);
        EXPECT_EQ(picture_of(level), test.after.empty() ? test.before : test.after);
    }
}

TEST(LevelRules, RefusalsChangeNothing) {
    const Picture start = {"#####", "#@$.#", "#####"};
    TPlayLevel level = board_from(start);
    for (int32_t code : {0, 5, -1, 258}) {
        EXPECT_EQ(move(level, code), move_bad_step);
        EXPECT_EQ(undo(level, code, 0), move_bad_step);
    }
    for (auto [column, row] : {std::pair{1, 1}, {0, 0}, {2, 0}, {INT_MIN, 1}}) {
        EXPECT_EQ(move_by(level, column, row), move_bad_step);
        EXPECT_EQ(undo_by(level, column, row, 1), move_bad_step);
    }
    level.set_cell(2, 1, Cell::man);  // a drawing-only code no built board holds
    EXPECT_EQ(move(level, dir_right), move_bad_cell);
    level.set_cell(2, 1, Cell::box);
    EXPECT_EQ(undo(level, dir_right, 1), move_blocked);  // a wall behind the man
    EXPECT_EQ(picture_of(level), start);
    level.set_man(INT_MAX, 1);  // far off the board: blocked, not an overflow
    EXPECT_EQ(move(level, dir_right), move_blocked);
}

TEST(LevelRules, UndoPullsABoxOnlyOntoFreeFloor) {
    TPlayLevel level = board_from({"######", "#  @ #", "# #$ #", "######"});
    EXPECT_EQ(undo(level, dir_right, 1), move_step);  // no box ahead: only walks back
    level.set_man(2, 2);  // on a wall, with a box ahead: pulling it would lose it
    EXPECT_EQ(undo(level, dir_right, 1), move_step);
    EXPECT_EQ(picture_of(level), Picture({"######", "#    #", "#@#$ #", "######"}));
}

// Random moves and undos: every undo must give back exactly the board and man's square from
// before the move it reverses.
TEST(LevelRules, UndoRestoresTheBoardAfterAnyMoves) {
    // A failing walk is replayed by setting PUSHWELL_SEED to the seed it reports.
    const char* forced_seed = std::getenv("PUSHWELL_SEED");
    const unsigned seed = forced_seed ? std::stoul(forced_seed) : std::random_device{}();
    RecordProperty("seed", std::to_string(seed));
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    TPlayLevel level = board_from({"#########", "#  .  $ #", "# $*# . #", "#  @ $  #", "#.  $ *.#",
                                   "##   ## #", "#########"});
    std::vector<std::pair<TMove, Picture>> undo_list;
    int pushes = 0;
    for (int turn = 0; turn < 20000; ++turn) {
        const Picture before = picture_of(level);
        if (random() % 3 == 0 && !undo_list.empty()) {
            const auto [entry, earlier] = undo_list.back();
            undo_list.pop_back();
            ASSERT_EQ(undo(level, move_direction(entry), move_push_flag(entry)), move_step);
            ASSERT_EQ(picture_of(level), earlier) << "turn " << turn;
            continue;
        }
        const int32_t direction = static_cast<int32_t>(random() % 4) + 1;
        const int32_t result = move(level, direction);
        ASSERT_TRUE(result >= 0 || picture_of(level) == before) << "turn " << turn;
        if (result < 0) continue;
        const TMove entry = make_move(result, direction);
        ASSERT_TRUE((entry >= 1 && entry <= 4) || (entry >= 257 && entry <= 260)) << entry;
        pushes += move_push_flag(entry);
        undo_list.emplace_back(entry, before);
    }
    EXPECT_GT(pushes, 0);
}

// The game's Direction codes, the step table, the opposite and the move letters must all name
// the same way: a solution written by the solver is replayed through the game's moves.
TEST(LevelRules, DirectionsLettersAndStepsAgree) {
    const TPlayLevel open = board_from({"#####", "#   #", "# @ #", "#   #", "#####"});
    const std::string letters = "lrud";
    for (int index = 0; index < direction_count; ++index) {
        int32_t column_step = 0, row_step = 0;
        ASSERT_TRUE(direction_step(direction_code(index), column_step, row_step));
        EXPECT_EQ(column_step, step_columns[index]);
        EXPECT_EQ(row_step, step_rows[index]);
        EXPECT_EQ(step_columns[opposite(index)], -column_step);
        EXPECT_EQ(step_rows[opposite(index)], -row_step);
        TPlayLevel level = open;
        ASSERT_EQ(move(level, direction_code(index)), move_step);
        EXPECT_EQ(level.get_man_column(), 2 + column_step);
        EXPECT_EQ(level.get_man_row(), 2 + row_step);
        for (const bool push : {false, true}) {
            const char letter = move_letter(index, push);
            EXPECT_EQ(letter, push ? std::toupper(letters[index]) : letters[index]);
            int read = -1;
            bool read_push = !push;
            ASSERT_TRUE(read_move_letter(letter, read, read_push));
            EXPECT_EQ(read, index);
            EXPECT_EQ(read_push, push);
        }
    }
    int direction = 0;
    bool push = false;
    EXPECT_FALSE(read_move_letter('x', direction, push));
    EXPECT_FALSE(read_move_letter('\0', direction, push));
}
