#include "climb.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>
#include <vector>

#include "arena.h"
#include "greedy.h"
#include "level/floor_measures.h"
#include "wall_in.h"

namespace {

// Draws of a change before a step is given up: a few kinds of change can be impossible (no
// target left to take away), but never all of them.
constexpr int mutation_draws = 20;
// Rounds of walling in at the end: the walled board's own optimal solution may leave other
// squares idle than the one it was walled in by.
constexpr int wall_in_rounds = 3;
// Draws of an edge square to wall in while a carved room is cut down: most keep the floor
// whole, so this many suffice for the rooms we carve.
constexpr int shrink_draws = 400;
// Rooms carved for a seed before it is given up: carving is cheap, and most rooms of many
// pieces hold a hall or too little floor.
constexpr int carve_tries = 100;
// Targets side by side in each cluster.
constexpr int cluster_size = 4;
// One spare target for this many boxes (see climb_level).
constexpr int boxes_per_spare_target = 5;
// How many times its steps a climb for the hard end may take to get its level there.
constexpr int hard_steps_factor = 3;
// The finding searches of a level the proof could not finish get this share of its positions.
constexpr int64_t finding_positions_share = 4;

// The start's optimal solution, proven; for the hard end, a level the proof cannot finish
// within its positions is solved by the finding searches instead, its pushes only bounded.
std::optional<SolveResult> solution_of(const TLevel& level, const ClimbOptions& options) {
    SolveResult proof = solve_level(level, Optimise::pushes, options.proof_limits);
    if (proof.status == SolveStatus::solved) return proof;
    if (options.least_positions == 0 || proof.status != SolveStatus::unknown) return std::nullopt;
    // The finding searches start with a proof of their own, which would only run out again: a
    // share of the positions keeps that short, and is plenty for the searches that find.
    SolveLimits finding = options.proof_limits;
    finding.positions = std::max<int64_t>(1, finding.positions / finding_positions_share);
    SolveResult found = find_level_solution(level, Optimise::pushes, finding);
    if (found.status != SolveStatus::found && found.status != SolveStatus::solved)
        return std::nullopt;
    // The level is judged by the proof that ran out, however the finding searches went.
    found.status = SolveStatus::found;
    found.positions = proof.positions;
    found.bound = proof.bound;
    return found;
}

// Whether the level is as dear to prove as the options ask: always, when they ask nothing.
bool hard_enough(const ClimbedLevel& level, const ClimbOptions& options) {
    return !level.proven || level.positions >= options.least_positions;
}

// Proves the start and walls it in; the judge's tests on what comes out.
std::optional<ClimbedLevel> proven(const Puzzle& start, const ClimbOptions& options) {
    const std::optional<SolveResult> solution = solution_of(game_level(start), options);
    if (!solution) return std::nullopt;
    const SolveResult& solved = *solution;
    const auto walled = walled_in(start, solved.path);
    if (!walled) return std::nullopt;
    FloorMeasures floor;
    const TLevel level = game_level(walled->puzzle);
    if (!measure_floor(level, solved.path, floor)) return std::nullopt;
    // A box never pushed went with its square, so fewer boxes may be left than targets placed.
    if (floor.boxes < options.boxes.fewest || floor.boxes > options.boxes.most) return std::nullopt;
    const double per_box = floor.floor_per_box();
    if (per_box < options.min_floor_per_box || per_box > options.max_floor_per_box)
        return std::nullopt;
    ClimbedLevel climbed;
    climbed.measures = measure_solution(solved.path);
    if (climbed.measures.box_changes < floor.boxes) return std::nullopt;
    if (greedy_player_solves(level)) return std::nullopt;
    climbed.puzzle = walled->puzzle;
    climbed.start = start;
    climbed.solution = solved.path;
    climbed.boxes = floor.boxes;
    climbed.floor = floor.floor;
    climbed.idle = walled->walled;
    climbed.positions = solved.positions;
    climbed.proven = solved.status == SolveStatus::solved;
    // A found solution may waste pushes; only those the proof showed are needed count.
    SolutionMeasures counted = climbed.measures;
    if (!climbed.proven) counted.pushes = std::min(counted.pushes, solved.bound);
    climbed.fitness = climb_fitness(counted, solved.positions, options.positions_cap,
                                    options.push_weight, options.positions_weight);
    return climbed;
}

// A start the greedy player fails, proven and walled in.
std::optional<ClimbedLevel> judge_start(const Puzzle& start, const ClimbOptions& options) {
    if (greedy_player_solves(game_level(start))) return std::nullopt;
    return proven(start, options);
}

// A carved room cut down, square by square, to the floor the boxes should have.
std::optional<Puzzle> small_room(std::mt19937& random, const ClimbOptions& options, int boxes) {
    RoomShape shape = options.shape;
    shape.min_floor = static_cast<int>(std::ceil(options.min_floor_per_box * boxes));
    shape.max_floor = INT_MAX;
    Puzzle room;
    int carved = 0;
    while (!carve_room(random, shape, room)) {
        if (++carved == carve_tries) return std::nullopt;
    }
    const auto most = static_cast<long>(std::floor(options.max_floor_per_box * boxes));
    for (int draw = 0; draw < shrink_draws; ++draw) {
        if (std::count(room.squares.begin(), room.squares.end(), Square::floor) <= most)
            return room;
        wall_in_edge(random, room);
    }
    return std::nullopt;
}

// Targets on random floor, strewn or in clusters of a few side by side: one cluster of many
// boxes would keep those in its middle at home, but for targets at the end of a winding room,
// where the lane is narrow enough for every box to be pulled out.
void place_targets(std::mt19937& random, int boxes, ClimbOptions::Targets layout, Puzzle& room) {
    std::vector<int> floor;
    for (size_t square = 0; square < room.squares.size(); ++square) {
        room.targets[square] = false;
        if (room.squares[square] == Square::floor) floor.push_back(static_cast<int>(square));
    }
    const Arena arena(room, floor.front());
    const bool clustered = layout == ClimbOptions::Targets::clustered;
    for (int placed = 0; placed < boxes && placed < static_cast<int>(floor.size());) {
        std::shuffle(floor.begin(), floor.end(), random);
        if (clustered) nearest_first(arena, floor);
        if (layout == ClimbOptions::Targets::end) {
            // The square a walk from anywhere meets last lies at an end of the floor.
            nearest_first(arena, floor);
            std::swap(floor.front(), floor.back());
            nearest_first(arena, floor);
        }
        const int cluster = clustered ? cluster_size : boxes;
        for (size_t i = 0, added = 0;
             i < floor.size() && added < static_cast<size_t>(cluster) && placed < boxes; ++i) {
            const auto square = static_cast<size_t>(floor[i]);
            if (room.targets[square]) continue;
            room.targets[square] = true;
            ++added;
            ++placed;
        }
    }
}

// The walled-in level proven again on its own board, and walled in again while its optimal
// solution leaves squares idle, so that what is written is measured as the checker will.
std::optional<ClimbedLevel> settled(ClimbedLevel level, const ClimbOptions& options) {
    for (int round = 0; round < wall_in_rounds; ++round) {
        const int idle_before = level.idle;
        auto again = proven(level.puzzle, options);
        if (!again) return std::nullopt;
        again->idle += idle_before;
        again->steps_kept = level.steps_kept;
        const bool done = again->idle == idle_before;
        level = std::move(*again);
        if (done) return level;
    }
    return std::nullopt;
}

}  // namespace

