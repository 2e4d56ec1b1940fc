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

#include "collection_figures.h"
#include "greedy.h"
#include "level/collection.h"
#include "level/move_letters.h"
#include "library_summary.h"
#include "measures_table.h"

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

// The tutorial keeps its hand-made order; every other collection was ordered before it shipped.
TEST_F(Library, EachCollectionRunsFromEasyToHard) {
    for (size_t i = 1; i < levels.size(); ++i) {
        const ShippedLevel &before = levels[i - 1], &level = levels[i];
        if (before.collection != level.collection || !before.measures || !level.measures ||
            level.collection == "default")
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

// From a first push to levels our own proof finds dear: enough levels and collections, enough
// of many boxes, and nearly every one proven optimal.
TEST_F(Library, SpansTheDifficultyCurve) {
    int many_boxes = 0, optimal = 0, fewest = 1000, beyond_tutorial = 0, longest_optimal = 0,
        dear_to_prove = 0;
    for (const auto& shipped : levels) {
        beyond_tutorial += shipped.collection != "default";
        if (!shipped.measures) continue;
        const MeasuredLevel& measures = *shipped.measures;
        fewest = std::min(fewest, measures.pushes);
        many_boxes += measures.boxes >= 10;
        optimal += measures.result == "optimal";
        dear_to_prove += measures.result == "solved" || measures.positions >= 1000000;
        if (measures.result == "optimal")
            longest_optimal = std::max(longest_optimal, measures.pushes);
    }
    EXPECT_GE(collections.size(), 10u);  // the tutorial and nine more
    EXPECT_GE(beyond_tutorial, 300);
    EXPECT_LE(fewest, 2);
    EXPECT_GE(many_boxes, 60);
    EXPECT_GE(longest_optimal, 200);  // the long end: a level of 200 pushes, proven
    EXPECT_GE(dear_to_prove, 40);     // the hard end: a million positions or no proof at all
    EXPECT_GE(optimal * 10, static_cast<int>(levels.size()) * 9);
}

namespace {

// A collection's levels that break a limit, worst first, for the failure message.
std::string furthest_over(std::vector<std::pair<double, std::string>> over) {
    std::sort(over.begin(), over.end(), std::greater<>());
    std::string names;
    for (size_t i = 0; i < over.size() && i < 5; ++i) names += " " + over[i].second;
    return names;
}

}  // namespace

// Every square matters: each collection but the tutorial is as tight as hand-made levels, and
// every level asks for a plan.
TEST_F(Library, EveryCollectionIsTight) {
    std::map<std::string, std::vector<const ShippedLevel*>> by_collection;
    for (const auto& shipped : levels) {
        if (shipped.measures && shipped.collection != "default")
            by_collection[shipped.collection].push_back(&shipped);
    }
    for (const auto& [name, members] : by_collection) {
        std::vector<double> floor_per_box, idle_share, box_counts;
        std::vector<std::pair<double, std::string>> roomy, idle;
        for (const ShippedLevel* shipped : members) {
            const MeasuredLevel& measures = *shipped->measures;
            const std::string where = name + " " + std::to_string(measures.level);
            floor_per_box.push_back(measures.floor_per_box());
            idle_share.push_back(measures.idle_share());
            box_counts.push_back(measures.boxes);
            roomy.emplace_back(measures.floor_per_box(), where);
            idle.emplace_back(measures.idle_share(), where);
            EXPECT_FALSE(greedy_player_solves(*shipped->level)) << where << ": the greedy player";
            EXPECT_GE(measures.box_changes, measures.boxes) << where << ": no box taken up twice";
            EXPECT_LE(count_boxes(*shipped->level) - measures.boxes, 1)
                << where << ": boxes never pushed";
        }
        const double most_floor = median(box_counts) >= 8 ? 6.5 : 7.5;
        EXPECT_LE(median(floor_per_box), most_floor)
            << name << ": median floor per box " << median(floor_per_box)
            << "; roomiest:" << furthest_over(roomy);
        EXPECT_LE(median(idle_share), 0.01) << name << ": median idle share " << median(idle_share)
                                            << "; idlest:" << furthest_over(idle);
        EXPECT_LE(nearest_rank_percentile(idle_share, 90), 0.12)
            << name << ": 90th percentile idle share " << nearest_rank_percentile(idle_share, 90)
            << "; idlest:" << furthest_over(idle);
    }
}
