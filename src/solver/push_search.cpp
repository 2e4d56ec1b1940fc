#include "solver/push_search.h"

#include <algorithm>

#include "solver/area_after_push.h"

namespace {
// How much work (counted in steps of the estimate and of the man's walks) passes between two
// looks at the clock: a few milliseconds, however many boxes each position holds.
// How many times the pushes still needed weigh against those made, when finding.
constexpr int64_t find_weight = 5;
// Moves of a line of play beyond this are not searched; with an estimate added the count stays
// inside 32 bits.
constexpr int64_t max_moves = INT32_MAX / 2;
}  // namespace

// The heap pops the smallest estimated total first; among equals the position closest to the
// goal (smallest estimate), so that the last layer is not searched wide before finishing.
bool PushSearch::Later::operator()(const Queued& a, const Queued& b) const {
    if (a.first != b.first) return a.first > b.first;
    if (a.estimate != b.estimate) return a.estimate > b.estimate;
    return a.second > b.second;
}

PushSearch::PushSearch(const SolverBoard& board, Optimise optimise, const SolveLimits& limits,
                       SearchGoal goal, SearchTies ties)
    : board(board),
      optimise(optimise),
      search_goal(goal),
      budget(limits, board.memory_bytes(), ties),
      store(static_cast<int>(board.start_boxes().size()), board.square_count()),
      occupied(board.square_count(), 0) {
    if (goal == SearchGoal::find_packing) packing.emplace(board);
}

int32_t PushSearch::estimate(const std::vector<int32_t>& boxes) {
    budget.add_work(PushLowerBound::work(boxes.size()));
    return lower_bound.estimate(board, boxes);
}

// The parent's own matching is found once, when its first new child needs an estimate.
int32_t PushSearch::child_estimate(size_t index, int32_t to) {
    if (!parent_estimated) estimate(boxes);
    parent_estimated = true;
    budget.add_work(PushLowerBound::moved_work(boxes.size()));
    return lower_bound.estimate_moved(board, index, to);
}

int16_t PushSearch::disorder(const std::vector<int32_t>& boxes) const {
    return static_cast<int16_t>(std::min<int32_t>(packing->out_of_order(boxes), INT16_MAX));
}

void PushSearch::enqueue(int32_t index) {
    const StoredPosition& p = store.at(index);
    const bool by_pushes = optimise == Optimise::pushes;
    const int64_t weight = search_goal == SearchGoal::prove ? 1 : find_weight;
    // Kept to 32 bits so that the queue stays small; only absurd boards reach the cap.
    const auto capped = [](int64_t value) {
        return static_cast<int32_t>(std::min<int64_t>(value, INT32_MAX));
    };
    const int32_t first =
        capped((by_pushes ? p.pushes : p.moves) + weight * (int64_t{p.estimate} + p.disorder));
    const int32_t second = capped((by_pushes ? p.moves : p.pushes) + int64_t{p.estimate});
    open.push({first, second, p.estimate, index, p.pushes, p.moves});
}

// Counts what the next position would make the store and the queue allocate.
// Time is looked at once enough work has passed.
bool PushSearch::over_limits() {
    const int64_t queue_bytes = static_cast<int64_t>(2 * (open.size() + 1) * sizeof(Queued));
    return budget.spent(
        store.memory_bytes() + store.growth_bytes() + queue_bytes + patterns.memory_bytes(),
        store.size());
}

SolveStatus PushSearch::run() {
    boxes = board.start_boxes();
    StoredPosition start;
    start.man = board.man_start();
    for (int32_t box : boxes) occupied[box] = 1;
    start.key_man =
        optimise == Optimise::pushes ? area.walk(board, occupied, start.man) : start.man;
    for (int32_t box : boxes) occupied[box] = 0;
    for (int32_t box : boxes) start.box_hash ^= store.box_key(box);
    start.hash = start.box_hash ^ store.man_key(start.key_man);
    start.estimate = estimate(boxes);
    if (packing) start.disorder = disorder(boxes);
    if (start.estimate >= SolverBoard::unreachable) return SolveStatus::unsolvable;
    bound_ = start.estimate;
    enqueue(store.add(start, boxes.data()));

    while (!open.empty()) {
        if (over_limits()) return SolveStatus::unknown;
        const Queued next = open.top();
        open.pop();
        StoredPosition& position = store.at(next.position);
        if (position.expanded || position.pushes != next.pushes || position.moves != next.moves)
            continue;
        if (search_goal == SearchGoal::prove) {
            bound_ = std::max(bound_, next.first);
        }
        if (position.estimate == 0) {
            goal = next.position;
            return SolveStatus::solved;
        }
        position.expanded = true;
        expand(next.position);
        if (found) return SolveStatus::solved;
        if (halted()) return SolveStatus::unknown;
    }
    if (moves_overflowed) {
        budget.stop("move count");
        return SolveStatus::unknown;
    }
    return SolveStatus::unsolvable;
}

