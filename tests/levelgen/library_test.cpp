// The library as a whole: every level's recorded solution replays through the game's rules, each
// collection runs from easy to hard, no board is shipped twice, and the curve holds. Proving the
// levels again takes minutes and is `make check-library`.
#include <dirent.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "level/collection.h"
#include "level/move_letters.h"
#include "library_summary.h"
#include "measures_table.h"
#include "support/first_collections.h"

namespace {

struct ShippedLevel {
    std::string collection;
    const TLevel* level;
    const MeasuredLevel* measures;
};

class Library : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        std::ifstream in(std::string(PUSHWELL_SOURCE_DIR) + "/docs/measures.tsv");
        table = read_measures_table(in);
        const std::string directory = std::string(PUSHWELL_ROOT) + "/levels/";
        DIR* listing = opendir(directory.c_str());
        while (const dirent* entry = listing ? readdir(listing) : nullptr) {
            if (entry->d_name[0] == '.') continue;
            collections.push_back(std::make_unique<TLevelCollection>());
            collections.back()->import(directory, entry->d_name);
        }
        if (listing) closedir(listing);
        for (const auto& collection : collections) {
            for (int32_t index = 0; index < collection->level_count(); ++index) {
                const MeasuredLevel* measures = nullptr;
                for (const auto& row : table) {
                    if (collection_name(row.file) == collection->get_name() &&
                        row.level == index + 1)
                        measures = &row;
                }
                levels.push_back({collection->get_name(), collection->get_level(index), measures});
            }
        }
    }
    static std::vector<MeasuredLevel> table;
    static std::vector<std::unique_ptr<TLevelCollection>> collections;
    static std::vector<ShippedLevel> levels;
};
std::vector<MeasuredLevel> Library::table;
std::vector<std::unique_ptr<TLevelCollection>> Library::collections;
std::vector<ShippedLevel> Library::levels;

// The board as text, the man left out, in the least of its eight turnings and mirrorings.
std::string canonical_board(const TLevel& level) {
    const int width = level.get_width(), height = level.get_height();
    std::string least;
    for (int turn = 0; turn < 8; ++turn) {
        const bool across = turn & 1;  // read columns as rows
        const int rows = across ? width : height, columns = across ? height : width;
        std::string text = std::to_string(columns) + "x" + std::to_string(rows) + ":";
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < columns; ++c) {
                int column = across ? r : c, row = across ? c : r;
                if (turn & 2) column = width - 1 - column;
                if (turn & 4) row = height - 1 - row;
                text += static_cast<char>('0' + static_cast<int>(level.get_cell(column, row)));
            }
        }
        if (least.empty() || text < least) least = text;
    }
    return least;
}

}  // namespace

TEST_F(Library, EveryLevelHasMeasuresAndItsSolutionReplays) {
    ASSERT_FALSE(levels.empty());
    EXPECT_EQ(table.size(), levels.size()) << "docs/measures.tsv is not the table of levels/";
    for (const auto& shipped : levels) {
        const std::string where = shipped.collection + " level " +
                                  std::to_string(shipped.level ? shipped.level->get_number() : 0);
        ASSERT_TRUE(shipped.level && shipped.measures) << where << ": not in docs/measures.tsv";
        const MeasuredLevel& measures = *shipped.measures;
        EXPECT_EQ(measures.title, shipped.level->get_title()) << where;
        EXPECT_TRUE(measures.result == "optimal" || measures.result == "solved") << where;
        int32_t moves = 0, pushes = 0;
        EXPECT_TRUE(replay_moves(*shipped.level, measures.solution, moves, pushes)) << where;
        EXPECT_EQ(moves, measures.moves) << where;
        EXPECT_EQ(pushes, measures.pushes) << where;
    }
}

// The first collections keep their order, as players' best results are kept by level number.
TEST_F(Library, EachCollectionRunsFromEasyToHard) {
    for (size_t i = 1; i < levels.size(); ++i) {
        const ShippedLevel &before = levels[i - 1], &level = levels[i];
        if (before.collection != level.collection || !before.measures || !level.measures ||
            is_first_collection(level.collection))
            continue;
        EXPECT_LE(difficulty(*before.measures), difficulty(*level.measures))
            << level.collection << " level " << level.measures->level;
    }
}

TEST_F(Library, NoBoardIsShippedTwiceTurnedOrMirrored) {
    std::map<std::string, std::string> seen;
    for (const auto& shipped : levels) {
        const std::string where =
            shipped.collection + " level " + std::to_string(shipped.level->get_number());
        const auto [first, fresh] = seen.emplace(canonical_board(*shipped.level), where);
        EXPECT_TRUE(fresh) << where << " is " << first->second;
    }
}

// From a first push to long hard work: enough levels, and enough hard ones of each kind.
TEST_F(Library, SpansTheDifficultyCurve) {
    int long_ones = 0, many_boxes = 0, hard_proofs = 0, optimal = 0, fewest = 1000, most = 0;
    for (const auto& shipped : levels) {
        if (!shipped.measures) continue;
        const MeasuredLevel& measures = *shipped.measures;
        fewest = std::min(fewest, measures.pushes);
        most = std::max(most, measures.bound);
        long_ones += measures.bound >= 100;  // proven: a found solution may be longer
        many_boxes += count_boxes(*shipped.level) >= 8;
        hard_proofs += measures.result == "solved" || measures.positions >= 1000000;
        optimal += measures.result == "optimal";
    }
    EXPECT_GE(collections.size(), 8u);
    EXPECT_GE(levels.size(), 300u);
    EXPECT_LE(fewest, 2);
    EXPECT_GE(most, 250);
    EXPECT_GE(long_ones, 60);
    EXPECT_GE(many_boxes, 30);
    EXPECT_GE(hard_proofs, 20);
    EXPECT_GE(optimal * 10, static_cast<int>(levels.size()) * 9);
}
