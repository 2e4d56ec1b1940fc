#include <gtest/gtest.h>

#include "level_text.h"
#include "solver/level_text_convert.h"

namespace {
// What the game reads from the text: its import result and the levels it kept.
struct Imported {
    int result;
    int32_t levels;
};

Imported import_as_game(const std::string& text) {
    ScratchFolder folder;
    folder.write("levels", text);
    TLevelCollection collection;
    const int result = collection.import(folder.file(""), "levels");
    return {result, collection.level_count()};
}

const std::string clean =
    "Made by hand - first try\n"
    "\n"
    "; 1\n"
    "'A-B_C\n"
    "#####\n"
    "#@$.#\n"
    "#####\n"
    "\n"
    "; 2\n"
    "'Second\n"
    "  #####\n"
    "###   #\n"
    "#@$  .#\n"
    "#######\n"
    "\n";
}  // namespace

TEST(ConvertLevelText, AuthorsVariantsBecomeTheGamesFormat) {
    std::string crlf;
    for (char c : clean) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    std::string lone_cr = clean;
    for (char& c : lone_cr) c = c == '\n' ? '\r' : c;
    std::string dashes = clean;
    dashes.replace(dashes.find("  #####"), 7, "-_#####");
    dashes.replace(dashes.find("#@$  .#"), 7, "#@$-_.#");
    // "#######" at the very end: older readers of the format drop such a last level.
    const std::string unended = clean.substr(0, clean.size() - 2);

    ASSERT_EQ(import_as_game(clean).result, 0);
    for (const std::string& variant : {crlf, lone_cr, dashes, unended}) {
        SCOPED_TRACE(variant);
        if (variant != unended) {
            const Imported before = import_as_game(variant);
            EXPECT_TRUE(before.result != 0 || before.levels < 2) << "the game should reject it";
        }
        ConvertChanges changes;
        EXPECT_EQ(convert_level_text(variant, changes), clean);
        EXPECT_FALSE(changes.describe().empty());
        const Imported after = import_as_game(convert_level_text(variant, changes));
        EXPECT_EQ(after.result, 0);
        EXPECT_EQ(after.levels, 2);
    }
}

// Dashes in titles, comments and headers are the author's words, not floor; a file the game
// already reads comes back byte for byte.
TEST(ConvertLevelText, LeavesEverythingElseAlone) {
    ConvertChanges changes;
    EXPECT_EQ(convert_level_text(clean, changes), clean);
    EXPECT_TRUE(changes.describe().empty());
    const std::string outside_maps = "-- notes_here --\n; 1 -_-\n'-_-\n\n#@$.#\n\n;-\n";
    EXPECT_EQ(convert_level_text(outside_maps, changes), outside_maps);
    EXPECT_TRUE(changes.describe().empty());
    EXPECT_EQ(convert_level_text("", changes), "");
    // A header right at the end, and a comment without its line feed, are left as they are.
    EXPECT_EQ(convert_level_text("; 1\n'x", changes), "; 1\n'x");
    EXPECT_EQ(convert_level_text("; 1\n'x\n#@$.#\n\nthe end", changes),
              "; 1\n'x\n#@$.#\n\nthe end");
}