double climb_fitness(const SolutionMeasures& measures, int64_t positions, int64_t cap,
                     double push_weight, double positions_weight) {
    const auto counted = static_cast<double>(std::min(positions, cap));
    return push_weight * measures.pushes + 2.0 * measures.box_changes + measures.sessions +
           positions_weight * std::log10(1.0 + counted);
}

std::optional<ClimbedLevel> judge_room(const Puzzle& room, std::mt19937& random,
                                       const ClimbOptions& options) {
    for (const Puzzle& start : pulled_starts(room, random, options.pulls)) {
        // Only the first start the greedy player fails is proven: the proof is the dear part.
        if (!greedy_player_solves(game_level(start))) return proven(start, options);
    }
    return std::nullopt;
}

std::optional<ClimbedLevel> climb_level(std::mt19937& random, const ClimbOptions& options) {
    const int boxes =
        std::uniform_int_distribution<int>(options.boxes.fewest, options.boxes.most)(random);
    std::optional<Puzzle> room = small_room(random, options, boxes);
    if (!room) return std::nullopt;
    // The pull searches may leave a box at home, never pushed, to be walled in with its target:
    // a room of many boxes gets a few spare targets.
    const int spare = options.boxes.most / boxes_per_spare_target;
    const TargetRange targets{options.boxes.fewest, options.boxes.most + spare};
    std::optional<ClimbedLevel> best;
    Puzzle best_room;
    for (int attempt = 0; attempt < options.target_tries; ++attempt) {
        const int placed = boxes + std::uniform_int_distribution<int>(0, spare)(random);
        place_targets(random, placed, options.targets, *room);
        auto judged = judge_room(*room, random, options);
        if (judged && (!best || judged->fitness > best->fitness)) {
            best = std::move(judged);
            best_room = *room;
        }
    }
    if (!best) return std::nullopt;
    // For the hard end a climb goes on past its steps while its level is still cheap to prove:
    // what it has climbed so far is more likely to get there than a new seed.
    const int most_steps =
        options.least_positions > 0 ? hard_steps_factor * options.steps : options.steps;
    for (int step = 0; step < most_steps; ++step) {
        if (step >= options.steps && hard_enough(*best, options)) break;
        Puzzle changed = best_room;
        std::optional<ClimbedLevel> judged;
        if (std::uniform_int_distribution<int>(1, options.pull_on_share)(random) == 1) {
            const int pulls = std::uniform_int_distribution<int>(1, 2 * boxes)(random);
            judged = judge_start(pulled_on(best->start, pulls, random), options);
        } else {
            bool made = false;
            for (int draw = 0; draw < mutation_draws && !made; ++draw)
                made = mutate(random, targets, changed);
            if (!made) continue;
            judged = judge_room(changed, random, options);
        }
        // Ties are kept too, so that the climb can cross level ground.
        if (!judged || judged->fitness < best->fitness) continue;
        judged->steps_kept = best->steps_kept + 1;
        best = std::move(judged);
        best_room = std::move(changed);
    }
    auto level = settled(std::move(*best), options);
    if (level && level->measures.pushes < options.min_pushes) return std::nullopt;
    if (level && !hard_enough(*level, options)) return std::nullopt;
    return level;
}
