// Finding on two threads: the same verdicts as one search after the other, and the searches of
// a level together within its one memory limit.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <memory>
#include <thread>

#include "level/collection.h"
#include "solver/push_search.h"
#include "solver/search_budget.h"
#include "solver/solver.h"
#include "solver_boards.h"
#include "support/first_collections.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

TEST(FindSideBySide, GivesTheVerdictsOfOneByOneOnTheFirstCollections) {
    // Time enough for every proof within its share, even in a slow sanitizer build.
    SolveLimits one_by_one;
    one_by_one.seconds = 600;
    SolveLimits side_by_side = one_by_one;
    side_by_side.threads = 2;
    int levels = 0;
    for (const char* name : first_collections) {
        TLevelCollection collection;
        const auto path = std::filesystem::path(PUSHWELL_ROOT) / "levels" / name;
        ASSERT_EQ(import_path(collection, path.string()), 0) << path;
        for (int32_t index = 0; index < collection.level_count(); ++index) {
            SCOPED_TRACE(std::string(name) + " level " + std::to_string(index + 1));
            const TLevel& level = *collection.get_level(index);
            const SolveResult alone = find_level_solution(level, Optimise::pushes, one_by_one);
            const SolveResult together = find_level_solution(level, Optimise::pushes, side_by_side);
            EXPECT_EQ(together.status, alone.status);
            EXPECT_EQ(together.pushes, alone.pushes);
            EXPECT_EQ(together.bound, alone.bound);
            EXPECT_EQ(together.positions, alone.positions);
            ++levels;
        }
    }
    EXPECT_EQ(levels, 98);
}

// Two proofs sharing one limit store, between them, no more positions than one alone: the
// claims of both are weighed together, whichever thread makes them.
TEST(FindSideBySide, SearchesSharingMemoryStoreNoMoreThanOneAlone) {
    SolveLimits limits;
    limits.memory_bytes = 2 << 20;
    limits.seconds = 600;
    SolverBoard board;
    ASSERT_TRUE(board.load(crowded_room()));
    PushSearch alone(board, Optimise::pushes, limits);
    ASSERT_EQ(alone.run(), SolveStatus::unknown);
    ASSERT_STREQ(alone.stopped_by(), "memory");

    SharedMemory memory(limits.memory_bytes, board.memory_bytes());
    std::vector<std::unique_ptr<PushSearch>> searches;
    for (int s = 0; s < 2; ++s) {
        searches.push_back(std::make_unique<PushSearch>(board, Optimise::pushes, limits,
                                                        SearchGoal::prove, SearchTies{&memory}));
    }
    std::thread other([&] { searches[1]->run(); });
    searches[0]->run();
    other.join();
    EXPECT_STREQ(searches[0]->stopped_by(), "memory");
    EXPECT_STREQ(searches[1]->stopped_by(), "memory");
    EXPECT_LE(searches[0]->positions() + searches[1]->positions(), alone.positions() * 5 / 4);
}

#ifdef __GLIBC__
// What the process holds on its heap, the blocks mapped on their own included.
int64_t heap_in_use() {
    const struct mallinfo2 heap = mallinfo2();
    return static_cast<int64_t>(heap.uordblks + heap.hblkhd);
}

TEST(FindSideBySide, SearchesOnTwoThreadsStayWithinOneMemoryLimit) {
    SolveLimits limits;
    limits.threads = 2;
    limits.memory_bytes = 4 << 20;
    limits.seconds = 600;  // the memory limit must stop it, even in a slow build
    const TLevel level = crowded_room();
    const int64_t before = heap_in_use();
    if (before == 0) GTEST_SKIP() << "a sanitizer's allocator keeps the heap here";
    std::atomic<bool> searching{true};
    int64_t most = before;
    std::thread watch([&] {
        while (searching) {
            most = std::max(most, heap_in_use());
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
    });
    const SolveResult result = find_level_solution(level, Optimise::pushes, limits);
    searching = false;
    watch.join();
    EXPECT_EQ(result.status, SolveStatus::unknown);
    EXPECT_EQ(result.reason, "memory");
    // A little over the limit for what the searches do not weigh: their walks and work arrays.
    EXPECT_LT(most - before, limits.memory_bytes * 17 / 16);
    EXPECT_GT(most - before, limits.memory_bytes / 2);
}
#endif
