#include "solver/feature_search.h"

#include <algorithm>

namespace {
// Work (steps of the estimate, the walks and the floor counts) between two looks at the clock.
}  // namespace

// Cheapest line first; among equals the better features, then the fewer pushes still needed,
// then the newest, which keeps a line of free pushes going rather than widening it.
bool FeatureSearch::Later::operator()(const Waiting& a, const Waiting& b) const {
    if (a.weight != b.weight) return a.weight > b.weight;
    if (!(a.features == b.features)) return b.features.better_than(a.features);
    if (a.estimate != b.estimate) return a.estimate > b.estimate;
    return a.position < b.position;
}

FeatureSearch::FeatureSearch(const SolverBoard& board, const SolveLimits& limits, SearchTies ties)
    : board(board),
      budget(limits, board.memory_bytes(), ties),
      store(static_cast<int>(board.start_boxes().size()), board.square_count()),
      plan(board, limits, ties),
      meter(board, plan),
      occupied(board.square_count(), 0) {}

int32_t FeatureSearch::estimate(const std::vector<int32_t>& boxes) {
    budget.add_work(PushLowerBound::work(boxes.size()));
    return lower_bound.estimate(board, boxes);
}

// The parent's own matching is found once, when its first new child needs an estimate.
int32_t FeatureSearch::child_estimate(size_t index, int32_t to) {
    if (!parent_estimated) estimate(boxes);
    parent_estimated = true;
    budget.add_work(PushLowerBound::moved_work(boxes.size()));
    return lower_bound.estimate_moved(board, index, to);
}

bool FeatureSearch::over_limits() {
    const int64_t waiting_bytes = 2 * (waiting_count + 1) * static_cast<int64_t>(sizeof(Waiting));
    return budget.spent(
        meter.memory_bytes() + store.memory_bytes() + store.growth_bytes() + waiting_bytes,
        store.size());
}

int32_t FeatureSearch::cell_of(const Features& features) {
    const auto key = std::make_pair(features.packing, features.connectivity);
    const auto known = cell_index.find(key);
    if (known != cell_index.end()) return known->second;
    const int32_t index = static_cast<int32_t>(cells.size());
    cells.push_back(Cell{features, {}});
    cell_index.emplace(key, index);
    served_next = index;
    return index;
}

// Odd turns go round the cells in order, even turns to the best cell that has work; a cell
// just made is served first.
int32_t FeatureSearch::next_cell() {
    ++iterations;
    if (served_next >= 0 && !cells[served_next].waiting.empty()) {
        const int32_t cell = served_next;
        served_next = -1;
        return cell;
    }
    served_next = -1;
    if (iterations % 2 == 1) {
        for (size_t k = 0; k < cells.size(); ++k) {
            const size_t cell = (turn + k) % cells.size();
            if (cells[cell].waiting.empty()) continue;
            turn = cell + 1;
            return static_cast<int32_t>(cell);
        }
        return -1;
    }
    int32_t best = -1;
    for (size_t cell = 0; cell < cells.size(); ++cell) {
        if (cells[cell].waiting.empty()) continue;
        if (best < 0 || cells[cell].features.better_than(cells[best].features)) {
            best = static_cast<int32_t>(cell);
        }
    }
    return best;
}

SolveStatus FeatureSearch::run() {
    boxes = board.start_boxes();
    StoredPosition start;
    start.man = board.man_start();
    for (int32_t box : boxes) occupied[box] = 1;
    // The man may start where he can never come back to, outside every stretch of floor.
    start.key_man = walk.walk(board, occupied, start.man);
    int32_t stretch = 0;
    const Features features = meter.measure(boxes, occupied, start.man, stretch);
    for (int32_t box : boxes) occupied[box] = 0;
    for (int32_t box : boxes) start.box_hash ^= store.box_key(box);
    start.hash = start.box_hash ^ store.man_key(start.key_man);
    start.estimate = estimate(boxes);
    if (start.estimate >= SolverBoard::unreachable) return SolveStatus::unsolvable;
    const int32_t root = store.add(start, boxes.data());
    if (start.estimate == 0) {
        goal = root;
        return SolveStatus::solved;
    }
    store.at(root).expanded = true;
    expand(root, features, features, 0);
    while (goal < 0) {
        if (over_limits()) return SolveStatus::unknown;
        const int32_t cell = next_cell();
        if (cell < 0) return SolveStatus::unsolvable;
        const Waiting next = cells[cell].waiting.top();
        cells[cell].waiting.pop();
        --waiting_count;
        StoredPosition& position = store.at(next.position);
        if (position.expanded) continue;
        position.expanded = true;
        expand(next.position, next.features, next.cell, next.weight);
        if (budget.stopped()) return SolveStatus::unknown;
    }
    return SolveStatus::solved;
}

