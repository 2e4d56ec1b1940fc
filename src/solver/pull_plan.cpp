#include "solver/pull_plan.h"

#include <algorithm>
#include <queue>
#include <unordered_set>

#include "solver/box_sides.h"
#include "solver/man_walk.h"

namespace {
// A gone box, sorted after every square.
constexpr int32_t gone_box = INT32_MAX;
// Of the squares a box that cannot reach the sink can be pulled to, this many of the farthest
// from the targets are tried as parking squares; the rest are seldom better places for it.
constexpr size_t farthest_kept = 2;

uint64_t mixed(uint64_t value) {
    value += 0x9e3779b97f4a7c15ULL;
    value = (value ^ (value >> 30)) * 0xbf58476d1ce4e5b9ULL;
    value = (value ^ (value >> 27)) * 0x94d049bb133111ebULL;
    return value ^ (value >> 31);
}

// Best first over pulled positions. A position's moves are a round, every box that can be
// pulled into the sink taken away at once (taking one away only frees floor, so none stops
// another, and the man can still walk back to where he stood), or one box pulled to a parking
// square where none can be taken away.
class PlanSearch {
  public:
    PlanSearch(const SolverBoard& board, const SolveLimits& limits, SearchTies ties)
        : board(board),
          count(board.targets().size()),
          budget(limits, board.memory_bytes(), ties),
          occupied(board.square_count(), 0),
          sink(board.square_count(), 0),
          nearest(board.square_count(), SolverBoard::unreachable) {}

    std::vector<PlanStep> run();

  private:
    struct Node {
        uint64_t box_hash;
        int32_t parent;
        int32_t man;     // where the man stands
        int32_t gone;    // boxes taken into the sink
        int32_t parked;  // boxes pulled to parking squares on the way
        int32_t spread;  // pushes from each box left to its nearest target, summed
        bool elsewhere;  // the man ends away from where he starts
    };
    struct Rank {
        int32_t gone, parked, spread, node;
        bool elsewhere;
        // Fewer boxes parked first, so that no plan parks a box where none need be; then the
        // man ending where he starts (measured: the order the layers would give, where it
        // holds, is the better one), then more boxes gone, then boxes further out, then the
        // newest.
        bool operator<(const Rank& other) const {
            if (parked != other.parked) return parked > other.parked;
            if (elsewhere != other.elsewhere) return elsewhere;
            if (gone != other.gone) return gone < other.gone;
            if (spread != other.spread) return spread < other.spread;
            return node < other.node;
        }
    };
    struct Parking {
        size_t index;
        int32_t square, man;
    };

    void measure_board();
    const int32_t* boxes_of(int32_t node) const {
        return &box_pool[static_cast<size_t>(node) * count];
    }
    bool add(const Node& node);
    void expand(int32_t index);
    bool reaches_sink(int32_t from);
    void park(int32_t parent, const Parking& parking);
    bool over_limits();
    std::vector<PlanStep> steps_to(int32_t index) const;

