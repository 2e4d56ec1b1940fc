#include "solver/window_search.h"

#include <algorithm>
#include <cstdlib>
#include <functional>

#include "solver/area_after_push.h"

namespace {
// Groups fit in a square of this many squares a side; the window searched is wider by
// window_margin squares on every side, so that the boxes have room to be pushed about before
// they count as leaving it. Groups of four squares a side (measured on the shipped levels)
// took twice the time for 0.2% fewer positions in the proofs; a margin of two found a few more
// groups for two to five times the time.
constexpr int32_t group_span = 3;
constexpr int32_t window_margin = 1;
constexpr size_t largest_group = 4;
// Groups listed at most, which only the largest boards reach.
constexpr size_t most_groups = 100000;

struct Place {
    int32_t column, row;
};
Place place_of(const SolverBoard& board, int32_t square) {
    return {square % board.width(), square / board.width()};
}

// A wall, or the edge of the board, on one of the eight squares round `square`.
bool against_wall(const SolverBoard& board, int32_t square) {
    const Place at = place_of(board, square);
    for (int32_t row = at.row - 1; row <= at.row + 1; ++row) {
        for (int32_t column = at.column - 1; column <= at.column + 1; ++column) {
            const bool on_board =
                row >= 0 && row < board.height() && column >= 0 && column < board.width();
            if (!on_board || !board.is_free(column + row * board.width())) return true;
        }
    }
    return false;
}

// Every box of the group touches another, sides or corners, so that the boxes can hold each
// other in place.
bool joined(const SolverBoard& board, const std::vector<int32_t>& group) {
    std::vector<uint8_t> reached(group.size(), 0);
    std::vector<size_t> stack{0};
    reached[0] = 1;
    size_t count = 1;
    while (!stack.empty()) {
        const Place at = place_of(board, group[stack.back()]);
        stack.pop_back();
        for (size_t other = 0; other < group.size(); ++other) {
            const Place there = place_of(board, group[other]);
            if (reached[other] || std::abs(there.row - at.row) > 1 ||
                std::abs(there.column - at.column) > 1)
                continue;
            reached[other] = 1;
            ++count;
            stack.push_back(other);
        }
    }
    return count == group.size();
}
}  // namespace

void WindowSearch::find(const SolverBoard& board, const Limits& limits, DeadGroups& groups) {
    groups.reset(board.square_count());
    if (board.start_boxes().size() < 2) return;
    local.assign(static_cast<size_t>(board.square_count()), 0);
    std::vector<std::vector<int32_t>> found;
    collect_groups(board, found);
    // Smaller groups first: a larger one holding a group dead wherever the man stands is never
    // searched, and the searches of the others stop where they make a smaller dead group.
    std::stable_sort(found.begin(), found.end(),
                     [](const auto& a, const auto& b) { return a.size() < b.size(); });
    for (const std::vector<int32_t>& group : found) {
        if (work_ >= limits.work || groups.memory_bytes() >= limits.memory_bytes) return;
        if (!worth_searching(board, group, groups)) continue;
        bool anywhere = false;
        std::vector<uint8_t> squares =
            dead_man_squares(board, group, limits.positions_per_area, groups, anywhere);
        if (anywhere) {
            groups.add(group, {});
        } else if (!squares.empty()) {
            groups.add(group, std::move(squares));
        }
    }
}

