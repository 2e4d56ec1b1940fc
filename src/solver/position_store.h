#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "solver/big_allocator.h"

// One position met by the search: where the boxes are (kept apart, in the store's box pool),
// where the man stands, and how the search got here.
struct StoredPosition {
    uint64_t hash = 0;
    uint64_t box_hash = 0;  // the boxes' share of `hash`, updated push by push
    int32_t parent = -1;    // the position before the last push; -1 for the start
    int32_t man = 0;        // the square the man stands on
    int32_t key_man = 0;    // the man square that, with the boxes, identifies the position
    int32_t pushes = 0;
    int32_t moves = 0;
    int32_t estimate = 0;     // lower bound on the pushes still needed
    int32_t pushed_from = 0;  // the square the box of the last push stood on
    int8_t push_direction = 0;
    bool expanded = false;  // or found to be a dead end
    int16_t disorder = 0;   // boxes on targets filled out of packing order, when finding
};

// Every position the search has met, found again by Zobrist hash. A hash match is only taken as
// the same position once the boxes and the man square compare equal too, so that two positions
// sharing a hash can never be confused.
// Positions and their boxes live in blocks that never move: a growing search neither copies
// what it holds nor needs its old and new room at once, and a position's reference stays good
// while others are added. The blocks double from a small first one up to a largest size, so
// that small searches stay small and large ones take huge pages (big_allocator.h). Each slot of the
// table keeps the high half of its position's hash beside the index, so that looking up a new
// position (the usual case) reads the table alone, not the positions it passes.
class PositionStore {
  public:
    PositionStore(int box_count, int32_t square_count);

    uint64_t box_key(int32_t square) const { return box_keys[square]; }
    uint64_t man_key(int32_t square) const { return man_keys[square]; }

    // The stored position with these sorted boxes and man square, or -1.
    int32_t find(uint64_t hash, const int32_t* boxes, int32_t key_man) const;
    // Asks for the table slot of `hash` to be fetched into the caches, ahead of a find.
    void prefetch(uint64_t hash) const { __builtin_prefetch(&table[hash & table_mask]); }
    // Stores a position (its hash must be set) and returns its index.
    int32_t add(const StoredPosition& position, const int32_t* boxes);

    StoredPosition& at(int32_t index) { return position_blocks[block_of(index)][place_of(index)]; }
    const StoredPosition& at(int32_t index) const {
        return position_blocks[block_of(index)][place_of(index)];
    }
    const int32_t* boxes_of(int32_t index) const {
        return &box_blocks[block_of(index)][place_of(index) * box_count];
    }
    int64_t size() const { return count; }
    // The memory held by the stored positions and their table.
    int64_t memory_bytes() const;
    // What the next add would allocate: a new block, or a table twice the size while the old
    // one is still held.
    int64_t growth_bytes() const;

  private:
    // Block 0 holds positions [0, first), block b up to `doublings` [first << (b - 1),
    // first << b), and every later block `first << doublings` positions.
    static constexpr int first_shift = 10;
    static constexpr int doublings = 6;
    static constexpr int largest_shift = first_shift + doublings;
    static size_t block_of(int32_t index) {
        const uint32_t i = static_cast<uint32_t>(index);
        if (i >> largest_shift) return doublings + (i >> largest_shift);
        const uint32_t firsts = i >> first_shift;
        return firsts == 0 ? 0 : 32 - __builtin_clz(firsts);
    }
    static size_t place_of(int32_t index) {
        return static_cast<uint32_t>(index) - block_start(block_of(index));
    }
    static uint32_t block_start(size_t block) {
        if (block > doublings) return static_cast<uint32_t>(block - doublings) << largest_shift;
        return block == 0 ? 0 : uint32_t{1} << (first_shift + block - 1);
    }
    static size_t block_size(size_t block) { return block_start(block + 1) - block_start(block); }
    static constexpr uint64_t empty_slot = ~uint64_t{0};
    // The high half of the hash, beside the index in the low half.
    static uint64_t slot_entry(uint64_t hash, int32_t index) {
        return (hash & ~uint64_t{0xFFFFFFFF}) | static_cast<uint32_t>(index);
    }
    int64_t block_bytes(size_t block) const;
    void place(uint64_t hash, int32_t index);
    void grow_table();

    int box_count;
    int32_t count = 0;
    std::vector<uint64_t> box_keys, man_keys;
    std::vector<std::vector<StoredPosition, BigAllocator<StoredPosition>>> position_blocks;
    std::vector<std::vector<int32_t, BigAllocator<int32_t>>> box_blocks;
    int64_t held_block_bytes = 0;
    std::vector<uint64_t, BigAllocator<uint64_t>> table;  // open addressing
    uint64_t table_mask = 0;
};
