#include <gtest/gtest.h>
#include <unistd.h>

#include "level/text_file.h"
#include "support/board_text.h"
#include "support/temp_dir.h"

namespace {

// A level with an empty title line, its rows and the empty line that closes it.
std::string level_text(const Picture& rows) {
    std::string text = ";\n\n";
    for (const std::string& row : rows) text += row + "\n";
    return text + "\n";
}
const std::string good = level_text({"#####", "#@$.#", "#####"});

std::string fault(int level, const std::string& what) {
    return "TLevelCollection.import: test: level " + std::to_string(level) + ": " + what + "\n";
}
const std::string mismatch = "number of targets does not match number of boxes";

}  // namespace

TEST(LevelImport, BuildsTheLevelAsWritten) {
    Imported in = import_text("; 1\n'A title\n#####\n#@$.#\n#####\n");
    ASSERT_EQ(in.result, 0);
    ASSERT_EQ(in.collection.level_count(), 1);
    const TLevel& level = *in.collection.get_level(0);
    EXPECT_EQ(level.get_number(), 1);
    EXPECT_EQ(level.get_title(), "'A title");
    EXPECT_EQ(picture_of(level, level.get_start_column(), level.get_start_row()),
              Picture({"#####", "#@$.#", "#####"}));
    // Without a title line the first row is taken for one; text between levels is ignored;
    // spaces before a row's first wall and the ends of short rows are outside.
    in = import_text("notes\n;\n####\n\n\n  #####\n  #@$.#\n ###\n\nmore notes\n");
    ASSERT_EQ(in.result, 0) << in.messages;
    const TLevel& shaped = *in.collection.get_level(0);
    EXPECT_EQ(shaped.get_title(), "");
    EXPECT_EQ(picture_of(shaped, shaped.get_start_column(), shaped.get_start_row()),
              Picture({"--#####", "--#@$.#", "-###---"}));
}

TEST(LevelImport, ReportsEveryFaultInItsOwnWords) {
    const std::pair<Picture, std::string> cases[] = {
        {{"#####", "#@$.# ", "#####"}, fault(1, "error on line 2")},
        {{"######", "$#@$.#", "######"}, fault(1, "error on line 2")},  // not counted
        {{"######", "+#@$.#", "######"}, fault(1, "error on line 2")},
        {{"#####", "*#@ #", "#####"}, fault(1, "error on line 2") + fault(1, "has no boxes")},
        {{"#####", "#@$.#", ";####", "#####"}, fault(1, "error on line 3")},
        {{"######", "#@@$.#", "######"}, fault(1, "there must be one guy")},
        {{"#####", "#@  #", "#####"}, fault(1, "has no boxes")},
        {{"########", "#@$$$..#", "########"}, fault(1, mismatch)},
        {{"#####", "#x..#", "#####"},
         fault(1, "error on line 2") + fault(1, "there must be one guy") + fault(1, mismatch) +
             fault(1, "has no boxes")},
        {{"#####", "#@$.#"}, fault(1, "level is smaller than 3 x 3")},
        {{"##", "@#", "$#", ".#", "##"}, fault(1, "level is smaller than 3 x 3")},
    };
    for (const auto& [rows, messages] : cases) {
        Imported in = import_text(level_text(rows));
        EXPECT_EQ(in.result, -2) << rows[1];
        EXPECT_EQ(in.messages, messages);
        EXPECT_EQ(in.collection.level_count(), 1);  // kept, though never played
    }
}

TEST(LevelImport, NumbersLevelsByHeaderAndNeverOffersAnUnbuiltOne) {
    Imported in = import_text(good + level_text({"#@#", "###"}) + good);
    EXPECT_EQ(in.result, -2);
    EXPECT_EQ(in.messages, fault(2, "level is smaller than 3 x 3"));
    ASSERT_EQ(in.collection.level_count(), 3);
    EXPECT_EQ(in.collection.get_level(2)->get_number(), 3);
    for (int index : {-1, 1, 3}) EXPECT_EQ(in.collection.get_level(index), nullptr) << index;
}

