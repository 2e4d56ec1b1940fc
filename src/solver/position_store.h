#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

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
class PositionStore {
  public:
    PositionStore(int box_count, int32_t square_count);

    uint64_t box_key(int32_t square) const { return box_keys[square]; }
    uint64_t man_key(int32_t square) const { return man_keys[square]; }

    // The stored position with these sorted boxes and man square, or -1.
    int32_t find(uint64_t hash, const int32_t* boxes, int32_t key_man) const;
    // Stores a position (its hash must be set) and returns its index.
    int32_t add(const StoredPosition& position, const int32_t* boxes);

    StoredPosition& at(int32_t index) { return positions[index]; }
    const StoredPosition& at(int32_t index) const { return positions[index]; }
    const int32_t* boxes_of(int32_t index) const {
        return &box_pool[static_cast<size_t>(index) * box_count];
    }
    int64_t size() const { return static_cast<int64_t>(positions.size()); }
    // The memory held by the stored positions and their table.
    int64_t memory_bytes() const;
    // What the next add would allocate while the old arrays are still held: a growing array
    // briefly needs its old and its new room together.
    int64_t growth_bytes() const;

  private:
    bool same(int32_t index, uint64_t hash, const int32_t* boxes, int32_t key_man) const;
    void grow_table();

    int box_count;
    std::vector<uint64_t> box_keys, man_keys;
    std::vector<StoredPosition> positions;
    std::vector<int32_t> box_pool;
    std::vector<int32_t> table;  // open addressing; -1 is an empty slot
    uint64_t table_mask = 0;
};