    const SolverBoard& board;
    const size_t count;
    SearchBudget budget;
    std::vector<uint8_t> occupied, sink;
    std::vector<int32_t> nearest;
    std::vector<Node> nodes;
    std::vector<int32_t> box_pool, boxes, child_boxes;
    std::unordered_set<uint64_t> seen;
    std::priority_queue<Rank> open;
    ManWalk walk;
    BoxSides sides;
    std::vector<int32_t> state_seen, queue;
    int32_t stamp = 0;
    std::vector<Parking> destinations, parkings;
    int32_t finished = -1;
};

// A box can be taken off the board where a box starts, or next to it: in the forward search a
// box will be there to bring on. A box starting on a target takes boxes there too, but the
// targets beside it do not: the forward search finds more of the generated levels so.
void PlanSearch::measure_board() {
    for (int32_t square = 0; square < board.square_count(); ++square) {
        for (size_t t = 0; t < count; ++t) {
            nearest[square] = std::min(nearest[square], board.push_distance(t, square));
        }
    }
    for (int32_t box : board.start_boxes()) {
        sink[box] = 1;
        for (int direction = 0; direction < 4; ++direction) {
            const int32_t next = board.neighbour(box, direction);
            if (board.is_free(next) && !board.is_target(next)) sink[next] = 1;
        }
    }
}

bool PlanSearch::over_limits() {
    const int64_t bytes = static_cast<int64_t>(nodes.capacity() * sizeof(Node) +
                                               box_pool.capacity() * sizeof(int32_t) +
                                               seen.size() * 32 + open.size() * sizeof(Rank) * 2);
    return budget.spent(2 * bytes, static_cast<int64_t>(nodes.size()));
}

// Stores the node, its boxes in `child_boxes` and marked in `occupied`, unless its boxes and
// the man's stretch were met before.
bool PlanSearch::add(const Node& node) {
    const int32_t area = walk.reach(board, occupied, node.man);
    budget.add_work(board.square_count());
    if (!seen.insert(node.box_hash ^ mixed(static_cast<uint64_t>(area) + 1)).second) return false;
    const int32_t index = static_cast<int32_t>(nodes.size());
    nodes.push_back(node);
    box_pool.insert(box_pool.end(), child_boxes.begin(), child_boxes.end());
    open.push({node.gone, node.parked, node.spread, index, node.elsewhere});
    if (node.gone == static_cast<int32_t>(count)) finished = index;
    return true;
}

// Whether the box on `from` can be pulled into the sink, the other boxes standing still and
// the man on the squares `walk` reached; else `destinations` gets every square it can be
// pulled to. A pull: the man stands beside the box and steps back, the box following.
bool PlanSearch::reaches_sink(int32_t from) {
    const size_t states = static_cast<size_t>(board.square_count()) * 4;
    if (state_seen.size() != states) state_seen.assign(states, 0);
    ++stamp;
    sides.forget(board);
    destinations.clear();
    queue.clear();
    for (int side = 0; side < 4; ++side) {
        if (!walk.reached(board.neighbour(from, side))) continue;
        state_seen[from * 4 + side] = stamp;
        queue.push_back(from * 4 + side);
    }
    occupied[from] = 0;
    bool into_sink = false;
    for (size_t head = 0; head < queue.size() && !into_sink; ++head) {
        const int32_t square = queue[head] / 4;
        occupied[square] = 1;
        const int8_t* label = sides.labels(board, occupied, square);
        occupied[square] = 0;
        const int8_t joined = label[queue[head] % 4];
        for (int side = 0; side < 4 && !into_sink; ++side) {
            if (label[side] != joined) continue;
            const int32_t to = board.neighbour(square, side);
            const int32_t man = board.neighbour(to, side);
            if (!board.is_free(man) || occupied[man]) continue;
            const int32_t next = to * 4 + side;
            if (state_seen[next] == stamp) continue;
            state_seen[next] = stamp;
            queue.push_back(next);
            into_sink = sink[to];
            if (to != from) destinations.push_back({0, to, man});
        }
    }
    occupied[from] = 1;
    budget.add_work(static_cast<int64_t>(queue.size()) * 8);
    return into_sink;
}

void PlanSearch::park(int32_t parent, const Parking& parking) {
    const int32_t from = boxes[parking.index];
    const Node& before = nodes[parent];
    const Node child{before.box_hash ^ mixed(static_cast<uint64_t>(from)) ^
                         mixed(static_cast<uint64_t>(parking.square)),
                     parent,
                     parking.man,
                     before.gone,
                     before.parked + 1,
                     before.spread - nearest[from] + nearest[parking.square],
                     before.elsewhere};
    child_boxes = boxes;
    child_boxes[parking.index] = parking.square;
    std::sort(child_boxes.begin(), child_boxes.end());
    occupied[from] = 0;
    occupied[parking.square] = 1;
    add(child);
    occupied[parking.square] = 0;
    occupied[from] = 1;
}

void PlanSearch::expand(int32_t index) {
    boxes.assign(boxes_of(index), boxes_of(index) + count);
    for (int32_t box : boxes) {
        if (box != gone_box) occupied[box] = 1;
    }
    walk.reach(board, occupied, nodes[index].man);
    Node round = nodes[index];
    round.parent = index;
    child_boxes = boxes;
    parkings.clear();
    for (size_t i = 0; i < count; ++i) {
        if (boxes[i] == gone_box) continue;
        if (reaches_sink(boxes[i])) {
            round.box_hash ^= mixed(static_cast<uint64_t>(boxes[i]));
            round.spread -= nearest[boxes[i]];
            ++round.gone;
            child_boxes[i] = gone_box;
            continue;
        }
        std::stable_sort(destinations.begin(), destinations.end(),
                         [&](const Parking& a, const Parking& b) {
                             return nearest[a.square] > nearest[b.square];
                         });
        for (size_t d = 0; d < destinations.size() && d < farthest_kept; ++d) {
            parkings.push_back({i, destinations[d].square, destinations[d].man});
        }
    }
    if (round.gone > nodes[index].gone) {
        for (size_t i = 0; i < count; ++i) {
            if (child_boxes[i] == gone_box && boxes[i] != gone_box) occupied[boxes[i]] = 0;
        }
        std::sort(child_boxes.begin(), child_boxes.end());
        add(round);
        for (int32_t box : boxes) {
            if (box != gone_box) occupied[box] = 1;
        }
    } else {
        for (const Parking& parking : parkings) park(index, parking);
    }
    for (int32_t box : boxes) {
        if (box != gone_box) occupied[box] = 0;
    }
}

// The moves from the root to `index`, run backwards: the last round pulled is the first
// filled. A round's boxes come from anywhere; a parked box comes from its parking square.
std::vector<PlanStep> PlanSearch::steps_to(int32_t index) const {
    std::vector<PlanStep> steps;
    int32_t round = 0;
    std::vector<int32_t> left, arrived;
    for (int32_t at = index; nodes[at].parent >= 0; at = nodes[at].parent, ++round) {
        const int32_t* before = boxes_of(nodes[at].parent);
        const int32_t* after = boxes_of(at);
        left.clear();
        arrived.clear();
        std::set_difference(before, before + count, after, after + count, std::back_inserter(left));
        std::set_difference(after, after + count, before, before + count,
                            std::back_inserter(arrived));
        // A round's extra gone boxes arrive too, sorted last.
        const int32_t from = arrived.front() == gone_box ? SolverBoard::no_square : arrived.front();
        for (int32_t target : left) steps.push_back({from, target, round});
    }
    return steps;
}

std::vector<PlanStep> PlanSearch::run() {
    if (count == 0) return {};
    measure_board();
    // One root for each stretch of floor round the filled targets that the man could end in.
    child_boxes = board.targets();
    uint64_t hash = 0;
    for (int32_t box : child_boxes) {
        occupied[box] = 1;
        hash ^= mixed(static_cast<uint64_t>(box));
    }
    // Where the man could walk from his start with the targets filled, his own square free
    // should he start on a target.
    std::vector<uint8_t> rooted(board.square_count(), 0), start_area(board.square_count(), 0);
    occupied[board.man_start()] = 0;
    walk.reach(board, occupied, board.man_start());
    for (int32_t square = 0; square < board.square_count(); ++square) {
        start_area[square] = walk.reached(square);
    }
    occupied[board.man_start()] = board.is_target(board.man_start());
    for (int32_t target : child_boxes) {
        for (int direction = 0; direction < 4; ++direction) {
            const int32_t man = board.neighbour(target, direction);
            if (!board.is_free(man) || occupied[man] || rooted[man]) continue;
            walk.reach(board, occupied, man);
            for (int32_t square = 0; square < board.square_count(); ++square) {
                if (walk.reached(square)) rooted[square] = 1;
            }
            add({hash, -1, man, 0, 0, 0, !start_area[man]});
        }
    }
    for (int32_t box : board.targets()) occupied[box] = 0;
    while (finished < 0 && !open.empty() && !over_limits()) {
        const int32_t index = open.top().node;
        open.pop();
        expand(index);
    }
    return finished < 0 ? std::vector<PlanStep>{} : steps_to(finished);
}
}  // namespace

std::vector<PlanStep> find_pull_plan(const SolverBoard& board, const SolveLimits& limits,
                                     SearchTies ties) {
    return PlanSearch(board, limits, ties).run();
}