void PushSearch::expand(int32_t index) {
    const StoredPosition parent = store.at(index);
    boxes.assign(store.boxes_of(index), store.boxes_of(index) + board.start_boxes().size());
    for (int32_t box : boxes) occupied[box] = 1;
    walk.walk(board, occupied, parent.man);
    budget.add_work(board.square_count());
    parent_estimated = false;
    // Reordering pushes keeps their count but not the walking between them.
    const bool prune_corrals = optimise == Optimise::pushes || search_goal != SearchGoal::prove;
    const CorralCheck::Verdict verdict =
        prune_corrals ? corral.judge(board, occupied, walk, boxes) : CorralCheck::Verdict::any;
    // Learning costs the proof more time than the positions it saves; finding gains levels.
    const bool learn = search_goal != SearchGoal::prove;
    if (verdict == CorralCheck::Verdict::dead_end || (learn && learned_dead_end(parent))) {
        for (int32_t box : boxes) occupied[box] = 0;
        return;
    }
    // Every child is made before any is looked up, and its slot in the store's table fetched
    // from memory meanwhile: the lookups, most of which miss the caches, then overlap.
    children.clear();
    children_boxes.clear();
    for (size_t i = 0; i < boxes.size(); ++i) {
        const int32_t from = boxes[i];
        if (verdict == CorralCheck::Verdict::only && !corral.allows(from)) continue;
        for (int direction = 0; direction < 4; ++direction) {
            const int32_t behind = board.neighbour(from, opposite(direction));
            const int32_t to = board.neighbour(from, direction);
            if (!walk.reached(behind) || !board.is_free(to) || occupied[to] || board.is_dead(to))
                continue;
            occupied[from] = 0;
            occupied[to] = 1;
            if (!freeze.frozen_off_target(board, occupied, to) &&
                !board.dead_groups().holds(occupied, to, from)) {
                move_box(boxes, i, to, child_boxes);
                StoredPosition child;
                child.parent = index;
                child.man = from;
                child.key_man = optimise == Optimise::pushes
                                    ? child_area_top_left(parent, from, to, direction)
                                    : from;
                child.pushes = parent.pushes + 1;
                // Long walks on the largest boards could carry the moves past 32 bits; such a
                // line is left unsearched, and the search cannot then call the level unsolvable.
                const int64_t moves = int64_t{parent.moves} + walk.distance(behind) + 1;
                moves_overflowed = moves_overflowed || moves > max_moves;
                child.moves = static_cast<int32_t>(std::min<int64_t>(moves, max_moves));
                child.pushed_from = from;
                child.push_direction = static_cast<int8_t>(direction);
                child.box_hash = parent.box_hash ^ store.box_key(from) ^ store.box_key(to);
                child.hash = child.box_hash ^ store.man_key(child.key_man);
                if (moves <= max_moves) {
                    store.prefetch(child.hash);
                    children.push_back({child, i, to});
                    children_boxes.insert(children_boxes.end(), child_boxes.begin(),
                                          child_boxes.end());
                }
            }
            occupied[to] = 0;
            occupied[from] = 1;
        }
    }
    for (int32_t box : boxes) occupied[box] = 0;
    const size_t count = boxes.size();
    for (size_t c = 0; c < children.size() && !budget.stopped(); ++c) {
        const auto first = children_boxes.begin() + static_cast<std::ptrdiff_t>(c * count);
        child_boxes.assign(first, first + static_cast<std::ptrdiff_t>(count));
        offer(children[c].position, child_boxes, children[c].moved, children[c].to);
    }
}

// A group of boxes round the box just pushed that can never all reach targets, already known or
// proven now by its own small search; `boxes` and `occupied` hold the position.
bool PushSearch::learned_dead_end(const StoredPosition& position) {
    if (patterns.matches(boxes, occupied, position.man)) return true;
    if (position.parent < 0) return false;
    const int32_t pushed_to = board.neighbour(position.pushed_from, position.push_direction);
    const int64_t searched = patterns.work();
    const bool dead = patterns.learn(board, boxes, occupied, pushed_to, position.man);
    budget.add_work((patterns.work() - searched) * board.square_count());
    return dead;
}

// The top-left square of the man's area after pushing the box from `from` to `to`, with
// `occupied` already showing the push: mostly found from the parent's area, else walked.
int32_t PushSearch::child_area_top_left(const StoredPosition& parent, int32_t from, int32_t to,
                                        int direction) {
    const int32_t quick =
        area_after_push(board, occupied, walk, parent.man, parent.key_man, from, to, direction);
    return quick != SolverBoard::no_square ? quick : area.reach(board, occupied, from);
}

// A new position is estimated; one whose boxes cannot all reach targets is kept as a known
// dead end, closed at once, so that meeting it again costs no estimate. A position met again is
// taken over only by a cheaper way there, and only while it waits.
void PushSearch::offer(StoredPosition child, const std::vector<int32_t>& child_boxes, size_t moved,
                       int32_t to) {
    const int32_t known = store.find(child.hash, child_boxes.data(), child.key_man);
    if (known < 0) {
        if (over_limits()) return;
        child.estimate = child_estimate(moved, to);
        if (packing) child.disorder = disorder(child_boxes);
        child.expanded = child.estimate >= SolverBoard::unreachable;
        const int32_t added = store.add(child, child_boxes.data());
        if (!child.expanded) enqueue(added);
        // When finding, the first solution met will do.
        if (search_goal != SearchGoal::prove && child.estimate == 0) {
            goal = added;
            found = true;
        }
        return;
    }
    StoredPosition& old = store.at(known);
    if (old.expanded) return;
    child.estimate = old.estimate;  // the same boxes
    child.disorder = old.disorder;
    const bool by_pushes = optimise == Optimise::pushes;
    const auto cost = [&](const StoredPosition& p) {
        return by_pushes ? std::make_pair(p.pushes, p.moves) : std::make_pair(p.moves, p.pushes);
    };
    if (cost(child) >= cost(old)) return;
    old = child;
    enqueue(known);
}

std::vector<Push> PushSearch::solution() const {
    std::vector<Push> pushes;
    for (int32_t index = goal; index >= 0 && store.at(index).parent >= 0;
         index = store.at(index).parent) {
        pushes.push_back({store.at(index).pushed_from, store.at(index).push_direction});
    }
    std::reverse(pushes.begin(), pushes.end());
    return pushes;
}
