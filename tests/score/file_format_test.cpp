#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <map>

#include "score/high_score.h"
#include "support/temp_dir.h"

namespace {

const std::string declaration = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n";
const std::string level_3 = "<Level nr=\"3\" moves=\"120\" pushes=\"35\" />\n";
const std::string level_12 = "<Level nr=\"12\" moves=\"300\" pushes=\"80\" />\n";

// The store as plain values, so that two stores compare with one EXPECT_EQ.
using Contents = std::map<std::string, std::map<int32_t, std::pair<int32_t, int32_t>>>;
Contents contents(const THighScore& store) {
    Contents plain;
    for (const auto& [name, collection] : store.collections()) {
        auto& levels = plain[name];
        for (const auto& [nr, score] : collection->entries())
            levels[nr] = {score.moves, score.pushes};
    }
    return plain;
}

std::string written(const THighScore& store) {
    TempDir dir;
    EXPECT_EQ(store.write_to_file(dir.file("scores.xml")), 1);
    return dir.read("scores.xml");
}

THighScore read(const std::string& text) {
    TempDir dir;
    dir.write("scores.xml", text);
    THighScore store;
    EXPECT_EQ(store.read_from_file(dir.file("scores.xml")), 1) << text;
    return store;
}

}  // namespace

TEST(ScoreFileLayout, IsWrittenByteForByte) {
    THighScore store;
    EXPECT_EQ(written(store), declaration);
    store.set_score("default", 12, {300, 80});
    store.set_score("default", 3, {120, 35});
    EXPECT_EQ(written(store), declaration + "<Collection name=\"default\">\n    " + level_3 +
                                  "    " + level_12 + "</Collection>\n");
    // A collection read without levels goes back as one self-closed line.
    EXPECT_EQ(written(read("<Collection name=\"x\"></Collection>")),
              declaration + "<Collection name=\"x\" />\n");
}

TEST(ScoreFileLayout, NamesOfAnyBytesReadBackIntoTheSameStoreAndBytes) {
    THighScore store;
    using namespace std::string_literals;
    for (const std::string& name :
         {"a&b<c>d\"e'f"s, "&amp;&#x41;"s, "caf\xc3\xa9 \xf0\x9f\x93\xa6"s, "lat\xe9n1"s,
          "\xff\xfe\x80\xc3"s, "\xed\xb2\x80\xed\xa0\x80"s, "tab\tline\ncr\r"s, "nul\0x"s,
          "\xef\xbb\xbf  x  "s}) {
        store.set_score(name, 1, {2, 3});
    }
    store.set_score("default", INT32_MIN, {INT32_MAX, -1});
    const std::string first = written(store);
    const THighScore again = read(first);
    EXPECT_EQ(contents(again), contents(store));
    EXPECT_EQ(written(again), first);
}

TEST(ScoreFileReading, AcceptsHandWrittenVariantsAndSkipsWhatIsUnusable) {
    const Contents expected{{"default", {{3, {120, 35}}, {12, {300, 80}}}}, {"other", {}}};
    const std::string variants[] = {
        declaration + "<Collection name=\"default\">\n    " + level_3 + "    " + level_12 +
            "</Collection>\n<Collection name=\"other\" />\n",
        // Attribute order, quotes, comments, extra attributes and white space are free, and
        // the declaration may be missing.
        "<!-- mine -->\n<Collection by='me' name='default'><!--Level nr='4' moves='1' "
        "pushes='1'-->\n\t<Level pushes='35' nr='3' moves='120'/><Level moves=\"300\"\n"
        "nr=\"12\" pushes=\"80\" time=\"9\"></Level></Collection>  <Collection name='other'/>",
        // Only the later of two collections of one name counts; nameless collections, nested
        // ones and levels without all three counts are skipped alone.
        "<Collection name=\"default\"><Level nr=\"1\" moves=\"1\" pushes=\"1\"/></Collection>"
        "<!--Collection--><Collection>" +
            level_3 + "</Collection><Collection name=\"\">" + level_3 +
            "</Collection><Scores><Collection name=\"nested\"/></Scores>"
            "<Collection name=\"default\">" +
            level_3 +
            "<Level nr=\"5\" moves=\"1\"/><Level "
            "moves=\"1\" pushes=\"1\"/><Level nr=\"6\" pushes=\"1\"/><Group><Level nr=\"7\" "
            "moves=\"1\" pushes=\"1\"/></Group>" +
            level_12 +
            "</Collection>"
            "<Collection name=\"other\"><Level nr=\"9\" moves=\"1\"/></Collection>"};
    for (const std::string& text : variants) EXPECT_EQ(contents(read(text)), expected) << text;
    EXPECT_EQ(contents(read("<Scores><Collection name=\"default\"/></Scores>")), Contents{});
}

TEST(ScoreFileReading, ReadsNumbersAsAtoiDoesButClamped) {
    const THighScore store = read(
        "<Collection name=\"c\"><Level nr=\"7abc\" moves=\"none\" pushes=\" \t+12\"/>"
        "<Level nr=\"-8\" moves=\"99999999999999999999\" pushes=\"-2147483649\"/></Collection>");
    EXPECT_EQ(contents(store), (Contents{{"c", {{-8, {INT32_MAX, INT32_MIN}}, {7, {0, 12}}}}}));
}

TEST(ScoreFileReading, FailureLeavesTheStoreAsItWas) {
    THighScore store;
    store.set_score("kept", 1, {1, 1});
    TempDir dir;
    dir.write("bad.xml", "<Collection name=\"new\">" + level_3 + "</Collection><Collection");
    dir.write("empty.xml", "");
    std::filesystem::create_directory(dir.file("dir.xml"));
    for (const char* name : {"bad.xml", "empty.xml", "dir.xml", "missing.xml"}) {
        EXPECT_EQ(store.read_from_file(dir.file(name)), 0) << name;
        EXPECT_EQ(contents(store), (Contents{{"kept", {{1, {1, 1}}}}})) << name;
    }
}
