// The level importer on any bytes, then random moves and undos on every level it would let the
// game play: the boxes and targets stay as many as they were, the man never stands anywhere
// but floor or a target, every undo of a made move succeeds, and undoing all of them gives
// back the level exactly as it was imported.
#include <random>
#include <vector>

#include "fuzz_support.h"
#include "level/rules.h"

namespace {

struct Counts {
    int boxes = 0;
    int targets = 0;
    bool operator==(const Counts& other) const {
        return boxes == other.boxes && targets == other.targets;
    }
};

Counts count(const TLevel& level) {
    Counts counts;
    for (int32_t r = 0; r < level.get_height(); ++r) {
        for (int32_t c = 0; c < level.get_width(); ++c) {
            const Cell cell = level.get_cell(c, r);
            counts.boxes += cell == Cell::box || cell == Cell::box_on_target;
            counts.targets += cell == Cell::target || cell == Cell::box_on_target;
        }
    }
    return counts;
}

bool same_board(const TLevel& a, const TLevel& b) {
    if (a.get_width() != b.get_width() || a.get_height() != b.get_height()) return false;
    for (int32_t r = 0; r < a.get_height(); ++r) {
        for (int32_t c = 0; c < a.get_width(); ++c) {
            if (a.get_cell(c, r) != b.get_cell(c, r)) return false;
        }
    }
    return true;
}

void play_at_random(const TLevel& source, std::mt19937_64& random) {
    TPlayLevel level;
    level.copy_from(source);
    const Counts start = count(level);
    std::vector<TMove> undo_list;
    for (int step = 0; step < 200; ++step) {
        if (!undo_list.empty() && random() % 4 == 0) {
            const TMove last = undo_list.back();
            undo_list.pop_back();
            FUZZ_CHECK(undo(level, move_direction(last), move_push_flag(last)) >= 0);
        } else {
            const int32_t direction = static_cast<int32_t>(1 + random() % 4);
            const int32_t result = move(level, direction);
            if (result >= 0) undo_list.push_back(make_move(result, direction));
        }
        const Cell under_man = level.get_cell(level.get_man_column(), level.get_man_row());
        FUZZ_CHECK(under_man == Cell::floor || under_man == Cell::target);
        FUZZ_CHECK(count(level) == start);
    }
    while (!undo_list.empty()) {
        const TMove last = undo_list.back();
        undo_list.pop_back();
        FUZZ_CHECK(undo(level, move_direction(last), move_push_flag(last)) >= 0);
    }
    FUZZ_CHECK(same_board(level, source));
    FUZZ_CHECK(level.get_man_column() == source.get_start_column() &&
               level.get_man_row() == source.get_start_row());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TLevelCollection collection;
    const int imported =
        import_quietly(collection, std::string(reinterpret_cast<const char*>(data), size));
    // The game plays only collections that import without a fault.
    if (imported != 0) return 0;
    std::mt19937_64 random(input_seed(data, size));
    for (int32_t index = 0; index < collection.level_count(); ++index) {
        if (const TLevel* level = collection.get_level(index)) play_at_random(*level, random);
    }
    return 0;
}