// Every group of two to four squares against the walls that a box could stand on, lying
// within a square of group_span a side, listed once each by its first square. Boxes out in
// the open are seldom held, and big open rooms would give far too many groups.
void WindowSearch::collect_groups(const SolverBoard& board,
                                  std::vector<std::vector<int32_t>>& found) const {
    const size_t most = std::min(largest_group, board.start_boxes().size());
    const auto usable = [&](int32_t square) {
        return board.is_free(square) && !board.is_dead(square) && against_wall(board, square);
    };
    std::vector<int32_t> near, group;
    for (int32_t first = 0; first < board.square_count() && found.size() < most_groups; ++first) {
        if (!usable(first)) continue;
        const Place at = place_of(board, first);
        near.clear();
        for (int32_t row = at.row; row < std::min(board.height(), at.row + group_span); ++row) {
            for (int32_t column = std::max(0, at.column - group_span + 1);
                 column < std::min(board.width(), at.column + group_span); ++column) {
                const int32_t square = column + row * board.width();
                if (square > first && usable(square)) near.push_back(square);
            }
        }
        // Each subset of `near` in order, extended one square at a time while it still fits.
        group.assign(1, first);
        std::vector<size_t> next{0};
        while (!next.empty()) {
            if (next.back() >= near.size() || group.size() == most) {
                next.pop_back();
                group.pop_back();
                if (!next.empty()) ++next.back();
                continue;
            }
            group.push_back(near[next.back()]);
            int32_t left = board.width(), right = -1;
            for (int32_t square : group) {
                left = std::min(left, place_of(board, square).column);
                right = std::max(right, place_of(board, square).column);
            }
            if (right - left >= group_span) {
                group.pop_back();
                ++next.back();
                continue;
            }
            found.push_back(group);
            next.push_back(next.back() + 1);
        }
    }
}

bool WindowSearch::worth_searching(const SolverBoard& board, const std::vector<int32_t>& group,
                                   const DeadGroups& groups) {
    bool home = true;
    for (int32_t box : group) home = home && board.is_target(box);
    if (home || !joined(board, group) || groups.covers(group) || !matched(board, group))
        return false;
    for (int32_t box : group) local[box] = 1;
    bool frozen = false;
    for (size_t b = 0; b < group.size() && !frozen; ++b) {
        frozen = freeze.frozen_off_target(board, local, group[b]);
    }
    for (int32_t box : group) local[box] = 0;
    return !frozen;
}

// Whether every box of the group can be given a target of its own that it could reach alone
// (augmenting paths; the groups are tiny).
bool WindowSearch::matched(const SolverBoard& board, const std::vector<int32_t>& group) const {
    const size_t targets = board.targets().size();
    std::vector<int32_t> owner(targets, -1);
    std::vector<uint8_t> visited;
    const std::function<bool(int32_t)> place = [&](int32_t b) {
        for (size_t t = 0; t < targets; ++t) {
            if (visited[t] || board.push_distance(t, group[b]) >= SolverBoard::unreachable)
                continue;
            visited[t] = 1;
            if (owner[t] < 0 || place(owner[t])) {
                owner[t] = b;
                return true;
            }
        }
        return false;
    };
    for (size_t box = 0; box < group.size(); ++box) {
        visited.assign(targets, 0);
        if (!place(static_cast<int32_t>(box))) return false;
    }
    return true;
}

std::vector<uint8_t> WindowSearch::dead_man_squares(const SolverBoard& board,
                                                    const std::vector<int32_t>& group, int32_t cap,
                                                    const DeadGroups& known, bool& anywhere) {
    anywhere = false;
    int32_t top = board.height(), bottom = -1, left = board.width(), right = -1;
    for (int32_t box : group) {
        const Place at = place_of(board, box);
        top = std::min(top, at.row - window_margin);
        bottom = std::max(bottom, at.row + window_margin);
        left = std::min(left, at.column - window_margin);
        right = std::max(right, at.column + window_margin);
    }
    // One square of each of the man's areas next to a box: elsewhere he can never touch the
    // group, which then stays where it is.
    std::vector<int32_t> areas;
    for (int32_t box : group) local[box] = 1;
    std::vector<int32_t> sides;
    for (int32_t box : group) {
        for (int direction = 0; direction < 4; ++direction) {
            const int32_t side = board.neighbour(box, direction);
            if (board.is_free(side) && !local[side]) sides.push_back(side);
        }
    }
    std::vector<uint8_t> placed(sides.size(), 0);
    for (size_t s = 0; s < sides.size(); ++s) {
        if (placed[s]) continue;
        regions.reach(board, local, sides[s]);
        work_ += board.square_count();
        for (size_t other = s; other < sides.size(); ++other) {
            placed[other] = placed[other] || regions.reached(sides[other]);
        }
        areas.push_back(sides[s]);
    }
    for (int32_t box : group) local[box] = 0;

    std::vector<int32_t> alive;
    for (int32_t man : areas) {
        const int32_t top_left = std::max(top, 0) * board.width() + std::max(left, 0);
        if (!dead_in_window(board, group, man, top_left, bottom - std::max(top, 0) + 1,
                            right - std::max(left, 0) + 1, cap, known)) {
            alive.push_back(man);
        }
    }
    if (alive.size() == areas.size()) return {};
    if (alive.empty()) {
        anywhere = true;
        return {};
    }
    std::vector<uint8_t> squares(static_cast<size_t>(board.square_count()), 1);
    for (int32_t box : group) local[box] = 1;
    for (int32_t man : alive) {
        regions.reach(board, local, man);
        work_ += board.square_count();
        for (int32_t square = 0; square < board.square_count(); ++square) {
            if (regions.reached(square)) squares[square] = 0;
        }
    }
    for (int32_t box : group) local[box] = 0;
    return squares;
}

