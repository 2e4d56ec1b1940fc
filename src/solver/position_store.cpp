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
    table.assign(1024, -1);
    table_mask = table.size() - 1;
}

bool PositionStore::same(int32_t index, uint64_t hash, const int32_t* boxes,
                         int32_t key_man) const {
    const StoredPosition& position = positions[index];
    return position.hash == hash && position.key_man == key_man &&
           std::equal(boxes, boxes + box_count, boxes_of(index));
}

int32_t PositionStore::find(uint64_t hash, const int32_t* boxes, int32_t key_man) const {
    for (uint64_t slot = hash & table_mask;; slot = (slot + 1) & table_mask) {
        const int32_t index = table[slot];
        if (index < 0) return -1;
        if (same(index, hash, boxes, key_man)) return index;
    }
}

int32_t PositionStore::add(const StoredPosition& position, const int32_t* boxes) {
    if ((positions.size() + 1) * 2 > table.size()) grow_table();
    const int32_t index = static_cast<int32_t>(positions.size());
    positions.push_back(position);
    box_pool.insert(box_pool.end(), boxes, boxes + box_count);
    uint64_t slot = position.hash & table_mask;
    while (table[slot] >= 0) slot = (slot + 1) & table_mask;
    table[slot] = index;
    return index;
}

void PositionStore::grow_table() {
    table.assign(table.size() * 2, -1);
    table_mask = table.size() - 1;
    for (int32_t index = 0; index < static_cast<int32_t>(positions.size()); ++index) {
        uint64_t slot = positions[index].hash & table_mask;
        while (table[slot] >= 0) slot = (slot + 1) & table_mask;
        table[slot] = index;
    }
}

int64_t PositionStore::memory_bytes() const {
    return static_cast<int64_t>(positions.capacity() * sizeof(StoredPosition) +
                                box_pool.capacity() * sizeof(int32_t) +
                                table.size() * sizeof(int32_t));
}

int64_t PositionStore::growth_bytes() const {
    int64_t bytes = 0;
    if (positions.size() == positions.capacity())
        bytes += static_cast<int64_t>(std::max<size_t>(1, 2 * positions.size()) *
                                      sizeof(StoredPosition));
    if (box_pool.size() + box_count > box_pool.capacity())
        bytes += static_cast<int64_t>(std::max(2 * box_pool.size(), box_pool.size() + box_count) *
                                      sizeof(int32_t));
    if ((positions.size() + 1) * 2 > table.size())
        bytes += static_cast<int64_t>(2 * table.size() * sizeof(int32_t));
    return bytes;
}
