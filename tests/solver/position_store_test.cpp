#include "solver/position_store.h"

#include <gtest/gtest.h>

// Two positions that happen to share a hash must stay two positions: taking one for the other
// could prove a level unsolvable, or a solution optimal, that is not.
TEST(PositionStore, SameHashDifferentPositionsAreKeptApart) {
    PositionStore store(2, 64);
    const int32_t first_boxes[] = {10, 20};
    const int32_t other_boxes[] = {10, 21};
    StoredPosition position;
    position.hash = 42;
    position.key_man = 5;
    const int32_t first = store.add(position, first_boxes);
    EXPECT_EQ(store.find(42, first_boxes, 5), first);
    EXPECT_EQ(store.find(42, other_boxes, 5), -1);
    EXPECT_EQ(store.find(42, first_boxes, 6), -1);
    const int32_t second = store.add(position, other_boxes);
    EXPECT_NE(first, second);
    EXPECT_EQ(store.find(42, other_boxes, 5), second);
    EXPECT_EQ(store.find(42, first_boxes, 5), first);
}

TEST(PositionStore, FindsEveryPositionAfterTheTableGrows) {
    PositionStore store(1, 2000);
    StoredPosition position;
    for (int32_t square = 0; square < 2000; ++square) {
        position.hash = static_cast<uint64_t>(square % 7);  // crowded on purpose
        position.key_man = square;
        store.add(position, &square);
    }
    for (int32_t square = 0; square < 2000; ++square) {
        ASSERT_EQ(store.find(static_cast<uint64_t>(square % 7), &square, square), square);
    }
}

// The blocks grow from small to large; every position must come back whole from whichever
// block it landed in.
TEST(PositionStore, KeepsEveryPositionWholeAcrossItsBlocks) {
    constexpr int32_t count = 150000;
    PositionStore store(2, 16);
    StoredPosition position;
    for (int32_t i = 0; i < count; ++i) {
        const int32_t boxes[] = {i, -i};
        position.hash = static_cast<uint64_t>(i) * 0x9E3779B97F4A7C15ull;
        position.key_man = i % 16;
        position.pushes = i;
        ASSERT_EQ(store.add(position, boxes), i);
    }
    for (int32_t i = 0; i < count; ++i) {
        ASSERT_EQ(store.at(i).pushes, i);
        ASSERT_EQ(store.boxes_of(i)[0], i);
        ASSERT_EQ(store.boxes_of(i)[1], -i);
    }
    const int32_t some[] = {count - 1, 1 - count};
    EXPECT_EQ(store.find(static_cast<uint64_t>(count - 1) * 0x9E3779B97F4A7C15ull, some,
                         (count - 1) % 16),
              count - 1);
}
