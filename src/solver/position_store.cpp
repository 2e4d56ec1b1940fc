#include "solver/position_store.h"

#include <algorithm>

namespace {
// A fixed-seed splitmix64 stream: the same keys on every run, so searches repeat exactly.
uint64_t next_key(uint64_t& state) {
    uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}
}  // namespace

PositionStore::PositionStore(int box_count, int32_t square_count) : box_count(box_count) {
    uint64_t state = 0x5075736877656C6Cull;
    box_keys.resize(square_count);
    man_keys.resize(square_count);
    for (auto& key : box_keys) key = next_key(state);
    for (auto& key : man_keys) key = next_key(state);
    table.assign(1024, empty_slot);
    table_mask = table.size() - 1;
}

int32_t PositionStore::find(uint64_t hash, const int32_t* boxes, int32_t key_man) const {
    const uint64_t high = hash & ~uint64_t{0xFFFFFFFF};
    for (uint64_t slot = hash & table_mask;; slot = (slot + 1) & table_mask) {
        const uint64_t entry = table[slot];
        if (entry == empty_slot) return -1;
        if ((entry & ~uint64_t{0xFFFFFFFF}) != high) continue;
        const int32_t index = static_cast<int32_t>(entry & 0xFFFFFFFF);
        const StoredPosition& position = at(index);
        if (position.hash == hash && position.key_man == key_man &&
            std::equal(boxes, boxes + box_count, boxes_of(index)))
            return index;
    }
}

int32_t PositionStore::add(const StoredPosition& position, const int32_t* boxes) {
    if ((static_cast<size_t>(count) + 1) * 2 > table.size()) grow_table();
    const int32_t index = count;
    if (place_of(index) == 0) {
        const size_t block = position_blocks.size();
        position_blocks.emplace_back(block_size(block));
        box_blocks.emplace_back(block_size(block) * box_count);
        held_block_bytes += block_bytes(block);
    }
    ++count;
    at(index) = position;
    std::copy(boxes, boxes + box_count, &box_blocks[block_of(index)][place_of(index) * box_count]);
    place(position.hash, index);
    return index;
}

void PositionStore::place(uint64_t hash, int32_t index) {
    uint64_t slot = hash & table_mask;
    while (table[slot] != empty_slot) slot = (slot + 1) & table_mask;
    table[slot] = slot_entry(hash, index);
}

void PositionStore::grow_table() {
    table.assign(table.size() * 2, empty_slot);
    table_mask = table.size() - 1;
    for (int32_t index = 0; index < count; ++index) place(at(index).hash, index);
}

int64_t PositionStore::block_bytes(size_t block) const {
    return static_cast<int64_t>(block_size(block) *
                                (sizeof(StoredPosition) + box_count * sizeof(int32_t)));
}

int64_t PositionStore::memory_bytes() const {
    const size_t lists = position_blocks.capacity() + box_blocks.capacity();
    return held_block_bytes + static_cast<int64_t>(lists * sizeof(position_blocks[0]) +
                                                   table.size() * sizeof(uint64_t));
}

int64_t PositionStore::growth_bytes() const {
    int64_t bytes = 0;
    if (place_of(count) == 0) {
        bytes += block_bytes(position_blocks.size());
        // The two lists of blocks double when full.
        if (position_blocks.size() == position_blocks.capacity()) {
            const size_t doubled = 2 * std::max<size_t>(1, position_blocks.size());
            bytes += static_cast<int64_t>(2 * doubled * sizeof(position_blocks[0]));
        }
    }
    if ((static_cast<size_t>(count) + 1) * 2 > table.size())
        bytes += static_cast<int64_t>(2 * table.size() * sizeof(uint64_t));
    return bytes;
}