TEST(LevelImport, EndOfFileClosesAMapButNotAHeader) {
    EXPECT_EQ(import_text(good.substr(0, good.size() - 2)).collection.level_count(), 1);
    Imported faulty_last = import_text(good + ";\n\n#####\n#@$ #\n#####");
    EXPECT_EQ(faulty_last.messages, fault(2, mismatch));
    for (const char* tail : {";", ";\n", ";\n'title\n\n"}) {
        Imported in = import_text(good + tail);
        EXPECT_EQ(in.result, 0) << tail;
        EXPECT_EQ(in.collection.level_count(), 1) << tail;
    }
    Imported no_header = import_text("just text\n\n#####\n");
    EXPECT_EQ(no_header.result, 0);
    EXPECT_EQ(no_header.collection.level_count(), 0);
}

TEST(LevelImport, CarriageReturnsRunEverythingIntoOneBadMap) {
    std::string text = good + good;
    for (size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 2)) {
        text.insert(at, "\r");
    }
    Imported in = import_text(text);
    EXPECT_EQ(in.result, -2);
    EXPECT_EQ(in.collection.level_count(), 1);
    EXPECT_NE(in.messages.find(fault(1, "error on line 8")), std::string::npos);
}

TEST(LevelImport, MissingFileEmptiesTheCollectionButKeepsItsName) {
    TempDir dir;
    dir.write("first", good);
    TLevelCollection collection;
    ASSERT_EQ(collection.import(dir.path, "first"), 0);
    testing::internal::CaptureStderr();
    EXPECT_EQ(collection.import(dir.path, "none"), -1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Error: Could not open level file ( " + dir.path + "none)\n");
    EXPECT_EQ(collection.get_name(), "first");
    EXPECT_EQ(collection.level_count(), 0);

    // Past the size bound a file is refused unread, in one line naming it; at the bound it is read.
    for (const off_t size : {max_level_file_bytes + 1, max_level_file_bytes}) {
        const std::string huge = dir.write("huge", good);
        ASSERT_EQ(truncate(huge.c_str(), size), 0);
        testing::internal::CaptureStderr();
        const int result = collection.import(dir.path, "huge");
        const std::string said = testing::internal::GetCapturedStderr();
        if (size > max_level_file_bytes) {
            EXPECT_EQ(result, -1);
            EXPECT_EQ(said, "TLevelCollection.import: huge: file is larger than 64 MB\n");
        } else {
            // The zero bytes after the level are a line between levels, which is ignored.
            EXPECT_EQ(result, 0) << said;
            EXPECT_EQ(collection.level_count(), 1);
        }
    }
}

TEST(LevelImport, RefusesABoardPastTheLargestSideButReadsOn) {
    const std::string larger = "level is larger than 1000 x 1000";
    // A closed room of the given size with one box and its target.
    auto room = [](size_t width, size_t height) {
        Picture rows(height, "#" + std::string(width - 2, ' ') + "#");
        rows.front() = rows.back() = std::string(width, '#');
        rows[1].replace(1, 3, "@$.");
        return level_text(rows);
    };
    Imported at_limit = import_text(room(1000, 1000));
    EXPECT_EQ(at_limit.result, 0) << at_limit.messages;
    ASSERT_NE(at_limit.collection.get_level(0), nullptr);
    EXPECT_EQ(at_limit.collection.get_level(0)->get_width(), 1000);

    // One long line among short ones, and a map of many short lines: reported once each, never
    // built, and the levels after them are still read.
    std::string long_row = level_text({"#####", "#@$.#" + std::string(2000000, ' ') + "#", "###"});
    for (const std::string& oversized : {long_row, room(5, 1001), room(1001, 3)}) {
        Imported in = import_text(good + oversized + good);
        EXPECT_EQ(in.result, -2);
        EXPECT_EQ(in.messages, fault(2, larger));
        ASSERT_EQ(in.collection.level_count(), 3);
        EXPECT_EQ(in.collection.get_level(1), nullptr);
        EXPECT_NE(in.collection.get_level(2), nullptr);
    }
}

TEST(LevelImport, AManOutsideTheWallsIsAFaultOfTheLevel) {
    const Picture gaps[] = {
        {"#####", "#@$.#", "# ###"},  // a gap below the man's corridor
        {"#@.$#", "#", "#"},          // the man on the border row itself
    };
    for (const Picture& rows : gaps) {
        Imported in = import_text(level_text(rows));
        EXPECT_EQ(in.result, -2) << rows[0];
        EXPECT_EQ(in.messages, fault(1, "the man is outside the walls"));
    }
    // A gap elsewhere that the outside cannot bring to the man is no fault.
    EXPECT_EQ(import_text(level_text({"#######", "#@$.# #", "##### #"})).result, 0);
}
