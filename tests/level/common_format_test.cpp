// The common level format's reader and the game format's writer, on samples of every variant we
// know of, each written here for the purpose.
#include "level/common_format.h"

#include <dirent.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "level/game_format_writer.h"
#include "level/level.h"

namespace {

using Rows = std::vector<std::string>;
const Rows small = {"#####", "#@$.#", "#####"};
const Rows shaped = {"  ####", "###  #", "#@$ .#", "######"};

CommonCollection read(const std::string& text) {
    CommonCollection collection;
    std::string error;
    EXPECT_TRUE(read_common_format(text, collection, error)) << error;
    return collection;
}

// Every level's rows and title, in order.
void expect_levels(const CommonCollection& read,
                   const std::vector<std::pair<Rows, std::string>>& expected) {
    ASSERT_EQ(read.levels.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("level " + std::to_string(i + 1));
        EXPECT_EQ(read.levels[i].rows, expected[i].first);
        EXPECT_EQ(read.levels[i].title, expected[i].second);
        EXPECT_EQ(read.levels[i].fault, "");
    }
}

}  // namespace

TEST(CommonFormat, ReadsEveryWayOfWritingMaps) {
    // Run-length counts, '|' rows, '-' and '_' floor, trailing blanks, no labels at all.
    expect_levels(read("5#|#@$.#|5#\n\n2-4#\n3#2_#\n#@$-.#\n6#\n"), {{small, ""}, {shaped, ""}});
    expect_levels(read("#####   \n#@$.#\t\n#####--\n\n\n\n__####\n###  #\n#@$ .#\n######"),
                  {{small, ""}, {shaped, ""}});
    // CR LF, lone CR, no final line feed: the same levels.
    expect_levels(read("; 1\r\n#####\r\n#@$.#\r\n#####\r\n\r\n; 2\r\n" + std::string("  ####") +
                       "\r\n###  #\r\n#@$ .#\r\n######"),
                  {{small, "1"}, {shaped, "2"}});
    expect_levels(read("; 1\r#####\r#@$.#\r#####\r\r"), {{small, "1"}});
}

TEST(CommonFormat, TakesTitlesFromLabelsAndTitleLines) {
    const std::string map = "#####\n#@$.#\n#####\n";
    expect_levels(read("; 12\n\n" + map + "\n;screen.13\n" + map + "\n; 3 'Name'\n" + map +
                       "\nLevel 7\n\n" + map + "\n; 1\n'The game's own\n" + map),
                  {{small, "12"},
                   {small, "screen.13"},
                   {small, "3 'Name'"},
                   {small, "Level 7"},
                   {small, "The game's own"}});
    // A Title: line after the map wins over the label; Author:, Date: and comment blocks,
    // empty lines and all, are no maps and no labels; the file's heading is the collection's.
    const CommonCollection collection =
        read("Title: Cellar Works\nAuthor: We\n\n; 1\n" + map + "Title: Fünf Kisten – naïve\n" +
             "Author: Somebody\nDate: 2026\nComment:\n#####\n\n#@$.#\nComment-End:\n\n" + map +
             "\nComment: one line\n\n" + map + "Title: Last\n");
    expect_levels(collection, {{small, "Fünf Kisten – naïve"}, {small, ""}, {small, "Last"}});
    EXPECT_EQ(collection.heading, Rows({"Title: Cellar Works", "Author: We"}));
    EXPECT_EQ(collection.levels[1].first_line, 17);
}

TEST(CommonFormat, ReadsMetadataInAnyCaseAndOrder) {
    const std::string map = "#####\n#@$.#\n#####\n";
    // Blanks around the colon, any case, Author: and other keys before or after the title; a
    // heading Title: names the collection.
    CommonCollection collection =
        read("TITLE : Blanks Around Colons\nauthor:We\n\n" + map + "Author: We\nTitle : First\n\n" +
             map + "title:Second\nDATE : 2026\n\n" + map + "Author : Them\n  Title\t:  Third \n");
    expect_levels(collection, {{small, "First"}, {small, "Second"}, {small, "Third"}});
    EXPECT_EQ(collection.name, "Blanks Around Colons");
    // A Collection: key, wherever it stands, names the collection before any title.
    collection = read("Title: The Heading\n\n" + map + "Title: One\ncollection : Cellar Works\n");
    expect_levels(collection, {{small, "One"}});
    EXPECT_EQ(collection.name, "Cellar Works");
    EXPECT_EQ(read("Author: We\n\n" + map).name, "");
}

