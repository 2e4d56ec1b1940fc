#include "level_text.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

CollectionText read(const std::string& text) {
    std::istringstream in(text);
    return read_collection(in);
}

bool parses(const std::vector<std::string>& rows, std::string* why = nullptr) {
    Puzzle puzzle;
    std::string fault;
    const bool fine = parse_rows(rows, puzzle, fault);
    if (why) *why = fault;
    return fine;
}

}  // namespace

TEST(ReadCollection, ReadsLevelsTheWayTheGameDoes) {
    const auto collection = read(
        "a note before the first level\n"
        "; 1\n'One\n#####\n#@$.#\n#####\n\n"
        "; 2\n'Two\n\n#####\n#@$.#\n#####\n\n");
    EXPECT_TRUE(collection.faults.empty());
    ASSERT_EQ(collection.levels.size(), 2u);
    EXPECT_EQ(collection.levels[0].title, "'One");
    EXPECT_EQ(collection.levels[1].rows.size(), 3u);  // the empty line after a title is skipped
    EXPECT_EQ(collection.levels[1].header_line, 8);
}

TEST(ReadCollection, FlagsWhatTheGameWouldQuietlyMangle) {
    // Without a title the game eats the first map row.
    EXPECT_EQ(read("; 1\n#####\n#@$.#\n#####\n\n").faults.size(), 1u);
    // Without the closing empty line the last level is lost.
    const auto cut = read("; 1\n'One\n#####\n#@$.#\n#####");
    EXPECT_EQ(cut.faults.size(), 1u);
    EXPECT_TRUE(cut.levels.empty());
    // A final line feed counts as the closing empty line.
    EXPECT_TRUE(read("; 1\n'One\n#####\n#@$.#\n#####\n").faults.empty());
    EXPECT_FALSE(read("; 1\r\n'One\r\n#####\r\n#@$.#\r\n#####\r\n\r\n").faults.empty());
}

TEST(ParseRows, RefusesRowsTheGameRefuses) {
    std::string why;
    EXPECT_TRUE(parses({"  #####", "###@$.#", "#######"}));
    EXPECT_FALSE(parses({"#####", "#@$. ", "#####"}, &why));
    EXPECT_EQ(why, "row 2: does not end in a wall");
    EXPECT_FALSE(parses({"#####", "#@$.#", "#####  "}));  // trailing spaces
    EXPECT_FALSE(parses({" $####", " #@.#", " ####"}));   // a box before the first wall
    EXPECT_FALSE(parses({"#####", "#@$.#\t#", "#####"}));
}

TEST(ParseRows, RefusesLevelsThatCannotBePlayed) {
    std::string why;
    EXPECT_FALSE(parses({"######", "#@$.@#", "######"}, &why));
    EXPECT_EQ(why, "there must be exactly one man");
    EXPECT_FALSE(parses({"######", "#@$$.#", "######"}, &why));
    EXPECT_EQ(why, "number of targets does not match number of boxes");
    EXPECT_FALSE(parses({"####", "#@ #", "####"}, &why));
    EXPECT_EQ(why, "has no boxes");
    EXPECT_FALSE(parses({"#####", "#@$.#"}, &why));
    EXPECT_EQ(why, "smaller than 3 x 3");
    // A gap in the wall lets the man's floor run off the board.
    EXPECT_FALSE(parses({"####", "#@$. #", "######"}, &why));
    EXPECT_FALSE(parses({"######", "#@$. #", "#### #", "   # #"}, &why));
    EXPECT_EQ(why, "the man's floor is not closed in by walls");
}

TEST(FormatRows, WritesWhatItReads) {
    const std::vector<std::string> rows{"  ####", "###  #", "#@$*.#", "#  ###", "####"};
    Puzzle puzzle;
    std::string fault;
    ASSERT_TRUE(parse_rows(rows, puzzle, fault)) << fault;
    EXPECT_EQ(format_rows(puzzle), rows);
    std::ostringstream out;
    write_level(out, 7, "Porch", puzzle);
    EXPECT_EQ(out.str(), "; 7\n'Porch\n  ####\n###  #\n#@$*.#\n#  ###\n####\n\n");
}