// Opens a position: every push it allows becomes a child with its features measured, the
// advisors weigh them, and the children wait in this position's cell.
void FeatureSearch::expand(int32_t index, Features features, Features cell_features,
                           int32_t weight) {
    const StoredPosition parent = store.at(index);
    boxes.assign(store.boxes_of(index), store.boxes_of(index) + board.start_boxes().size());
    for (int32_t box : boxes) occupied[box] = 1;
    walk.reach(board, occupied, parent.man);
    budget.add_work(board.square_count());
    children.clear();
    parent_estimated = false;
    const CorralCheck::Verdict verdict = corral.judge(board, occupied, walk, boxes);
    // The corral search, the dearest test, runs only where the floor is cut apart at all.
    const bool dead = verdict == CorralCheck::Verdict::dead_end ||
                      (features.connectivity > 1 &&
                       corral_search.dead_end(board, boxes, occupied, walk, parent.man));
    if (!dead) meter.open_position(boxes, occupied);
    for (size_t i = 0; i < boxes.size() && !dead; ++i) {
        const int32_t from = boxes[i];
        if (verdict == CorralCheck::Verdict::only && !corral.allows(from)) continue;
        meter.lift(occupied, from);
        macros.find(board, occupied, walk, from, destinations);
        budget.add_work(static_cast<int64_t>(destinations.size()) * 8);
        for (const BoxMacros::Destination& destination : destinations) {
            if (goal >= 0 || over_limits()) break;
            const int32_t to = destination.square;
            occupied[from] = 0;
            occupied[to] = 1;
            if (!freeze.frozen_off_target(board, occupied, to) &&
                !board.dead_groups().holds(occupied, to, destination.man)) {
                move_box(boxes, i, to, child_boxes);
                StoredPosition child;
                child.parent = index;
                child.man = destination.man;
                const Features features =
                    meter.measure_after(child_boxes, occupied, to, destination.man, child.key_man);
                budget.add_work(board.square_count());
                child.pushes = parent.pushes + 1;
                child.pushed_from = from;
                child.box_hash = parent.box_hash ^ store.box_key(from) ^ store.box_key(to);
                child.hash = child.box_hash ^ store.man_key(child.key_man);
                if (store.find(child.hash, child_boxes.data(), child.key_man) < 0) {
                    child.estimate = child_estimate(i, to);
                    // A child whose boxes cannot all reach targets together is kept, closed, so
                    // that meeting it again costs nothing.
                    child.expanded = child.estimate >= SolverBoard::unreachable;
                    const int32_t added = store.add(child, child_boxes.data());
                    if (child.estimate == 0) goal = added;
                    if (!child.expanded) children.push_back({added, features, child.estimate});
                }
            }
            occupied[to] = 0;
            occupied[from] = 1;
        }
    }
    for (int32_t box : boxes) occupied[box] = 0;
    if (goal >= 0) return;
    advise(features, children, advised);
    Cell& cell = cells[cell_of(cell_features)];
    for (size_t c = 0; c < children.size(); ++c) {
        const Features& child = children[c].features;
        cell.waiting.push({weight + (advised[c] ? 0 : 1), child,
                           child.better_than(cell_features) ? child : cell_features,
                           children[c].estimate, children[c].position});
        ++waiting_count;
    }
}

// Each macro on the line is searched again from its parent, push by push.
std::vector<Push> FeatureSearch::solution() {
    std::vector<int32_t> line;
    for (int32_t index = goal; index >= 0 && store.at(index).parent >= 0;
         index = store.at(index).parent) {
        line.push_back(index);
    }
    std::reverse(line.begin(), line.end());
    const size_t count = board.start_boxes().size();
    std::vector<Push> pushes;
    for (int32_t index : line) {
        const StoredPosition& child = store.at(index);
        const int32_t parent = child.parent;
        const int32_t* before = store.boxes_of(parent);
        const int32_t* after = store.boxes_of(index);
        // The one square in the child's sorted boxes that the parent's lack.
        int32_t to = SolverBoard::no_square;
        for (size_t b = 0; b < count && to == SolverBoard::no_square; ++b) {
            if (!std::binary_search(before, before + count, after[b])) to = after[b];
        }
        for (size_t b = 0; b < count; ++b) occupied[before[b]] = 1;
        walk.walk(board, occupied, store.at(parent).man);
        const std::vector<Push> macro =
            macros.pushes_to(board, occupied, walk, child.pushed_from, {to, child.man});
        pushes.insert(pushes.end(), macro.begin(), macro.end());
        for (size_t b = 0; b < count; ++b) occupied[before[b]] = 0;
    }
    return pushes;
}
