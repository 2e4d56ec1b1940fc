#include <gtest/gtest.h>

#include "level/level_text_convert.h"
#include "support/board_text.h"

namespace {

const std::string game_file =
    "Made by hand - first try\n"
    "\n"
    "; 1\n"
    "'A-B_C\n"
    "#####\n"
    "#@$.#\n"
    "#####\n"
    "\n"
    "a note between levels; it stays\n"
    ";\n"
    "\n"
    "  #####\n"
    "###   #\n"
    "#@$  .#\n"
    "#######\n"
    "\n";

std::string converted(const std::string& text, ConvertReport& report) {
    return convert_level_text(text, report);
}

}  // namespace

// A file the game already reads comes back byte for byte; only what the game would misread
// changes: line ends, a header directly on a map row, a last map running into the end.
TEST(ConvertLevelText, KeepsTheGamesFormatAndRepairsOnlyWhatTheGameMisreads) {
    ConvertReport report;
    EXPECT_EQ(converted(game_file, report), game_file);
    EXPECT_TRUE(report.game_format);
    EXPECT_TRUE(report.changes.empty());
    EXPECT_EQ(report.levels_written, 2);

    std::string crlf;
    for (char c : game_file) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(converted(crlf, report), game_file);
    EXPECT_EQ(report.changes, std::vector<std::string>{"changed 16 CR LF line ends to LF"});

    std::string dashes = game_file;
    dashes.replace(dashes.find("#@$  .#"), 7, "#@$-_.#--  ");
    EXPECT_EQ(converted(dashes, report), game_file);
    EXPECT_TRUE(report.game_format);

    const std::string untitled = "; 1\n#####\n#@$.#\n#####\n\n; 2 'Two'\n#####\n#@$.#\n#####";
    EXPECT_EQ(converted(untitled, report),
              "; 1\n'1\n#####\n#@$.#\n#####\n\n; 2 'Two'\n'2 'Two'\n#####\n#@$.#\n#####\n\n");
    EXPECT_TRUE(report.game_format);
    EXPECT_EQ(report.changes.size(), 3u);

    // A level the game would refuse goes, with its header and title; the rest stays.
    EXPECT_EQ(converted("; 1\n'Bad\n#####\n#@$@#\n#####\n\n" + game_file, report), game_file);
    EXPECT_EQ(report.left_out, std::vector<std::string>{"level 1 (line 3): there must be one guy"});
}

TEST(ConvertLevelText, RewritesTheCommonFormatForTheGame) {
    ConvertReport report;
    const std::string text =
        "Title: Cellars\r\n\r\n;screen.1\r\n5#|#@$.#|5#\r\n\r\n"
        "Level 2\r\n#####\r\n#@$.-\r\n#####\r\nAuthor: Us\r\n\r\n"
        "2-#####\r\n###---#\r\n#@$__.#\r\n7#\r\nTitle: Three\r\n";
    EXPECT_EQ(converted(text, report),
              "Title: Cellars\n\n; 1\n'screen.1\n#####\n#@$.#\n#####\n\n"
              "; 2\n'Three\n  #####\n###   #\n#@$  .#\n#######\n\n");
    EXPECT_FALSE(report.game_format);
    EXPECT_EQ(report.levels_read, 3);
    EXPECT_EQ(report.levels_written, 2);
    EXPECT_EQ(report.left_out, std::vector<std::string>{"level 2 (line 7): error on line 2"});
    const auto imported = import_text(converted(text, report));
    ASSERT_EQ(imported->level_count(), 2);
    EXPECT_EQ(imported->get_level(1)->get_title(), "'Three");
}