bool WindowSearch::dead_in_window(const SolverBoard& board, const std::vector<int32_t>& boxes,
                                  int32_t man, int32_t top_left, int32_t window_rows,
                                  int32_t window_columns, int32_t cap, const DeadGroups& known) {
    if (local.size() != static_cast<size_t>(board.square_count()))
        local.assign(static_cast<size_t>(board.square_count()), 0);
    const Place corner = place_of(board, top_left);
    const auto inside = [&](int32_t square) {
        const Place at = place_of(board, square);
        return at.row >= corner.row && at.row < corner.row + window_rows &&
               at.column >= corner.column && at.column < corner.column + window_columns;
    };
    // A state is the boxes, sorted, then a square of the man's area (its top-left square once
    // reached by a push); unused box places hold no_box and sort last.
    constexpr int32_t no_box = INT32_MAX;
    const size_t count = boxes.size();
    seen.clear();
    queue.clear();
    State start;
    start.fill(no_box);
    std::copy(boxes.begin(), boxes.end(), start.begin());
    start.back() = man;
    queue.push_back(start);
    bool alive = false;
    for (size_t head = 0; head < queue.size() && !alive; ++head) {
        const State at = queue[head];
        for (size_t b = 0; b < count; ++b) local[at[b]] = 1;
        const int32_t area = walk.reach(board, local, at.back());
        work_ += board.square_count();
        for (size_t i = 0; i < count && !alive; ++i) {
            const int32_t from = at[i];
            for (int direction = 0; direction < 4 && !alive; ++direction) {
                const int32_t behind = board.neighbour(from, opposite(direction));
                const int32_t to = board.neighbour(from, direction);
                if (!walk.reached(behind) || !board.is_free(to) || local[to] || board.is_dead(to))
                    continue;
                if (!inside(to)) {
                    alive = true;  // out of the window the search knows nothing
                    break;
                }
                local[from] = 0;
                local[to] = 1;
                if (!freeze.frozen_off_target(board, local, to) && !known.holds(local, to, from)) {
                    State next = at;
                    next[i] = to;
                    std::sort(next.begin(), next.begin() + static_cast<std::ptrdiff_t>(count));
                    bool home = true;
                    for (size_t b = 0; b < count; ++b) home = home && board.is_target(next[b]);
                    const int32_t quick =
                        area_after_push(board, local, walk, at.back(), area, from, to, direction);
                    next.back() =
                        quick != SolverBoard::no_square ? quick : after.reach(board, local, from);
                    if (home || static_cast<int32_t>(seen.size()) >= cap) {
                        alive = true;
                    } else if (seen.insert(next).second) {
                        queue.push_back(next);
                    }
                }
                local[to] = 0;
                local[from] = 1;
            }
        }
        for (size_t b = 0; b < count; ++b) local[at[b]] = 0;
    }
    return !alive;
}
