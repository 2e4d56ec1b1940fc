#include "solver/floor_stretches.h"

#include <algorithm>
#include <climits>

#include "solver/ring.h"

namespace {
// Keeps `low` < `next` the two lowest squares offered so far.
void offer(int32_t square, int32_t& low, int32_t& next) {
    if (square == low || square == next) return;
    if (square < low) {
        next = low;
        low = square;
    } else if (square < next) {
        next = square;
    }
}
}  // namespace

void FloorStretches::label(const SolverBoard& board, const std::vector<uint8_t>& occupied) {
    const int32_t squares = board.square_count();
    // One entry past the board stands for every wall, always labelled (SolverBoard::floor_step).
    if (id.size() != static_cast<size_t>(squares) + 1 || first_id > INT32_MAX - squares - 2) {
        id.assign(squares + 1, -1);
        id[squares] = INT32_MAX;
        first_id = 0;
    }
    lowest.clear();
    second.clear();
    const auto open = [&](int32_t square) { return id[square] < first_id && !occupied[square]; };
    // Squares in order, so that each stretch is first met at its lowest square.
    for (int32_t start = 0; start < squares; ++start) {
        if (!board.is_free(start) || !open(start)) continue;
        const int32_t own = first_id + static_cast<int32_t>(lowest.size());
        int32_t next = INT32_MAX;
        id[start] = own;
        stack.assign(1, start);
        while (!stack.empty()) {
            const int32_t at = stack.back();
            stack.pop_back();
            for (int direction = 0; direction < 4; ++direction) {
                const int32_t square = board.floor_step(at, direction);
                if (!open(square)) continue;
                id[square] = own;
                next = std::min(next, square);
                stack.push_back(square);
            }
        }
        lowest.push_back(start);
        second.push_back(next);
    }
    count_ = static_cast<int32_t>(lowest.size());
    first_id += count_;
}

void FloorStretches::lift(const SolverBoard& board, const std::vector<uint8_t>& occupied,
                          int32_t from) {
    const int32_t base = first_id - count_;
    int32_t joined[4];
    int joined_count = 0;
    lifted_lowest = from;
    lifted_second = INT32_MAX;
    for (int direction = 0; direction < 4; ++direction) {
        const int32_t square = board.neighbour(from, direction);
        if (!board.is_free(square) || occupied[square]) continue;
        const int32_t stretch = id[square] - base;
        if (std::find(joined, joined + joined_count, stretch) != joined + joined_count) continue;
        joined[joined_count++] = stretch;
        offer(lowest[stretch], lifted_lowest, lifted_second);
        if (second[stretch] != INT32_MAX) offer(second[stretch], lifted_lowest, lifted_second);
    }
    lifted_count = count_ - joined_count + 1;
}

int32_t FloorStretches::drop(const SolverBoard& board, const std::vector<uint8_t>& occupied,
                             int32_t to, int32_t man, int32_t& man_area) {
    const auto open = [&](int32_t square) { return board.is_free(square) && !occupied[square]; };
    if (ring_stays_joined(board, to, open)) {
        // The lifted stretch only loses `to`, and the man is still in it.
        man_area = lifted_lowest != to ? lifted_lowest : lifted_second;
        return lifted_count;
    }
    if (seen.size() != id.size() || stamp >= INT32_MAX - 5) {
        seen.assign(id.size(), 0);
        seen.back() = INT32_MAX;  // the walls' entry
        stamp = 0;
    }
    int32_t sides[4];
    int side_count = 0;
    for (int direction = 0; direction < 4; ++direction) {
        const int32_t square = board.neighbour(to, direction);
        if (open(square)) sides[side_count++] = square;
    }
    // From the man's side first: once every other side is met, nothing was cut off.
    ++stamp;
    if (flood(board, occupied, man, sides, side_count, man_area)) {
        man_area = lifted_lowest != to ? lifted_lowest : lifted_second;
        return lifted_count;
    }
    // Each side the man's piece did not reach starts another piece.
    int32_t pieces = 1;
    const int32_t man_stamp = stamp;
    for (int s = 0; s < side_count; ++s) {
        if (seen[sides[s]] >= man_stamp) continue;
        ++pieces;
        ++stamp;
        int32_t unused = 0;
        flood(board, occupied, sides[s], sides + s + 1, side_count - s - 1, unused);
    }
    return lifted_count - 1 + pieces;
}

// Breadth first, so that sides joined close by are met soon. True, stopping at once, when every
// one of `targets` is met; otherwise the whole piece is marked and `top_left` is its lowest
// square.
bool FloorStretches::flood(const SolverBoard& board, const std::vector<uint8_t>& occupied,
                           int32_t start, const int32_t* targets, int target_count,
                           int32_t& top_left) {
    const auto is_target = [&](int32_t square) {
        for (int t = 0; t < target_count; ++t) {
            if (targets[t] == square) return true;
        }
        return false;
    };
    int unmet = target_count - (is_target(start) ? 1 : 0);
    top_left = start;
    seen[start] = stamp;
    if (unmet == 0) return true;
    queue.assign(1, start);
    for (size_t head = 0; head < queue.size(); ++head) {
        const int32_t at = queue[head];
        for (int direction = 0; direction < 4; ++direction) {
            const int32_t square = board.floor_step(at, direction);
            if (seen[square] >= stamp || occupied[square]) continue;
            seen[square] = stamp;
            if (is_target(square) && --unmet == 0) return true;
            top_left = std::min(top_left, square);
            queue.push_back(square);
        }
    }
    return unmet == 0;
}