TEST(CommonFormat, PassesOverCommentLines) {
    const std::string map = "#####\n#@$.#\n#####\n";
    // A "::" line is no title, no label and no metadata, but lets the label above it through.
    const CommonCollection collection =
        read(":: Collection: Not This\nTitle: Commented\n\n; 1\n:: about level one\n" + map +
             ":: Title: not a title\n\n:: sits on the map\n" + map + "\n::\n" + map);
    expect_levels(collection, {{small, "1"}, {small, ""}, {small, ""}});
    EXPECT_EQ(collection.name, "Commented");
}

TEST(CommonFormat, ReadsABigBoardWithHundredsOfBoxes) {
    Rows rows(50, std::string(50, '#'));
    int boxes = 0;
    for (int r = 1; r < 49; ++r) {
        for (int c = 1; c < 49; ++c) {
            const bool box = r % 2 == 1 && c % 2 == 1 && r < 45;
            rows[r][c] = box ? '*' : ' ';
            boxes += box;
        }
    }
    rows[47][47] = '@';
    ASSERT_GE(boxes, 300);
    std::string text;
    for (const std::string& row : rows) text += row + '\n';
    expect_levels(read(text), {{rows, ""}});
}

// A hostile count is refused, not expanded; so is a map past the size limit. The other levels
// of the file are still read.
TEST(CommonFormat, RefusesMapsPastTheSizeLimit) {
    std::string tall;
    for (int r = 0; r <= max_board_side; ++r) tall += "#@$.#\n";
    const CommonCollection collection =
        read("999999999#\n#@$.#\n#####\n\n5#|#@$.#|5#\n\n" + tall + "\n4#|#@3|4#\n");
    ASSERT_EQ(collection.levels.size(), 4u);
    EXPECT_EQ(collection.levels[0].fault, "a row is wider than 1000 squares");
    EXPECT_TRUE(collection.levels[0].rows.empty());
    EXPECT_EQ(collection.levels[1].rows, small);
    EXPECT_EQ(collection.levels[2].fault, "the map is taller than 1000 rows");
    EXPECT_EQ(collection.levels[3].fault, "a count is not followed by a board character");
}

TEST(GameFormatWriter, WritesTheGamesFormatAndNamesWhatItLeavesOut) {
    CommonCollection collection = read(
        "; Our heading\n\n; 1\n5#|#@$.#|5#\n\n#####\n#@$.\n#####\n\n#####\n#@$@#\n#####\n\n"
        "Level 9\n" +
        std::string("  ####\n###  #\n#@$ .#\n######\n"));
    std::vector<LeftOutLevel> left_out;
    EXPECT_EQ(write_game_format(collection, left_out),
              " ; Our heading\n\n; 1\n'1\n#####\n#@$.#\n#####\n\n"
              "; 2\n'Level 9\n  ####\n###  #\n#@$ .#\n######\n\n");
    ASSERT_EQ(left_out.size(), 2u);
    EXPECT_EQ(left_out[0].number, 2);
    EXPECT_EQ(left_out[0].reason, "error on line 2");
    EXPECT_EQ(left_out[1].number, 3);
    EXPECT_EQ(left_out[1].reason, "there must be one guy");
    EXPECT_EQ(game_refusal({"####", "#@.#", "####"}),
              "number of targets does not match number of boxes");
    EXPECT_EQ(game_refusal({"###", "#@#"}), "level is smaller than 3 x 3");
    EXPECT_EQ(game_refusal({"#####", "#@$.#", "# ###"}), "the man is outside the walls");
    EXPECT_EQ(game_refusal({"#####", "#+$ #", "# ###"}), "");  // the fill stops at a target
}

// Our own collections, read as any other and written back, come out byte for byte.
TEST(GameFormatWriter, ShippedCollectionsComeBackUnchanged) {
    const std::string folder = std::string(PUSHWELL_ROOT) + "/levels/";
    DIR* directory = opendir(folder.c_str());
    ASSERT_NE(directory, nullptr);
    int files = 0;
    while (const dirent* entry = readdir(directory)) {
        if (entry->d_name[0] == '.') continue;
        std::ifstream in(folder + entry->d_name, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        std::vector<LeftOutLevel> left_out;
        EXPECT_EQ(write_game_format(read(text.str()), left_out), text.str()) << entry->d_name;
        EXPECT_TRUE(left_out.empty());
        ++files;
    }
    closedir(directory);
    EXPECT_GE(files, 3);
}
