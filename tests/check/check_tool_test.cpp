// Runs the built pushwell-check as a level author would, and reads its exit code and output.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <vector>

#include "support/first_collections.h"
#include "support/temp_dir.h"

namespace {
struct CheckerRun {
    int exit_code;
    std::string output;
};

// Standard error is dropped unless asked for: the import's messages are the importer's business
// and tested there; here the exit code and standard output count.
CheckerRun run_checker(const std::string& arguments, bool with_errors = false) {
    const std::string command =
        std::string(PUSHWELL_CHECK) + " " + arguments + (with_errors ? " 2>&1" : " 2>/dev/null");
    FILE* pipe = popen(command.c_str(), "r");
    CheckerRun run{-1, ""};
    if (pipe == nullptr) return run;
    char buffer[4096];
    size_t got = 0;
    while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0) run.output.append(buffer, got);
    const int status = pclose(pipe);
    run.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::vector<std::vector<std::string>> tsv_rows(const std::string& output) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string> fields;
        size_t start = 0;
        for (size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1) {
            fields.push_back(line.substr(start, tab - start));
        }
        fields.push_back(line.substr(start));
        rows.push_back(fields);
    }
    return rows;
}

const char* solvable =
    "; 1\n'Easy\n######\n#@$ .#\n######\n\n; 2\n'Two\n#######\n#.$@$.#\n#######\n\n";
const char* unsolvable = "; 1\n'Blocked\n#######\n#@$$..#\n#######\n\n";
const char* faulty = "; 1\n'Two men\n######\n#@$@.#\n######\n\n";
}  // namespace

TEST(CheckTool, ExitCodeIsZeroOnlyWhenEveryLevelIsProven) {
    TempDir folder;
    const std::string good = folder.write("good", solvable);
    const std::string lost = folder.write("lost", unsolvable);
    const std::string bad = folder.write("bad", faulty);
    const std::string crlf = folder.write("crlf", "; 1\r\n'x\r\n#####\r\n#@$.#\r\n#####\r\n\r\n");

    EXPECT_EQ(run_checker(good).exit_code, 0);
    EXPECT_EQ(run_checker("--moves " + good).exit_code, 0);
    EXPECT_EQ(run_checker(lost).exit_code, 1);
    EXPECT_EQ(run_checker(good + " " + lost).exit_code, 1);
    EXPECT_EQ(run_checker(lost + " " + good).exit_code, 1);
    EXPECT_EQ(run_checker(bad).exit_code, 1);
    EXPECT_EQ(run_checker(crlf).exit_code, 1);
    EXPECT_EQ(run_checker(folder.file("missing")).exit_code, 1);
    EXPECT_EQ(run_checker(good + " " + folder.file("missing")).exit_code, 1);
    EXPECT_EQ(run_checker("--time 1e-9 " + good).exit_code, 1);  // unknown is not proven
    EXPECT_EQ(run_checker("--find " + good).exit_code, 0);
    EXPECT_EQ(run_checker("--find " + lost).exit_code, 1);
    EXPECT_EQ(run_checker("--help").exit_code, 0);
    EXPECT_EQ(run_checker("").exit_code, 2);
    EXPECT_EQ(run_checker("--bogus " + good).exit_code, 2);
    EXPECT_EQ(run_checker("--time -3 " + good).exit_code, 2);
    EXPECT_EQ(run_checker("--memory").exit_code, 2);
    EXPECT_EQ(run_checker("--convert " + good).exit_code, 2);
}

TEST(CheckTool, ReportsEachLevelWithItsVerdict) {
    TempDir folder;
    const std::string good = folder.write("good", solvable);
    const std::string lost = folder.write("lost", unsolvable);
    const auto rows = tsv_rows(run_checker("--tsv " + good + " " + lost).output);
    ASSERT_EQ(rows.size(), 3u);
    for (const auto& row : rows) ASSERT_EQ(row.size(), 17u);
    EXPECT_EQ(rows[0][1], "1");
    EXPECT_EQ(rows[0][2], "'Easy");
    EXPECT_EQ(rows[0][3], "optimal");
    EXPECT_EQ(rows[0][4], "2");  // moves
    EXPECT_EQ(rows[0][5], "2");  // pushes
    EXPECT_EQ(rows[0][6], "2");  // the proven bound
    EXPECT_EQ(rows[0][9], "RR");
    EXPECT_EQ(rows[1][1], "2");
    // One box pushed one way, then the other box: counted by hand from "LrR" (or "RlL").
    EXPECT_EQ(rows[1][9].size(), 3u);
    const std::vector<std::string> changes_sessions_lines{"1", "2", "2"};
    EXPECT_EQ(std::vector<std::string>(rows[1].begin() + 10, rows[1].begin() + 13),
              changes_sessions_lines);
    // Five floor squares for two boxes, and every one stood on by the man or a box.
    EXPECT_EQ(std::vector<std::string>(rows[1].begin() + 13, rows[1].end()),
              (std::vector<std::string>{"5", "2", "2.50", "0"}));
    EXPECT_EQ(rows[2][3], "unsolvable");
    EXPECT_EQ(rows[2][10] + rows[2][11] + rows[2][12] + rows[2][13] + rows[2][16], "");
    // A limit gives "unknown", never a guess.
    const CheckerRun human = run_checker("--time 1e-9 " + good);
    EXPECT_NE(human.output.find("level 1 'Easy: unknown (time limit"), std::string::npos)
        << human.output;
    const CheckerRun plain = run_checker(good);
    EXPECT_NE(plain.output.find("level 2 'Two: optimal 2 pushes, 3 moves: "), std::string::npos)
        << plain.output;
    // Finding proves first: what is proven in time stays optimal, also with the proof and the
    // finding searches side by side, as on every processor with one job.
    EXPECT_EQ(run_checker("--find " + good).output, plain.output);
    EXPECT_EQ(run_checker("--find --jobs 1 " + good).output, plain.output);
}

