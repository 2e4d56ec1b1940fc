#include "verify.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "support/temp_dir.h"

namespace {

// What verify says about one file holding `text`, and whether it passed.
std::string verified(const std::string& text, bool& passed) {
    TempDir directory;
    std::ofstream(directory.path + "levels", std::ios::binary) << text;
    std::ostringstream out;
    passed = verify_file(directory.path + "levels", SolveLimits{}, out);
    std::string said = out.str();
    // The path differs from run to run; the rest of each line is what matters.
    for (size_t at; (at = said.find(directory.path)) != std::string::npos;) {
        said.erase(at, directory.path.size());
    }
    return said;
}

}  // namespace

TEST(Verify, ProvesEveryLevelOrSaysWhatIsWrong) {
    bool passed = false;
    EXPECT_EQ(verified("; 1\n'Two Pushes\n#######\n#@ $ .#\n#######\n\n"
                       "; 2\n'Blocked\n#######\n#@$$..#\n#######\n\n",
                       passed),
              "levels: level 1 'Two Pushes: 7x3, 1 boxes: 2 pushes (3 positions)\n"
              "levels: level 2 'Blocked: 7x3, 2 boxes: UNSOLVABLE (1 positions)\n");
    EXPECT_FALSE(passed);
    // What the game takes quietly fails the file, though its levels are still proven: here
    // the first of two top walls is eaten as the title.
    EXPECT_EQ(verified("; 1\n#######\n#######\n#@ $ .#\n#######\n\n", passed),
              "levels: line 2: a title line beginning with an apostrophe must follow the header\n"
              "levels: level 1 : 7x3, 1 boxes: 2 pushes (3 positions)\n");
    EXPECT_FALSE(passed);
    // Floor running out past the walls: the game would make it outside, under the man.
    EXPECT_EQ(verified("; 1\n'Leaky\n####\n#@$. #\n######\n\n", passed),
              "levels: level 1 'Leaky: FAULT floor joined to the outside through a gap (row 2, "
              "column 4)\n");
    EXPECT_FALSE(passed);
    // A file the game rejects is not solved at all.
    EXPECT_EQ(verified("; 1\n'Crowded\n######\n#@$.@#\n######\n\n", passed),
              "levels: the game rejects this file (its faults are on standard error)\n");
    EXPECT_FALSE(passed);
    EXPECT_TRUE(verified("; 1\n'Fine\n#######\n#@ $ .#\n#######\n\n", passed).size() > 0);
    EXPECT_TRUE(passed);
    std::ostringstream out;
    EXPECT_FALSE(verify_file("/nonexistent/levels", SolveLimits{}, out));
    EXPECT_EQ(out.str(), "/nonexistent/levels: cannot open\n");
}
