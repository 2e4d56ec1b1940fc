// The solver, with tiny limits, on every level the importer builds from any bytes. Each
// solution it claims is played letter by letter through the game's rules: every step and
// push must be what its letter says, the counts must be the claimed ones, and the level must
// end solved.
#include "solver/solver.h"

#include "fuzz_support.h"
#include "level/move_letters.h"
#include "solver/board.h"

namespace {

// Past a few boxes one estimate takes longer than the whole time limit.
constexpr int max_boxes = 12;

// Levels the solver would refuse are still handed to it: refusing them is its job too.
bool too_many_boxes(const TLevel& level) {
    SolverBoard board;
    return board.load(level) && board.start_boxes().size() > max_boxes;
}

void replay(const TLevel& level, const SolveResult& result) {
    int32_t moves = 0, pushes = 0;
    FUZZ_CHECK(replay_moves(level, result.path, moves, pushes));
    FUZZ_CHECK(moves == result.moves);
    FUZZ_CHECK(pushes == result.pushes);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TLevelCollection collection;
    import_quietly(collection, std::string(reinterpret_cast<const char*>(data), size));
    SolveLimits limits;
    limits.seconds = 0.05;
    limits.memory_bytes = 32 << 20;
    for (int32_t index = 0; index < collection.level_count(); ++index) {
        const TLevel* level = collection.get_level(index);
        if (!level || too_many_boxes(*level)) continue;
        for (Optimise optimise : {Optimise::pushes, Optimise::moves}) {
            for (const SolveResult& result : {solve_level(*level, optimise, limits),
                                              find_level_solution(*level, optimise, limits)}) {
                const bool claimed =
                    result.status == SolveStatus::solved || result.status == SolveStatus::found;
                if (claimed) replay(*level, result);
            }
        }
    }
    return 0;
}