TEST(CheckTool, ConvertWritesAFileTheGameAccepts) {
    TempDir folder;
    const std::string in = folder.write("in", "; 1\r\n'x-y\r\n-#####\r\n##@$.#\r\n-#####");
    const std::string out = folder.file("out");
    CheckerRun run = run_checker("--convert " + in + " " + out);
    EXPECT_EQ(run.exit_code, 0) << run.output;
    EXPECT_EQ(read_file(out), "; 1\n'x-y\n #####\n##@$.#\n #####\n\n");
    EXPECT_NE(run.output.find("wrote " + out + ": 1 levels\n"), std::string::npos) << run.output;
    EXPECT_EQ(run_checker(out).exit_code, 0);
    // Levels the game would refuse are left out and named, a broken layout is called faulty,
    // and either makes the exit code 1; converting in place works too.
    const std::string mixed = folder.write(
        "mixed", "#####\n#@$@#\n#####\n\n#####\n#@$.#\n#####\n\n######\n#@$. #\n#### #\n   # #\n");
    run = run_checker("--convert " + mixed + " " + mixed);
    EXPECT_EQ(run.exit_code, 1);
    EXPECT_NE(run.output.find("left out level 1 (line 1): there must be one guy"),
              std::string::npos)
        << run.output;
    EXPECT_NE(run.output.find("mixed level 2: faulty: floor joined to the outside"),
              std::string::npos)
        << run.output;
    EXPECT_NE(run.output.find("wrote " + mixed + ": 2 levels"), std::string::npos) << run.output;
    EXPECT_EQ(run_checker("--convert " + folder.file("missing") + " " + folder.file("o")).exit_code,
              1);
}

// The converted file replaces the old one as the score file does: whole, through a link, with
// its permissions, and nothing is left beside it.
TEST(CheckTool, ConvertReplacesTheFileALinkPointsToAndLeavesNoTemporary) {
    TempDir folder;
    const std::string level = "; 1\n'x\n#####\n#@$.#\n#####\n";
    const std::string in = folder.write("in", level);
    const std::string real = folder.write("real", "old");
    chmod(real.c_str(), 0640);
    ASSERT_EQ(symlink("real", folder.file("out").c_str()), 0);
    EXPECT_EQ(run_checker("--convert " + in + " " + folder.file("out")).exit_code, 0);
    EXPECT_TRUE(std::filesystem::is_symlink(folder.file("out")));
    EXPECT_EQ(read_file(real), level);
    struct stat status;
    ASSERT_EQ(stat(real.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path), {}), 3);
}

// A layout the game takes but that breaks the level is called faulty, not unsolvable.
TEST(CheckTool, CallsABrokenLayoutFaulty) {
    TempDir folder;
    const std::string leaky =
        folder.write("leaky", "; 1\n'Leaky\n######\n#@$. #\n#### #\n   # #\n\n");
    const CheckerRun run = run_checker(leaky);
    EXPECT_EQ(run.exit_code, 1);
    EXPECT_NE(run.output.find("level 1 'Leaky: faulty: floor joined to the outside through a gap"),
              std::string::npos)
        << run.output;
    EXPECT_EQ(tsv_rows(run_checker("--tsv " + leaky).output)[0][3], "faulty");
}

// Every level the game ships must be solvable, and proven so: whatever levels/ holds today.
// The first shipped collections, each level proven in well under a second: every one optimal,
// and the same lines in the same order on one thread as on two. (The library test replays every
// shipped level's solution; `make check-library` proves them all again.)
TEST(CheckTool, ProvesTheFirstCollectionsAlikeOnOneThreadAndOnTwo) {
    const std::filesystem::path levels = std::filesystem::path(PUSHWELL_ROOT) / "levels";
    std::string files;
    for (const char* name : first_collections) files += " '" + (levels / name).string() + "'";
    const CheckerRun run = run_checker("--tsv --time 120 --jobs 2" + files);
    auto rows = tsv_rows(run.output);
    EXPECT_EQ(rows.size(), 98u);
    for (const auto& row : rows) {
        ASSERT_GE(row.size(), 10u);
        EXPECT_EQ(row[3], "optimal") << row[0] << " level " << row[1] << " " << row[2];
    }
    EXPECT_EQ(run.exit_code, 0) << run.output;

    auto one_by_one = tsv_rows(run_checker("--tsv --time 120 --jobs 1" + files).output);
    for (auto* table : {&rows, &one_by_one}) {
        for (auto& row : *table) row[8] = "";
    }
    EXPECT_EQ(rows, one_by_one);
}

TEST(CheckTool, RefusesLevelsTooLargeOrWithTheManOutsideAsTheGameDoes) {
    TempDir folder;
    const std::string wide = "; 1\n\n" + std::string(1001, '#') + "\n#@$." + std::string(996, ' ') +
                             "#\n" + std::string(1001, '#') + "\n\n";
    const std::string gap = "; 1\n\n#####\n#@$.#\n# ###\n\n";
    const std::pair<std::string, std::string> cases[] = {{wide, "level is larger than 1000 x 1000"},
                                                         {gap, "the man is outside the walls"}};
    for (const auto& [text, fault] : cases) {
        const CheckerRun run = run_checker(folder.write("levels", text), true);
        EXPECT_NE(run.exit_code, 0);
        EXPECT_NE(run.output.find("TLevelCollection.import: levels: level 1: " + fault + "\n"),
                  std::string::npos)
            << run.output;
    }
}
