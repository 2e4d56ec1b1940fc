#include "library_summary.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>

#include "collection_figures.h"

namespace {

// "least / middle / largest" of the values.
template <typename Number>
std::string spread(std::vector<Number> values) {
    if (values.empty()) return "";
    std::sort(values.begin(), values.end());
    std::ostringstream text;
    text << values.front() << " / " << values[values.size() / 2] << " / " << values.back();
    return text.str();
}

std::string rounded(double value) {
    return std::to_string(static_cast<long long>(std::lround(value)));
}

std::string one_place(double value) {
    std::ostringstream text;
    text.setf(std::ios::fixed);
    text.precision(1);
    text << value;
    return text.str();
}

std::string percent(double share) {
    return rounded(share * 100) + "%";
}

struct CollectionRows {
    std::string name;
    std::vector<size_t> rows;
};

std::vector<CollectionRows> by_collection(const std::vector<MeasuredLevel>& table) {
    std::vector<CollectionRows> collections;
    for (size_t i = 0; i < table.size(); ++i) {
        const std::string name = collection_name(table[i].file);
        if (collections.empty() || collections.back().name != name)
            collections.push_back({name, {}});
        collections.back().rows.push_back(i);
    }
    return collections;
}

}  // namespace

void write_library_summary(const std::vector<MeasuredLevel>& table, const std::vector<int>& boxes,
                           std::ostream& out) {
    const std::vector<CollectionRows> collections = by_collection(table);
    out << "# The levels and their measures\n\n"
           "What the checker found proving every shipped level with its default limits, ten "
           "seconds and 1024 MB for the proof, and looking for any solution for 40 seconds more "
           "where the proof ran out (`pushwell-check --tsv --find --time 50`, kept in "
           "docs/measures.tsv; `make measures` writes both files anew). Pushes and moves are those "
           "of the solution found, the fewest pushes where "
           "the level is proven optimal. Box changes count the pushes of another box than the one "
           "pushed before; sessions are runs of pushes with no step of the man between them; box "
           "lines are runs of pushes of one box in one direction. Positions are those the solver "
           "met proving the level, or before its time ran out for a level it only solved; the "
           "bound is the fewest pushes proven possible. The floor is the squares the man can reach "
           "from his start with every box taken away; floor per box divides it by the boxes the "
           "solution pushes (a box that starts on a target and is never pushed counts neither as "
           "a box nor as using its square); an idle square is a floor square that neither the man "
           "nor a pushed box ever stands on along the solution.\n\n"
           "Difficulty, by which each collection runs: pushes + 2 x box changes + 10 x "
           "log10(1 + positions).\n\n";
    out << "| Collection | Levels | Optimal | Solved | Boxes | Pushes | Box changes | Positions "
           "| Floor per box | Idle share | Difficulty "
           "|\n|---|---|---|---|---|---|---|---|---|---|---|\n";
    for (const auto& collection : collections) {
        int optimal = 0, solved = 0;
        std::vector<int> box_counts, pushes, changes;
        std::vector<long long> positions, scores;
        std::vector<double> floor_per_box, idle_share;
        for (const size_t row : collection.rows) {
            const MeasuredLevel& level = table[row];
            optimal += level.result == "optimal";
            solved += level.result == "solved";
            box_counts.push_back(row < boxes.size() ? boxes[row] : 0);
            pushes.push_back(level.pushes);
            changes.push_back(level.box_changes);
            positions.push_back(level.positions);
            scores.push_back(std::lround(difficulty(level)));
            floor_per_box.push_back(level.floor_per_box());
            idle_share.push_back(level.idle_share());
        }
        out << "| " << collection.name << " | " << collection.rows.size() << " | " << optimal
            << " | " << solved << " | " << spread(box_counts) << " | " << spread(pushes) << " | "
            << spread(changes) << " | " << spread(positions) << " | "
            << one_place(median(floor_per_box)) << " | " << percent(median(idle_share)) << " / "
            << percent(nearest_rank_percentile(idle_share, 90)) << " | " << spread(scores)
            << " |\n";
    }
    out << "\nEach cell gives the least, middle and largest value of the collection; floor per box "
           "gives the median of its levels, idle share the median and the 90th percentile "
           "(nearest rank).\n";
    for (const auto& collection : collections) {
        out << "\n## " << collection.name
            << "\n\n| Level | Title | Result | Boxes | Pushes | Moves | Bound | Box changes | "
               "Sessions | Box lines | Positions | Floor | Floor per box | Idle | Difficulty |\n"
               "|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|\n";
        for (const size_t row : collection.rows) {
            const MeasuredLevel& level = table[row];
            std::string title = level.title;
            if (!title.empty() && title[0] == '\'') title.erase(0, 1);
            out << "| " << level.level << " | " << title << " | " << level.result << " | "
                << (row < boxes.size() ? boxes[row] : 0) << " | " << level.pushes << " | "
                << level.moves << " | " << level.bound << " | " << level.box_changes << " | "
                << level.sessions << " | " << level.box_lines << " | " << level.positions << " | "
                << level.floor << " | " << one_place(level.floor_per_box()) << " | " << level.idle
                << " | " << rounded(difficulty(level)) << " |\n";
        }
    }
}

int count_boxes(const TLevel& level) {
    int boxes = 0;
    for (int32_t row = 0; row < level.get_height(); ++row) {
        for (int32_t column = 0; column < level.get_width(); ++column) {
            const Cell cell = level.get_cell(column, row);
            boxes += cell == Cell::box || cell == Cell::box_on_target;
        }
    }
    return boxes;
}
