#include <gtest/gtest.h>

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
}
