// The solver, with tiny limits, on every level the importer builds from any bytes. Each
// solution it claims is played letter by letter through the game's rules: every step and
// push must be what its letter says, the counts must be the claimed ones, and the level must
// end solved.
#include "solver/solver.h"

#include <cctype>

#include "fuzz_support.h"
#include "level/rules.h"
#include "solver/board.h"

namespace {

// Past a few boxes one estimate takes longer than the whole time limit.
constexpr int max_boxes = 12;

// Levels the solver would refuse are still handed to it: refusing them is its job too.
bool too_many_boxes(const TLevel& level) {
    SolverBoard board;
    std::string reason;
    return board.load(level, reason) && board.start_boxes().size() > max_boxes;
}

int32_t direction_of(char letter) {
    switch (std::tolower(static_cast<unsigned char>(letter))) {
        case 'l':
            return dir_left;
        case 'r':
            return dir_right;
        case 'u':
            return dir_up;
        case 'd':
            return dir_down;
    }
    return 0;
}

void replay(const TLevel& source, const SolveResult& result) {
    TPlayLevel level;
    level.copy_from(source);
    int32_t pushes = 0;
    for (char letter : result.path) {
        const bool push = std::isupper(static_cast<unsigned char>(letter));
        FUZZ_CHECK(move(level, direction_of(letter)) == (push ? move_push : move_step));
        pushes += push;
    }
    FUZZ_CHECK(level.is_solved());
    FUZZ_CHECK(static_cast<int32_t>(result.path.size()) == result.moves);
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
