#include <gtest/gtest.h>

#include <vector>

#include "score/high_score.h"

TEST(RecordingRule, ReplacesOnlyWhenNoCountIsWorse) {
    const TScore best{10, 5};
    EXPECT_FALSE(is_new_best(best, 9, 6));
    EXPECT_FALSE(is_new_best(best, 12, 3));
    EXPECT_TRUE(is_new_best(best, 9, 5));
    EXPECT_TRUE(is_new_best(best, 10, 4));
    // Zero moves is "no result yet", whatever the pushes say.
    EXPECT_TRUE(is_new_best(TScore{0, 3}, 500, 90));
}

TEST(ScoreStore, LooksUpExactKeysAndOverwritesUnconditionally) {
    THighScore store;
    store.set_score("default", 3, {120, 35});
    TScore found{7, 7};
    EXPECT_FALSE(store.get_score("Default", 3, found));
    EXPECT_FALSE(store.get_score("default", 4, found));
    EXPECT_EQ(found, (TScore{7, 7}));
    store.set_score("default", 3, {999, 999});
    ASSERT_TRUE(store.get_score("default", 3, found));
    EXPECT_EQ(found, (TScore{999, 999}));
}

TEST(ScoreStore, OrdersNamesByUnsignedBytesAndLevelsBySignedNumber) {
    THighScore store;
    for (const char* name : {"a", "\xe9t\xe9", "9", "Zoo", "10", "ab"})
        store.set_score(name, 1, {});
    for (int32_t level : {10, -3, 2}) store.set_score("a", level, {});
    std::vector<std::string> names;
    for (const auto& entry : store.collections()) names.push_back(entry.first);
    EXPECT_EQ(names, (std::vector<std::string>{"10", "9", "Zoo", "a", "ab", "\xe9t\xe9"}));
    std::vector<int32_t> levels;
    for (const auto& entry : store.collections().at("a")->entries()) levels.push_back(entry.first);
    EXPECT_EQ(levels, (std::vector<int32_t>{-3, 1, 2, 10}));
}
