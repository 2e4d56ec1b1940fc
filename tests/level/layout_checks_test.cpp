#include "level/layout_checks.h"

#include <gtest/gtest.h>

#include "support/board_text.h"

namespace {

// The layout fault of the only level of a file the game imports without a word.
std::string fault_of(const std::vector<std::string>& rows) {
    std::string text = "; 1\n'\n";
    for (const std::string& row : rows) text += row + "\n";
    const auto collection = import_text(text + "\n");
    EXPECT_EQ(collection->level_count(), 1);
    const TLevel* level = collection->get_level(0);
    return level == nullptr ? "no level" : level_layout_fault(*level);
}

}  // namespace

TEST(FileLayoutFaults, FlagWhatTheGameWouldQuietlyTakeIn) {
    EXPECT_TRUE(file_layout_faults("a note\n; 1\n'One\n\n#####\n#@$.#\n#####\n\n"
                                   "; 2\n'Two\n#####\n#@$.#\n#####\n")
                    .empty());
    // Without a title the game eats the first map row.
    EXPECT_EQ(file_layout_faults("; 1\n#####\n#@$.#\n#####\n\n"),
              std::vector<std::string>{
                  "line 2: a title line beginning with an apostrophe must follow the header"});
    // The last level must be closed, by an empty line or at least a final line feed.
    EXPECT_EQ(file_layout_faults("; 1\n'One\n#####\n#@$.#\n#####"),
              std::vector<std::string>{"the last level is not closed by an empty line"});
    EXPECT_EQ(file_layout_faults("; 1\n'One\n").size(), 1u);
    EXPECT_EQ(file_layout_faults("; 1\r\n'One\r\n#####\r\n#@$.#\r\n#####\r\n\r\n").size(), 6u);
}

TEST(LevelLayoutFault, NamesWhatBreaksALevel) {
    EXPECT_EQ(fault_of({"######", "#@ $.#", "# ####", "# #"}),
              "floor joined to the outside through a gap");
    EXPECT_EQ(fault_of({"######", "#@$. #", "#### #", "   # #"}),
              "floor joined to the outside through a gap (row 2, column 4)");
    EXPECT_EQ(fault_of({"    #####", "#@# #$. #", "### #####"}),
              "the man stands outside the walls");
    EXPECT_EQ(fault_of({"#########", "#@ #$  .#", "#########"}),
              "the man is walled off from every box");
    EXPECT_EQ(fault_of({"#########", "#@$.#$ .#", "#########"}),
              "a box off its target that the man can never reach (row 2, column 6)");
    EXPECT_EQ(fault_of({"########", "###.####", "#@$ $ .#", "########"}),
              "a target that no box can ever reach (row 2, column 4)");
}

// Real collections hold decoration that breaks nothing: it must stay accepted.
TEST(LevelLayoutFault, AcceptsHarmlessDecoration) {
    EXPECT_EQ(fault_of({"#####", "#@$.#", "#####"}), "");
    // A box on its target behind walls, inside the level and outside it.
    EXPECT_EQ(fault_of({"#########", "#@$.#*# #", "#########"}), "");
    EXPECT_EQ(fault_of({"       ###", "######*#", "#@ $ .#", "#######"}), "");
    // Detached pieces of wall, and a box on its target the man can reach.
    EXPECT_EQ(fault_of({"# #   # #", "  ######", "  #@$.*#", "  ######", "#   #"}), "");
}
